#include "reporting/concretefakejunitprinter.h"
#include "reporting/reportfiles.h"
#include "reporting/xmltext.h"
#include <cstdio>
#include <exception>
#include <memory>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/utils.h>

namespace Varnel {

namespace {

const char kFlagFilePrefix[] = "special_flag_file_";

long long TimeOf(std::uint32_t tests, std::int32_t testTime) { return static_cast<long long>(tests) * testTime; }

}  // namespace

ConcreteFakeJUnitPrinter::ConcreteFakeJUnitPrinter(const wxString& runName, const wxString& outputSubdirectory,
                                                   bool renameAtStart)
    : renameAtStart(renameAtStart),
      outputDirectory(wxString("./scons-out/opt/tests/") + outputSubdirectory + wxFileName::GetPathSeparator()) {
  flagFileExisted = AnyFileStartsWith(outputDirectory, kFlagFilePrefix);
  processId = static_cast<std::uint32_t>(wxGetProcessId());
  processIdText = wxString::Format("%lu", static_cast<unsigned long>(processId));
  this->runName = runName;
  suppressNotices = !wxGetEnv("MAKE_TEST_FAILURES_POP_UP_FOR_INTERACTIVE_HUMAN", nullptr);

  // A person watching the run asked to see problems; the toolkit's own log windows would only get in the way.
  std::unique_ptr<wxLogNull> quiet(suppressNotices ? nullptr : new wxLogNull);
  EnsureDirectoryExists(outputDirectory);
  WriteLinesAtomically(FlagFilePath(), {wxString()});
  if (this->renameAtStart || !flagFileExisted) {
    MoveWithoutOverwriting(outputDirectory + runName + ".xml", ReportFilePath());
  }
  quiet.reset();

  BeginSuite(kDefaultInitialSuiteName);
}

ConcreteFakeJUnitPrinter::~ConcreteFakeJUnitPrinter() {
  // Runs inside the host: whatever happens, nothing may escape.
  try {
    std::unique_ptr<wxLogNull> quiet(suppressNotices ? nullptr : new wxLogNull);
    FinishDocument();
    EnsureDirectoryExists(outputDirectory);
    WriteLinesAtomically(ReportFilePath(), documentLines);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "FakeJUnitPrinter could not write its report: %s\n", error.what());
  } catch (...) {
    std::fprintf(stderr, "FakeJUnitPrinter could not write its report\n");
  }
}

wxString ConcreteFakeJUnitPrinter::ReportFilePath() const {
  return outputDirectory + runName + "_" + processIdText + ".xml";
}

wxString ConcreteFakeJUnitPrinter::FlagFilePath() const {
  return wxString::Format("%s%s%lu.dat", outputDirectory, kFlagFilePrefix, static_cast<unsigned long>(processId));
}

void ConcreteFakeJUnitPrinter::BeginSuite(const wxString& suiteName) {
  if (!openSuiteName.empty()) CloseOpenSuite();
  openSuiteName = wxString::Format("%s_pid_%lu", suiteName, static_cast<unsigned long>(processId));
}

wxString ConcreteFakeJUnitPrinter::NumberedTestName(const wxString& testName) const {
  return wxString::Format("test%03u", testsInClosedSuites + testsInOpenSuite) + testName;
}

void ConcreteFakeJUnitPrinter::ReportPass(const wxString& testName) {
  ++testsInOpenSuite;
  openSuiteLines.push_back(wxString::Format("        <testcase name=\"%s\" status=\"run\" time=\"%d\" />",
                                            EscapeXmlAttribute(NumberedTestName(testName)), testTime));
}

void ConcreteFakeJUnitPrinter::ReportFailure(const wxString& testName, const wxString& subject,
                                             const wxString& location, const wxString& message) {
  ++testsInOpenSuite;
  ++failuresInOpenSuite;
  openSuiteLines.push_back(
      wxString::Format("        <testcase name=\"%s\" status=\"run\" time=\"%d\" >\n"
                       "        <failure message=\"%s\" type=\"\">\n\n <![CDATA[%s\n%s]]>\n\n</failure>\n</testcase>",
                       EscapeXmlAttribute(NumberedTestName(testName)), testTime, EscapeXmlAttribute(subject),
                       EscapeXmlCData(location), EscapeXmlCData(message)));
}

void ConcreteFakeJUnitPrinter::CloseOpenSuite() {
  testsInClosedSuites += testsInOpenSuite;
  failuresInClosedSuites += failuresInOpenSuite;
  documentLines.push_back(wxString::Format(
      "    <testsuite name=\"%s\" tests=\"%u\" failures=\"%u\" disabled=\"0\" errors=\"0\" time=\"%lld\">",
      EscapeXmlAttribute(openSuiteName), testsInOpenSuite, failuresInOpenSuite, TimeOf(testsInOpenSuite, testTime)));
  documentLines.insert(documentLines.end(), openSuiteLines.begin(), openSuiteLines.end());
  documentLines.push_back("    </testsuite>");
  testsInOpenSuite = 0;
  failuresInOpenSuite = 0;
  openSuiteLines.clear();
}

void ConcreteFakeJUnitPrinter::FinishDocument() {
  CloseOpenSuite();
  documentLines.insert(
      documentLines.begin(),
      wxString::Format("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<testsuites tests=\"%u\" failures=\"%u\" disabled=\"0\" errors=\"0\" "
                       "time=\"%lld\" name=\"AllTests\">",
                       testsInClosedSuites, failuresInClosedSuites, TimeOf(testsInClosedSuites, testTime)));
  documentLines.push_back("</testsuites>");
}

}  // namespace Varnel

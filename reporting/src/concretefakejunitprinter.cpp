#include "reporting/concretefakejunitprinter.h"
#include "reporting/processid.h"
#include "reporting/atomicfilewriter.h"
#include "reporting/reportfiles.h"
#include "reporting/xmltext.h"
#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/textbuf.h>
#include <wx/log.h>
#include <wx/utils.h>

namespace Varnel {

namespace {

const char kFlagFilePrefix[] = "special_flag_file_";
const char kDocumentFooter[] = "</testsuites>";
const char kSuiteFooter[] = "    </testsuite>";
// The name whose temporary file takes the test-case entries once they outgrow memory.
const char kEntriesSuffix[] = ".entries";

// Every entry ends with the platform's native line end (CR LF on Windows); line feeds inside an entry stay.
const std::string& LineEnd() {
  static const std::string lineEnd = wxString(wxTextBuffer::GetEOL()).utf8_string();
  return lineEnd;
}

// Outcome texts are put together with the standard string only: its allocation failures come out as
// exceptions the caller can catch, where the toolkit's formatting cannot pass them on.
void AppendSigned(std::string& out, long long number) {
  if (number < 0) out += '-';
  AppendDecimal(out, number < 0 ? 0ULL - static_cast<unsigned long long>(number) : number);
}

void AppendCounts(std::string& out, std::uint32_t tests, std::uint32_t failures, std::int32_t testTime) {
  out += " tests=\"";
  AppendDecimal(out, tests);
  out += "\" failures=\"";
  AppendDecimal(out, failures);
  out += "\" disabled=\"0\" errors=\"0\" time=\"";
  AppendSigned(out, static_cast<long long>(tests) * testTime);
  out += '"';
}

}  // namespace

ConcreteFakeJUnitPrinter::ConcreteFakeJUnitPrinter(const wxString& name, const wxString& outputSubdirectory,
                                                   bool renameWhenStarting)
    : renameAtStart(renameWhenStarting),
      outputDirectory(wxString("./scons-out/opt/tests/") + outputSubdirectory + wxFileName::GetPathSeparator()) {
  flagFileExisted = AnyFileStartsWith(outputDirectory, kFlagFilePrefix);
  processId = CurrentProcessId();
  processIdText = std::to_string(processId);
  runName = name;
  reportPathBytes_ = ReportFilePath().utf8_str().data();
  entries_.emplace(TemporaryPathFor(outputDirectory + runName + "_" + processIdText + kEntriesSuffix));
  suppressNotices = !wxGetEnv("MAKE_TEST_FAILURES_POP_UP_FOR_INTERACTIVE_HUMAN", nullptr);

  {
    // A person watching the run asked to see problems; the toolkit's own log windows would only get in the way.
    std::optional<wxLogNull> quiet;
    if (!suppressNotices) quiet.emplace();
    EnsureDirectoryExists(outputDirectory);
    RemoveLeftoverTemporaries(outputDirectory,
                              {{runName + "_", ".xml"},
                               {runName + "_", kDiagnosticsSuffix},
                               {runName + "_", kEntriesSuffix},
                               {kFlagFilePrefix, ".dat"}},
                              processId);
    WriteFileAtomically(FlagFilePath(), LineEnd());
    if (renameAtStart || !flagFileExisted) {
      MoveWithoutOverwriting(outputDirectory + runName + ".xml", ReportFilePath());
    }
  }

  BeginSuite(kDefaultInitialSuiteName);
}

ConcreteFakeJUnitPrinter::~ConcreteFakeJUnitPrinter() {
  // Runs inside the host: whatever happens, nothing may escape.
  try {
    std::optional<wxLogNull> quiet;
    if (!suppressNotices) quiet.emplace();
    if (!WriteReport()) WithdrawReport("the report was not written");
  } catch (...) {
    WithdrawReport("the report could not be completed (out of memory or an error while writing)");
  }
}

wxString ConcreteFakeJUnitPrinter::ReportFilePath() const {
  return outputDirectory + runName + "_" + processIdText + ".xml";
}

wxString ConcreteFakeJUnitPrinter::FlagFilePath() const {
  return outputDirectory + kFlagFilePrefix + processIdText + ".dat";
}

void ConcreteFakeJUnitPrinter::BeginSuite(const wxString& suiteName) {
  try {
    std::string name;
    AppendXmlAttribute(name, suiteName);
    name += "_pid_";
    AppendDecimal(name, processId);
    if (!openSuiteName.empty()) CloseOpenSuite();
    openSuiteName = std::move(name);
  } catch (...) {
    outcomeLost_ = true;
    throw;
  }
}

void ConcreteFakeJUnitPrinter::AppendNumberedTestName(std::string& entry, const wxString& testName) const {
  AppendDecimal(entry, static_cast<unsigned long long>(testsInClosedSuites) + testsInOpenSuite + 1, 3);
  AppendXmlAttribute(entry, testName);
}

template <typename Build>
void ConcreteFakeJUnitPrinter::AddTestCase(bool failed, Build build) {
  try {
    std::string entry = "        <testcase name=\"test";
    AppendNumberedTestName(entry, build.testName);
    entry += "\" status=\"run\" time=\"";
    AppendSigned(entry, testTime);
    build(entry);
    entries_->Append(entry);  // all or nothing
  } catch (...) {
    outcomeLost_ = true;
    throw;
  }
  ++testsInOpenSuite;
  if (failed) ++failuresInOpenSuite;
}

namespace {

struct PassedEntry {
  const wxString& testName;
  void operator()(std::string& entry) const {
    entry += "\" />";
    entry += LineEnd();
  }
};

struct FailedEntry {
  const wxString& testName;
  const wxString& subject;
  const wxString& location;
  const wxString& message;
  void operator()(std::string& entry) const {
    entry += "\" >\n        <failure message=\"";
    AppendXmlAttribute(entry, subject);
    entry += "\" type=\"\">\n\n <![CDATA[";
    AppendXmlCData(entry, location);
    entry += '\n';
    AppendXmlCData(entry, message);
    entry += "]]>\n\n</failure>\n</testcase>";
    entry += LineEnd();
  }
};

}  // namespace

void ConcreteFakeJUnitPrinter::ReportPass(const wxString& testName) { AddTestCase(false, PassedEntry{testName}); }

void ConcreteFakeJUnitPrinter::ReportFailure(const wxString& testName, const wxString& subject,
                                             const wxString& location, const wxString& message) {
  AddTestCase(true, FailedEntry{testName, subject, location, message});
}

// Either the suite is closed whole or, when memory runs out, nothing changes.
void ConcreteFakeJUnitPrinter::CloseOpenSuite() {
  std::string header = "    <testsuite name=\"" + openSuiteName + '"';
  AppendCounts(header, testsInOpenSuite, failuresInOpenSuite, testTime);
  header += ">";
  header += LineEnd();
  if (documentLines.size() == documentLines.capacity()) documentLines.reserve(2 * documentLines.size() + 16);
  documentLines.push_back({std::move(header), entries_->Size()});
  testsInClosedSuites += testsInOpenSuite;
  failuresInClosedSuites += failuresInOpenSuite;
  testsInOpenSuite = 0;
  failuresInOpenSuite = 0;
}

std::string ConcreteFakeJUnitPrinter::DocumentHeader() const {
  std::string header = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<testsuites";
  AppendCounts(header, testsInClosedSuites, failuresInClosedSuites, testTime);
  header += " name=\"AllTests\">";
  header += LineEnd();
  return header;
}

bool ConcreteFakeJUnitPrinter::WriteReport() {
  // A report that lacks an outcome could pass for a clean run: none is better.
  if (outcomeLost_) return false;
  CloseOpenSuite();
  EnsureDirectoryExists(outputDirectory);
  AtomicFileWriter writer(ReportFilePath());
  writer.Append(DocumentHeader());
  std::uint64_t entriesStart = 0;
  for (const ClosedSuite& suite : documentLines) {
    writer.Append(suite.header);
    if (!entries_->CopyTo(writer, entriesStart, suite.entriesEnd)) return false;
    entriesStart = suite.entriesEnd;
    writer.Append(kSuiteFooter + LineEnd());
  }
  writer.Append(kDocumentFooter + LineEnd());
  if (!writer.Commit()) return false;
  if (writtenDigest_ != nullptr) *writtenDigest_ = writer.Digest();
  return true;
}

// The file under this run's name is removed rather than moved back: it is either the previous run's report,
// moved here at start, or an earlier printer's of this process, and either would be read as this printer's.
// A missing report is an error every reader notices; a stale one would pass for this run's outcomes.
void ConcreteFakeJUnitPrinter::WithdrawReport(const char* reason) noexcept {
  try {
    wxLogNull quiet;
    wxRemoveFile(ReportFilePath());
  } catch (...) {
  }
  std::fprintf(stderr, "FakeJUnitPrinter failed to write to the file %s: %s%s\n", reportPathBytes_.c_str(), reason,
               outcomeLost_ ? " (an outcome could not be recorded)" : "");
}

}  // namespace Varnel

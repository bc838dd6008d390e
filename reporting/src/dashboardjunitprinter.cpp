#include "reporting/dashboardjunitprinter.h"
#include "reporting/concretefakejunitprinter.h"
#include "reporting/findingssink.h"
#include "reporting/processid.h"
#include "reporting/reportfiles.h"
#include "reporting/reportstamp.h"
#include "reporting/xmltext.h"
#include <cstdio>
#include <wx/datetime.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/utils.h>

#ifndef DH_VERSION
#error "DH_VERSION (the plug-in's version, a string literal) must be defined by the build"
#endif

namespace Varnel {

namespace {

const char kJunitDirectoryVariable[] = "DH_AUTOMATEDTESTING_JUNIT_DIR";
const char kPluginSuiteClass[] = "DataHookOutputTestingPlugin";
const char kHostAssertionSuite[] = "host assertions";
const char kNoVerifierPrefix[] = "no verifier: ";
constexpr unsigned long long kMicrosecondsPerSecond = 1000000;

std::string Attribute(const wxString& text) {
  std::string escaped;
  AppendXmlAttribute(escaped, text);
  return escaped;
}

// Host names become part of a file name: anything but letters, digits, '-' and '.' becomes '_'.
wxString FileNamePart(const wxString& text) {
  wxString part;
  for (const wxUniChar ch : text) {
    const bool plain = ch.IsAscii() && (wxIsalnum(ch) || ch == '-' || ch == '.');
    part += plain ? ch : wxUniChar('_');
  }
  return part.empty() ? wxString("unknown") : part;
}

// Seconds to the microsecond: a check takes a few of them.
void AppendSeconds(std::string& out, std::int64_t microseconds) {
  const auto whole = static_cast<unsigned long long>(microseconds < 0 ? 0 : microseconds);
  AppendDecimal(out, whole / kMicrosecondsPerSecond);
  out += '.';
  AppendDecimal(out, whole % kMicrosecondsPerSecond, 6);
}

void AppendProperty(std::string& out, const char* name, const std::string& escapedValue) {
  out += "      <property name=\"";
  out += name;
  out += "\" value=\"";
  out += escapedValue;
  out += "\"/>\n";
}

}  // namespace

wxString JunitDirectory(wxString (*siteDirectory)()) {
  wxString directory;
  if (wxGetEnv(kJunitDirectoryVariable, &directory)) return directory;
  return siteDirectory == nullptr ? wxString() : siteDirectory();
}

std::unique_ptr<DashboardJUnitPrinter> DashboardJUnitPrinter::ForConfiguredDirectory(
    wxString (*siteDirectory)()) noexcept {
  try {
    const wxString directory = JunitDirectory(siteDirectory);
    if (directory.empty()) return nullptr;
    return std::make_unique<DashboardJUnitPrinter>(directory);
  } catch (...) {
    std::fprintf(stderr, "dh-AutomatedTesting: the dashboard JUnit report cannot be prepared; none is written\n");
    return nullptr;
  }
}

DashboardJUnitPrinter::DashboardJUnitPrinter(const wxString& directory) {
  const wxString host = wxGetHostName().empty() ? wxString("unknown") : wxGetHostName();
  hostName_ = Attribute(host);
  processId_ = std::to_string(CurrentProcessId());
  // The fresh token keeps two instances with the same host name and process id (containers) apart.
  reportPath_ = wxFileName(directory, "dh-AutomatedTesting_" + FileNamePart(host) + "_" + processId_ + "_" +
                                          NewInstanceToken() + ".xml")
                    .GetFullPath();
  OpenSuite(kDefaultInitialSuiteName, kPluginSuiteClass, wxString());
}

DashboardJUnitPrinter::~DashboardJUnitPrinter() {
  // Runs inside the host: nothing may escape.
  try {
    if (outcomeLost_) {
      std::fprintf(stderr, "dh-AutomatedTesting: the dashboard JUnit report %s is withheld: an outcome was lost\n",
                   reportPath_.utf8_str().data());
      return;
    }
    wxLogNull quiet;
    if (!WriteReport()) {
      std::fprintf(stderr, "dh-AutomatedTesting: the dashboard JUnit report %s was not written\n",
                   reportPath_.utf8_str().data());
    }
  } catch (...) {
    std::fprintf(stderr, "dh-AutomatedTesting: the dashboard JUnit report could not be completed\n");
  }
}

// Recording may run out of memory; the report that would lack the outcome is then withheld.
template <typename Record>
void DashboardJUnitPrinter::Guarded(Record record) noexcept {
  try {
    record();
  } catch (...) {
    outcomeLost_ = true;
  }
}

void DashboardJUnitPrinter::OpenSuite(const wxString& name, const wxString& className, const wxString& dataFile) {
  Suite suite;
  suite.name = Attribute(name);
  suite.className = Attribute(className);
  suite.dataFile = dataFile;
  suite.timestamp = wxDateTime::Now().Format("%Y-%m-%dT%H:%M:%SZ", wxDateTime::UTC).utf8_string();
  suite.lastOutcome = Clock::now();
  suites_.push_back(std::move(suite));
  current_ = suites_.size() - 1;
}

void DashboardJUnitPrinter::ResumeSuite(std::size_t index) {
  current_ = index;
  suites_[index].lastOutcome = Clock::now();
}

// A data file opens its own suite, named for the verifier when one begins; outcomes about no data file are the
// host's assertions and share one suite.
void DashboardJUnitPrinter::BeginDataFile(const wxString& path) noexcept {
  Guarded([&] {
    if (!path.empty()) {
      OpenSuite(kNoVerifierPrefix + wxFileName(path).GetFullName(), kPluginSuiteClass, path);
    } else if (hostAssertionSuite_ != SIZE_MAX) {
      ResumeSuite(hostAssertionSuite_);
    } else {
      OpenSuite(kHostAssertionSuite, kPluginSuiteClass, wxString());
      hostAssertionSuite_ = current_;
    }
  });
}

void DashboardJUnitPrinter::BeginSuite(const wxString& suiteName) noexcept {
  Guarded([&] {
    failureOpen_ = false;
    Suite& open = suites_[current_];
    const wxString dataFile = open.dataFile;
    if (dataFile.empty()) {
      OpenSuite(suiteName, suiteName, wxString());
      return;
    }
    // A second verification of the same data file gets a suite of its own.
    if (open.hasVerifier) OpenSuite(wxString(), wxString(), dataFile);
    Suite& suite = suites_[current_];
    suite.name = Attribute(suiteName + " / " + wxFileName(dataFile).GetFullName());
    suite.className = Attribute(suiteName);
    suite.hasVerifier = true;
  });
}

void DashboardJUnitPrinter::AddCheck(const wxString& testName, bool failed) {
  Suite& suite = suites_[current_];
  Check check;
  check.name = Attribute(testName);
  const unsigned seen = ++suite.nameCounts[check.name];
  if (seen > 1) check.name += " #" + std::to_string(seen);
  const Clock::time_point now = Clock::now();
  check.microseconds = std::chrono::duration_cast<std::chrono::microseconds>(now - suite.lastOutcome).count();
  check.failed = failed;
  suite.checks.push_back(std::move(check));
  suite.lastOutcome = now;
}

void DashboardJUnitPrinter::ReportPass(const wxString& testName) noexcept {
  Guarded([&] { AddCheck(testName, false); });
}

void DashboardJUnitPrinter::ReportFailure(const wxString& testName, const wxString& subject, const wxString& location,
                                          const wxString& message) noexcept {
  Guarded([&] {
    std::string escapedSubject = Attribute(subject);
    std::string text;
    AppendXmlCData(text, location);
    text += '\n';
    AppendXmlCData(text, message);
    AddCheck(testName, true);
    suites_[current_].checks.back().subject = std::move(escapedSubject);
    suites_[current_].checks.back().text = std::move(text);
    lastFailure_ = {current_, suites_[current_].checks.size() - 1};
    failureOpen_ = true;
  });
}

// The same bounded lines, and as many, as the diagnostics file gives the failure reported last.
void DashboardJUnitPrinter::AddFinding(const wxString& text) noexcept {
  Guarded([&] {
    if (!failureOpen_) return;
    Check& check = suites_[lastFailure_.first].checks[lastFailure_.second];
    if (check.findings >= FindingsSink::kMaxFindingsPerFailure) {
      ++check.findingsCut;
      return;
    }
    std::string line = "\nfound: ";
    AppendXmlCData(line, BoundedLine(text));
    check.text += line;
    ++check.findings;
  });
}

void DashboardJUnitPrinter::AppendSuite(std::string& out, const Suite& suite) const {
  std::int64_t microseconds = 0;
  std::size_t failures = 0;
  for (const Check& check : suite.checks) {
    microseconds += check.microseconds;
    failures += check.failed ? 1 : 0;
  }
  const std::string dataFile = suite.dataFile.empty() ? std::string("(none)") : Attribute(suite.dataFile);
  out += "  <testsuite name=\"" + suite.name + "\" tests=\"" + std::to_string(suite.checks.size()) + "\" failures=\"" +
         std::to_string(failures) + "\" errors=\"0\" skipped=\"0\" time=\"";
  AppendSeconds(out, microseconds);
  out += "\" timestamp=\"" + suite.timestamp + "\" hostname=\"" + hostName_ + "\">\n    <properties>\n";
  AppendProperty(out, "data_file", dataFile);
  AppendProperty(out, "host_name", hostName_);
  AppendProperty(out, "process_id", processId_);
  AppendProperty(out, "plugin_version", DH_VERSION);
  out += "    </properties>\n";
  for (const Check& check : suite.checks) {
    out += "    <testcase classname=\"" + suite.className + "\" name=\"" + check.name + "\" time=\"";
    AppendSeconds(out, check.microseconds);
    if (!check.failed) {
      out += "\"/>\n";
      continue;
    }
    out += "\">\n      <failure message=\"" + check.subject + "\" type=\"failure\"><![CDATA[" + check.text;
    if (check.findingsCut > 0) out += "\nfound: [cut: " + std::to_string(check.findingsCut) + " more findings]";
    out += "]]></failure>\n    </testcase>\n";
  }
  out += "    <system-out><![CDATA[data file: ";
  AppendXmlCData(out, suite.dataFile.empty() ? wxString("(none)") : suite.dataFile);
  out += "]]></system-out>\n  </testsuite>\n";
}

bool DashboardJUnitPrinter::WriteReport() const {
  std::size_t tests = 0;
  std::size_t failures = 0;
  std::int64_t microseconds = 0;
  for (const Suite& suite : suites_) {
    tests += suite.checks.size();
    for (const Check& check : suite.checks) {
      failures += check.failed ? 1 : 0;
      microseconds += check.microseconds;
    }
  }
  std::string header = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<testsuites name=\"dh-AutomatedTesting\" tests=\"" +
                       std::to_string(tests) + "\" failures=\"" + std::to_string(failures) + "\" errors=\"0\" time=\"";
  AppendSeconds(header, microseconds);
  header += "\">\n";
  EnsureDirectoryExists(wxFileName(reportPath_).GetPath());
  AtomicFileWriter writer(reportPath_);
  writer.Append(header);
  for (const Suite& suite : suites_) {
    std::string text;
    AppendSuite(text, suite);
    writer.Append(text);
  }
  writer.Append("</testsuites>\n");
  return writer.Commit();
}

}  // namespace Varnel

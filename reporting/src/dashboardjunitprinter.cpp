#include "reporting/dashboardjunitprinter.h"
#include "reporting/filenamepart.h"
#include "reporting/concretefakejunitprinter.h"
#include "reporting/environmentvariable.h"
#include "reporting/findingssink.h"
#include "reporting/processid.h"
#include "reporting/atomicfilewriter.h"
#include "reporting/reportfiles.h"
#include "reporting/reportstamp.h"
#include "reporting/utctimestamp.h"
#include "reporting/xmltext.h"
#include "site/sitesettings.h"
#include <cstdio>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/utils.h>

#ifndef DH_VERSION
#error "DH_VERSION (the plug-in's version, a string literal) must be defined by the build"
#endif

namespace Varnel {

const char kJUnitDirectoryVariable[] = "DH_AUTOMATEDTESTING_JUNIT_DIR";

namespace {

const char kHostAssertionSuite[] = "host assertions";
const char kNoVerifierPrefix[] = "no verifier: ";
const char kMessageFindingSeparator[] = " | ";
constexpr unsigned long long kMicrosecondsPerSecond = 1000000;

// Some viewers show an attribute's entities as written: only what XML demands is escaped.
std::string Attribute(const wxString& text) {
  std::string escaped;
  AppendXmlAttribute(escaped, text, AttributeEscapes::Required);
  return escaped;
}

// The data file's own name; a path that ends in a separator is its own name.
wxString DataFileName(const wxString& path) {
  const wxString name = wxFileName(path).GetFullName();
  return name.empty() ? path : name;
}

// Seconds to the microsecond: a check takes a few of them.
void AppendSeconds(std::string& out, std::int64_t microseconds) {
  const auto whole = static_cast<unsigned long long>(microseconds < 0 ? 0 : microseconds);
  AppendDecimal(out, whole / kMicrosecondsPerSecond);
  out += '.';
  AppendDecimal(out, whole % kMicrosecondsPerSecond, 6);
}

void AppendProperty(std::string& out, const std::string& name, const std::string& escapedValue) {
  out += "      <property name=\"";
  out += name;
  out += "\" value=\"";
  out += escapedValue;
  out += "\"/>\n";
}

// What a test case's and a suite's system-out begin with: the data file, or that there is none.
void AppendDataFileLine(std::string& out, const wxString& dataFile) {
  out += "data file: ";
  AppendXmlCData(out, dataFile.empty() ? wxString("(none)") : dataFile);
}

}  // namespace

wxString JUnitDirectory() {
  const std::optional<wxString> directory = EnvironmentVariable(kJUnitDirectoryVariable);
  if (directory) return *directory;
  return SiteSettingsInForce().junitDir.value;
}

std::unique_ptr<DashboardJUnitPrinter> DashboardJUnitPrinter::ForConfiguredDirectory() noexcept {
  try {
    const wxString directory = JUnitDirectory();
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
  const wxString stem =
      wxFileName(directory, "dh-AutomatedTesting_" + FileNamePart(host) + "_" + processId_ + "_" + NewInstanceToken())
          .GetFullPath();
  reportPath_ = stem + ".xml";
  entries_.emplace(TemporaryPathFor(stem + ".entries"));
  {
    wxLogNull quiet;
    EnsureDirectoryExists(directory);  // test cases may wait beside the report long before it is written
  }
  OpenSuite(kDefaultInitialSuiteName, kDefaultInitialSuiteName, wxString());
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

std::string DashboardJUnitPrinter::UniqueClassName(const wxString& base) {
  std::string name = Attribute(base);
  const unsigned seen = ++classNameCounts_[name];
  if (seen > 1) name += " #" + std::to_string(seen);
  return name;
}

void DashboardJUnitPrinter::OpenSuite(const wxString& name, const wxString& className, const wxString& dataFile) {
  Suite suite;
  suite.className = UniqueClassName(className);
  suite.name = Attribute(name);
  suite.dataFile = dataFile;
  suite.dataFileAttribute = Attribute(dataFile);
  suite.timestamp = UtcTimestamp(MillisecondsSinceEpoch(), false);
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
      OpenSuite(kNoVerifierPrefix + DataFileName(path), DataFileName(path), path);
    } else if (hostAssertionSuite_ != SIZE_MAX) {
      ResumeSuite(hostAssertionSuite_);
    } else {
      OpenSuite(kHostAssertionSuite, kHostAssertionSuite, wxString());
      hostAssertionSuite_ = current_;
    }
  });
}

void DashboardJUnitPrinter::BeginSuite(const wxString& suiteName) noexcept {
  Guarded([&] {
    CloseFailure();
    const wxString dataFile = suites_[current_].dataFile;
    if (dataFile.empty()) {
      OpenSuite(suiteName, suiteName, wxString());
      return;
    }
    // A second verification of the same data file gets a suite, and so a classname, of its own.
    if (suites_[current_].hasVerifier) OpenSuite(wxString(), DataFileName(dataFile), dataFile);
    Suite& suite = suites_[current_];
    suite.name = Attribute(suiteName) + " / " + suite.className;
    suite.hasVerifier = true;
  });
}

// Every name of a suite is unique: a repeat gets " #N", its N-th occurrence. Past the names a suite counts, a new
// name gets the number of its outcome in the suite instead, which no other outcome of the suite has.
std::string DashboardJUnitPrinter::UniqueName(Suite& suite, const wxString& testName) const {
  std::string name = Attribute(testName);
  const auto counted = suite.nameCounts.find(name);
  if (counted != suite.nameCounts.end()) return name + " #" + std::to_string(++counted->second);
  if (suite.nameCounts.size() < kCountedNames) {
    suite.nameCounts.emplace(name, 1);
    return name;
  }
  return name + " #" + std::to_string(suite.tests + 1);
}

std::string DashboardJUnitPrinter::TestCaseHead(const wxString& testName, bool failed) {
  Suite& suite = suites_[current_];
  const Clock::time_point now = Clock::now();
  const std::int64_t microseconds =
      std::chrono::duration_cast<std::chrono::microseconds>(now - suite.lastOutcome).count();
  std::string head =
      "    <testcase classname=\"" + suite.className + "\" name=\"" + UniqueName(suite, testName) + "\" time=\"";
  AppendSeconds(head, microseconds);
  head += "\" timestamp=\"" + UtcTimestamp(MillisecondsSinceEpoch(), true) + "\"";
  if (!suite.dataFile.empty()) head += " file=\"" + suite.dataFileAttribute + "\"";
  head += ">\n";
  suite.lastOutcome = now;
  ++suite.tests;
  if (failed) ++suite.failures;
  suite.microseconds += microseconds;
  return head;
}

std::string DashboardJUnitPrinter::TestCaseTail(const Suite& suite, const std::string& output) const {
  std::string tail = "      <system-out><![CDATA[";
  AppendDataFileLine(tail, suite.dataFile);
  return tail + output + "]]></system-out>\n    </testcase>\n";
}

// Appends to the suite's last range when the bytes follow it and it is not kept for an open failure.
void DashboardJUnitPrinter::AppendEntry(Suite& suite, const std::string& bytes) {
  const std::uint64_t from = entries_->Size();
  entries_->Append(bytes);
  if (suite.entries.size() > suite.firstMergeable && suite.entries.back().second == from) {
    suite.entries.back().second = entries_->Size();
  } else {
    suite.entries.emplace_back(from, entries_->Size());
  }
}

void DashboardJUnitPrinter::AddPass(const wxString& testName, const std::string& output) {
  const std::string head = TestCaseHead(testName, false);
  Suite& suite = suites_[current_];
  AppendEntry(suite, head + TestCaseTail(suite, output));
}

// The open failure goes to the buffer whole, into the ranges its suite kept for it: its head, the text that went
// ahead when it was long, the rest. With nothing after it yet it simply continues the suite's entries, so that a
// run of failures costs no range each.
void DashboardJUnitPrinter::CloseFailure() {
  if (!failure_) return;
  const OpenFailure& failure = *failure_;
  Suite& suite = suites_[failure.suite];
  std::string head = failure.head + "      <failure message=\"" + failure.message + "\" type=\"failure\"><![CDATA[";
  std::string tail = failure.text;
  if (failure.findingsCut > 0) tail += "\nfound: [cut: " + std::to_string(failure.findingsCut) + " more findings]";
  tail += "]]></failure>\n" + TestCaseTail(suite, std::string());
  if (!failure.spilled && failure.slot + 1 == suite.entries.size()) {
    suite.entries.pop_back();
    suite.firstMergeable = failure.firstMergeableBefore;
    AppendEntry(suite, head + tail);
  } else if (!failure.spilled) {
    const std::uint64_t from = entries_->Size();
    entries_->Append(head + tail);
    suite.entries[failure.slot] = ByteRange{from, entries_->Size()};
  } else {
    const std::uint64_t headFrom = entries_->Size();
    entries_->Append(head);
    suite.entries[failure.slot] = ByteRange{headFrom, entries_->Size()};
    suite.entries[failure.slot + 1] = *failure.spilled;
    const std::uint64_t tailFrom = entries_->Size();
    entries_->Append(tail);
    suite.entries[failure.slot + 2] = ByteRange{tailFrom, entries_->Size()};
  }
  failure_.reset();
}

void DashboardJUnitPrinter::ReportPass(const wxString& testName) noexcept {
  Guarded([&] { AddPass(testName, std::string()); });
}

void DashboardJUnitPrinter::ReportTracking(const wxString& trackName, const wxString& milliseconds) noexcept {
  Guarded([&] {
    std::string output = "\nmeasured: ";
    AppendXmlCData(output, milliseconds);
    AddPass(trackName, output + " ms");
    suites_[current_].tracked.emplace_back(Attribute(trackName), Attribute(milliseconds));
  });
}

void DashboardJUnitPrinter::ReportFailure(const wxString& testName, const wxString& subject, const wxString& location,
                                          const wxString& message) noexcept {
  Guarded([&] {
    CloseFailure();
    OpenFailure failure;
    failure.suite = current_;
    failure.head = TestCaseHead(testName, true);
    failure.message = Attribute(subject);
    AppendXmlCData(failure.text, location);
    failure.text += '\n';
    AppendXmlCData(failure.text, message);
    if (failure.text.size() > kLongTextBytes) {
      // A text this long waits in the buffer, not in memory, while its findings come.
      const std::uint64_t from = entries_->Size();
      entries_->Append(failure.text);
      failure.spilled = ByteRange{from, entries_->Size()};
      std::string().swap(failure.text);
    }
    // Kept empty until the failure closes (its head, a long text, the rest); later test cases go after them.
    Suite& suite = suites_[current_];
    failure.slot = suite.entries.size();
    failure.firstMergeableBefore = suite.firstMergeable;
    suite.entries.resize(suite.entries.size() + (failure.spilled ? 3 : 1), ByteRange{0, 0});
    suite.firstMergeable = suite.entries.size();
    failure_ = std::move(failure);
  });
}

// The same bounded lines, and as many, as the diagnostics file gives the failure reported last; the first one
// also ends the failure's message, where viewers show it without a click.
void DashboardJUnitPrinter::AddFinding(const wxString& text) noexcept {
  Guarded([&] {
    if (!failure_) return;
    OpenFailure& failure = *failure_;
    if (failure.findings >= FindingsSink::kMaxFindingsPerFailure) {
      ++failure.findingsCut;
      return;
    }
    const std::string line = BoundedLine(text);
    const wxString shown = wxString::FromUTF8(line.data(), line.size());
    if (failure.findings == 0) {
      failure.message += kMessageFindingSeparator;
      AppendXmlAttribute(failure.message, shown, AttributeEscapes::Required);
    }
    failure.text += "\nfound: ";
    AppendXmlCData(failure.text, shown);
    ++failure.findings;
  });
}

std::string DashboardJUnitPrinter::SuiteHeader(const Suite& suite) const {
  std::string out = "  <testsuite name=\"" + suite.name + "\" tests=\"" + std::to_string(suite.tests) +
                    "\" failures=\"" + std::to_string(suite.failures) + "\" errors=\"0\" skipped=\"0\" time=\"";
  AppendSeconds(out, suite.microseconds);
  out += "\" timestamp=\"" + suite.timestamp + "\" hostname=\"" + hostName_ + "\">\n    <properties>\n";
  AppendProperty(out, "data_file", suite.dataFile.empty() ? std::string("(none)") : suite.dataFileAttribute);
  AppendProperty(out, "host_name", hostName_);
  AppendProperty(out, "process_id", processId_);
  AppendProperty(out, "plugin_version", DH_VERSION);
  for (const auto& [name, value] : suite.tracked) AppendProperty(out, name, value);
  out += "    </properties>\n";
  return out;
}

bool DashboardJUnitPrinter::WriteReport() {
  CloseFailure();
  std::uint64_t tests = 0;
  std::uint64_t failures = 0;
  std::int64_t microseconds = 0;
  for (const Suite& suite : suites_) {
    tests += suite.tests;
    failures += suite.failures;
    microseconds += suite.microseconds;
  }
  std::string header = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<testsuites name=\"dh-AutomatedTesting\" tests=\"" +
                       std::to_string(tests) + "\" failures=\"" + std::to_string(failures) + "\" errors=\"0\" time=\"";
  AppendSeconds(header, microseconds);
  header += "\">\n";
  AtomicFileWriter writer(reportPath_);
  writer.Append(header);
  for (const Suite& suite : suites_) {
    writer.Append(SuiteHeader(suite));
    for (const ByteRange& range : suite.entries) {
      if (!entries_->CopyTo(writer, range.first, range.second)) return false;
    }
    std::string footer = "    <system-out><![CDATA[";
    AppendDataFileLine(footer, suite.dataFile);
    footer += "]]></system-out>\n  </testsuite>\n";
    writer.Append(footer);
  }
  writer.Append("</testsuites>\n");
  return writer.Commit();
}

}  // namespace Varnel

#pragma once
#include "reporting/fakejunitprinter.h"
#include "reporting/spillingbuffer.h"
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>
#include <wx/string.h>

namespace Varnel {

// The folder the dashboard report goes to: DH_AUTOMATEDTESTING_JUNIT_DIR, else what the site's settings name
// (read only when the variable is not set); empty when neither names one.
wxString JUnitDirectory();
extern const char kJUnitDirectoryVariable[];

// A second, conventional JUnit report for the dashboards that read such files. Viewers key a test by classname
// and name, so every data file gets a classname of its own (its file name, " #2" for a second file of that name
// in the run) and a name repeated within a suite gets " #2", " #3": two runs over files of the same names give the
// same identities, and no two test cases of one report share one. Every test case names its data file (file
// attribute and system-out), has its time and a UTC timestamp with milliseconds; a failure's message is its subject
// and first finding, its text the location, the message and every finding. Times the build farm charts keep a
// fixed name and carry their value beside it. Test cases wait in a SpillingBuffer beside the report, so a report
// of any length costs a bounded amount of memory. Written when the printer is destroyed, through the atomic
// writer, under a name unique to this process instance. Nothing it does throws: a failure to record or write
// withholds this report alone and is told on standard error.
class DashboardJUnitPrinter : public FakeJUnitPrinter {
 public:
  // The printer for the configured folder (JUnitDirectory), or null when none is configured or the printer
  // cannot be made.
  static std::unique_ptr<DashboardJUnitPrinter> ForConfiguredDirectory() noexcept;

  explicit DashboardJUnitPrinter(const wxString& directory);
  ~DashboardJUnitPrinter() override;
  DashboardJUnitPrinter(const DashboardJUnitPrinter&) = delete;
  DashboardJUnitPrinter& operator=(const DashboardJUnitPrinter&) = delete;

  void BeginSuite(const wxString& suiteName) noexcept override;
  void ReportPass(const wxString& testName) noexcept override;
  void ReportFailure(const wxString& testName, const wxString& subject, const wxString& location,
                     const wxString& message) noexcept override;
  void AddFinding(const wxString& text) noexcept override;
  void BeginDataFile(const wxString& path) noexcept override;
  void ReportTracking(const wxString& trackName, const wxString& milliseconds) noexcept override;

  // An outcome was lost on its way to the printers: this report is withheld too.
  void MarkOutcomeLost() noexcept { outcomeLost_ = true; }

  // "<directory>/dh-AutomatedTesting_<host>_<pid>_<random>.xml"
  const wxString& ReportFilePath() const { return reportPath_; }

  // A failure's text past this many bytes goes to the buffer at once instead of waiting for its findings.
  static constexpr std::size_t kLongTextBytes = std::size_t{64} << 10;
  // Names whose repeats a suite counts; a name first seen past them gets the number of its outcome instead.
  static constexpr std::size_t kCountedNames = 10000;

 private:
  using Clock = std::chrono::steady_clock;
  using ByteRange = std::pair<std::uint64_t, std::uint64_t>;  // [from, to) in entries_

  struct Suite {
    std::string name;       // escaped for the attribute
    std::string className;  // escaped for the attribute
    wxString dataFile;      // empty: about no data file
    std::string dataFileAttribute;
    bool hasVerifier = false;
    std::string timestamp;
    std::uint64_t tests = 0;
    std::uint64_t failures = 0;
    std::int64_t microseconds = 0;
    std::vector<std::pair<std::string, std::string>> tracked;  // escaped name and value of each charted time
    std::vector<ByteRange> entries;                            // its test cases, in order
    std::size_t firstMergeable = 0;  // the ranges before it are an open failure's, to be filled when it closes
    std::map<std::string, unsigned> nameCounts;
    Clock::time_point lastOutcome;
  };
  // A failure takes findings until the next failure or suite, as the diagnostics file gives them: it is written
  // then, into the ranges its suite kept for it.
  struct OpenFailure {
    std::size_t suite = 0;
    std::size_t slot = 0;  // the first of its suite's ranges kept for it: one, or three for a long text
    std::size_t firstMergeableBefore = 0;
    std::string head;                  // the test case's start, up to its time and timestamp
    std::string message;               // escaped: the subject, then " | " and the first finding
    std::string text;                  // for a CDATA section: location, message, then "found: " lines
    std::optional<ByteRange> spilled;  // the location and message when they went to the buffer at once
    std::size_t findings = 0;
    std::size_t findingsCut = 0;
  };

  void OpenSuite(const wxString& name, const wxString& className, const wxString& dataFile);
  void ResumeSuite(std::size_t index);
  // The start of the next test case of the current suite, counted in its totals.
  std::string TestCaseHead(const wxString& testName, bool failed);
  std::string TestCaseTail(const Suite& suite, const std::string& output) const;
  void AddPass(const wxString& testName, const std::string& output);
  void CloseFailure();
  std::string UniqueName(Suite& suite, const wxString& testName) const;
  std::string UniqueClassName(const wxString& base);
  void AppendEntry(Suite& suite, const std::string& bytes);
  std::string SuiteHeader(const Suite& suite) const;
  bool WriteReport();
  template <typename Record>
  void Guarded(Record record) noexcept;

  wxString reportPath_;
  std::string hostName_;  // escaped for the attribute
  std::string processId_;
  std::vector<Suite> suites_;
  std::map<std::string, unsigned> classNameCounts_;
  std::size_t current_ = 0;
  std::size_t hostAssertionSuite_ = SIZE_MAX;  // none yet
  std::optional<OpenFailure> failure_;
  std::optional<SpillingBuffer> entries_;
  bool outcomeLost_ = false;
};

}  // namespace Varnel

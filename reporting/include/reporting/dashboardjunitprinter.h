#pragma once
#include "reporting/fakejunitprinter.h"
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>
#include <wx/string.h>

namespace Varnel {

// The folder the dashboard report goes to: DH_AUTOMATEDTESTING_JUNIT_DIR, else what the site's settings name
// (asked only when the variable is not set); empty when neither names one.
wxString JunitDirectory(wxString (*siteDirectory)());

// A second, conventional JUnit report for the dashboards that read such files: one suite per data file named by
// its experiment and the data file's name, stable test names (no running number, no process id), measured
// times, a timestamp, the host name and properties on every suite, and every finding in the failure's text.
// The host's assertions go to a suite of their own. Written when the printer is destroyed, through the atomic
// writer, under a name unique to this process instance. Nothing it does throws: a failure to record or write
// withholds this report alone and is told on standard error.
class DashboardJUnitPrinter : public FakeJUnitPrinter {
 public:
  // The printer for the configured folder (JunitDirectory), or null when none is configured or the printer
  // cannot be made.
  static std::unique_ptr<DashboardJUnitPrinter> ForConfiguredDirectory(wxString (*siteDirectory)()) noexcept;

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

  // An outcome was lost on its way to the printers: this report is withheld too.
  void MarkOutcomeLost() noexcept { outcomeLost_ = true; }

  // "<directory>/dh-AutomatedTesting_<host>_<pid>_<random>.xml"
  const wxString& ReportFilePath() const { return reportPath_; }

 private:
  using Clock = std::chrono::steady_clock;
  struct Check {
    std::string name;  // escaped for the attribute, with " #N" for a repeat within the suite
    std::int64_t microseconds = 0;
    bool failed = false;
    std::string subject;  // escaped for the attribute
    std::string text;     // escaped for a CDATA section: location, message, "found: " lines
    std::size_t findings = 0;
    std::size_t findingsCut = 0;
  };
  struct Suite {
    std::string name;       // escaped for the attribute
    std::string className;  // escaped for the attribute
    wxString dataFile;      // empty: about no data file
    bool hasVerifier = false;
    std::string timestamp;
    std::vector<Check> checks;
    std::map<std::string, unsigned> nameCounts;
    Clock::time_point lastOutcome;
  };

  void OpenSuite(const wxString& name, const wxString& className, const wxString& dataFile);
  void ResumeSuite(std::size_t index);
  void AddCheck(const wxString& testName, bool failed);
  void AppendSuite(std::string& out, const Suite& suite) const;
  bool WriteReport() const;
  template <typename Record>
  void Guarded(Record record) noexcept;

  wxString reportPath_;
  std::string hostName_;  // escaped for the attribute
  std::string processId_;
  std::vector<Suite> suites_;
  std::size_t current_ = 0;
  std::size_t hostAssertionSuite_ = SIZE_MAX;        // none yet
  std::pair<std::size_t, std::size_t> lastFailure_;  // suite and check; findings go there while failureOpen
  bool failureOpen_ = false;
  bool outcomeLost_ = false;
};

}  // namespace Varnel

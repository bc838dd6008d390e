#pragma once
#include "reporting/concretefakejunitprinter.h"
#include "reporting/dashboardjunitprinter.h"
#include "reporting/findingssink.h"
#include <memory>

namespace Varnel {

// The printer the plug-in hands out: every outcome goes unchanged to the report printer, while the failures
// and what was found behind them go to a findings sink. When it is destroyed the report is written first and
// then, beside it, the diagnostics file of the same run name and process ("<report name>.diagnostics.txt"),
// so that the diagnostics can never cost a report. The file's first line is "version: dh-AutomatedTesting "
// and the version of the build; then comes the stamp that ties the file to this process instance, to the host's
// instance token and to the bytes of the report just written.
// A dashboard printer, when given, gets every outcome and finding too, first, and writes its own report last.
class FindingsRecordingPrinter : public FakeJUnitPrinter {
 public:
  explicit FindingsRecordingPrinter(std::unique_ptr<ConcreteFakeJUnitPrinter> reportPrinter,
                                    std::unique_ptr<DashboardJUnitPrinter> dashboardPrinter = nullptr);
  ~FindingsRecordingPrinter() override;
  FindingsRecordingPrinter(const FindingsRecordingPrinter&) = delete;
  FindingsRecordingPrinter& operator=(const FindingsRecordingPrinter&) = delete;

  void BeginSuite(const wxString& suiteName) override;
  void ReportPass(const wxString& testName) override;
  void ReportFailure(const wxString& testName, const wxString& subject, const wxString& location,
                     const wxString& message) override;
  void AddFinding(const wxString& text) override;
  void BeginDataFile(const wxString& path) override;
  void ReportTracking(const wxString& trackName, const wxString& milliseconds) override;

  wxString DiagnosticsFilePath() const;
  // An outcome was lost: the report printer withholds its report (see ConcreteFakeJUnitPrinter).
  void MarkOutcomeLost() noexcept {
    report_->MarkOutcomeLost();
    if (dashboard_) dashboard_->MarkOutcomeLost();
  }

 private:
  void WriteDiagnostics(const wxString& path) const;

  std::unique_ptr<ConcreteFakeJUnitPrinter> report_;
  std::unique_ptr<DashboardJUnitPrinter> dashboard_;  // null unless the dashboard report is switched on
  FindingsSink findings_;
  std::string hostInstance_;
  std::optional<ContentDigest> writtenReport_;
};

}  // namespace Varnel

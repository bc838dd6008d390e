#pragma once
// The outcome of one reported check, which takes what was found behind a failure in the same statement:
//   ReportOutcome(held, ...) << "found " + what;
//   ReportOutcome(held, ...).Otherwise([&] { return CostlyFindings(); });
//   ReportFailure(...) << finding;
// Findings given to a check that held go nowhere, so a pass never carries any. The framework's shared checks,
// which report for a verifier through its printer, report as ReportFailureTo(printer, ...) << finding.
#include <utility>
#include <vector>
#include <wx/string.h>

namespace Varnel {

class FakeJUnitPrinter;

class CheckOutcome {
 public:
  // The outcome just reported to the printer, which keeps the findings of a failure.
  CheckOutcome(FakeJUnitPrinter* printer, bool held) : printer_(printer), held_(held) {}

  // The finding, kept when the check failed. The text is built either way: a finding that costs to build, or
  // that can only be built after a failure, goes through Otherwise.
  CheckOutcome& operator<<(const wxString& finding);
  // Each finding, in order, likewise.
  CheckOutcome& operator<<(const std::vector<wxString>& findings);

  // Calls findings() only when the check failed and keeps what it returns: a wxString or a std::vector of them.
  template <typename Findings>
  CheckOutcome& Otherwise(Findings&& findings) {
    if (!held_) *this << std::forward<Findings>(findings)();
    return *this;
  }

 private:
  FakeJUnitPrinter* printer_;
  bool held_;
};

// The printer's ReportFailure, and the outcome that takes the failure's findings.
CheckOutcome ReportFailureTo(FakeJUnitPrinter* printer, const wxString& testName, const wxString& subject,
                             const wxString& location, const wxString& message);

}  // namespace Varnel

// Findings go to the printer only behind a failure.
#include "framework/checkoutcome.h"
#include "reporting/fakejunitprinter.h"

namespace Varnel {

CheckOutcome& CheckOutcome::operator<<(const wxString& finding) {
  if (!held_) printer_->AddFinding(finding);
  return *this;
}

CheckOutcome& CheckOutcome::operator<<(const std::vector<wxString>& findings) {
  for (const wxString& finding : findings) *this << finding;
  return *this;
}

CheckOutcome ReportFailureTo(FakeJUnitPrinter* printer, const wxString& testName, const wxString& subject,
                             const wxString& location, const wxString& message) {
  printer->ReportFailure(testName, subject, location, message);
  return CheckOutcome(printer, false);
}

}  // namespace Varnel

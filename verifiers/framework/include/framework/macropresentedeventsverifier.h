#pragma once
#include "site/hostnames.h"
#include "framework/individualtestcase.h"
#include <wx/string.h>

class MUInterfaceMultiExperimentDataSource;

namespace Varnel {

// The macro-presentation experiments present three events, one regular and two through macros (or feedback),
// each with its own font colour and screen location. Whether the data file shows each colour ("Red", "Green",
// "Blue") and each location ("one", "two", "three") somewhere, in exactly three rows.
bool EachMacroPresentedEventShownOnce(const MUInterfaceMultiExperimentDataSource& reader);
// The row count and the colours and locations no row shows, for the diagnostics of a failed check.
wxString MacroPresentedEventsFinding(const MUInterfaceMultiExperimentDataSource& reader);

// Both experiments share the rule and the windows; only the check's name (T::kCheckName) differs.
template <typename T>
class MacroPresentedEventsVerifier_T : public IndividualTestCase_T<T, false> {
 public:
  void RunChecks(VerificationContext) override {
    this->ReportOutcome(EachMacroPresentedEventShownOnce(*this->reader), T::kCheckName,
                        "Something bad happened instead.", kEachEventOnceLine,
                        "We expected to see each variable name to show up exactly once.")
        .Otherwise([this] { return MacroPresentedEventsFinding(*this->reader); });
    this->CheckDurationWindows({
        ExperimentWindow(2990, 3170),
        ExpansionWindow(0, 5000),
        ExperimentWindowOn(kHostNameA, 3000, 3080),
        ExperimentWindowOn(kHostNameB, 3000, 3125),
    });
  }

 private:
  static constexpr int kEachEventOnceLine = 99;
};

}  // namespace Varnel

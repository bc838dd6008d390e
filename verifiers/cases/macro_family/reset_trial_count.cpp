// The reset-trial-count macro together with a when-to-run expression lets event 1 and event 2 run once
// each. The run has no duration windows.
#include "framework/macrofamilyverifier.h"

namespace Varnel {

class Test_2012_3_9_tessel_2668_macro_reset_trial_count
    : public MacroFamilyVerifier_T<Test_2012_3_9_tessel_2668_macro_reset_trial_count> {
 public:
  static constexpr char kExperimentFileName[] = "2012_3_9_tessel_2668_macro_reset_trial_count.vn4";
  // The line that locates this verifier's failure report.
  static constexpr int kEventsLine = 67;

  static const MacroFamilyExpectations& Expectations() {
    static const MacroFamilyExpectations expected = {
        {"Reset_trial_count_functions_as_expected", EventNameRule::Sequence({"event 1", "event 2"}), kEventsLine,
         "We expected to see event 1 once and event 2 also once as that's what the macro is set up to do. This one is "
         "tricky-ish as it uses both a when to run experession and a macro to work."},
        DurationWindows{}};
    return expected;
  }
};

}  // namespace Varnel

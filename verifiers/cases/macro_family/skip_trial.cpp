// The skip-trial macro skips the trial of event 2. It reports under the name of the repeat-block experiment.
#include "site/hostnames.h"
#include "framework/macrofamilyverifier.h"

namespace Varnel {

class Test_2012_3_9_tessel_2668_macro_skip_trial
    : public MacroFamilyVerifier_T<Test_2012_3_9_tessel_2668_macro_skip_trial> {
 public:
  static constexpr char kExperimentFileName[] = "2012_3_9_tessel_2668_macro_skip_trial.vn4";
  // The line that locates this verifier's failure report.
  static constexpr int kEventsLine = 65;

  static const MacroFamilyExpectations& Expectations() {
    static const MacroFamilyExpectations expected = {
        {kRepeatBlockTestName, EventNameRule::Sequence({"event 1", "event 3"}), kEventsLine,
         "We expected to see event 1 once and event 3 also once as that's what the macro is set up to do."},
        {
            ExperimentWindow(1600, 1700),
            ExpansionWindow(0, 5000),
            ExperimentWindowOn(kHostNameA, 1600, 1730),
        }};
    return expected;
  }
};

}  // namespace Varnel

// The repeat-trial macro without when-to-run rules: event 1 once, then the trial of event 2 three times.
#include "framework/expectedtexts.h"
#include "site/hostnames.h"
#include "framework/macrofamilyverifier.h"

namespace Varnel {

class Test_2012_3_9_tessel_2668_macro_repeat_trial_no_wtr
    : public MacroFamilyVerifier_T<Test_2012_3_9_tessel_2668_macro_repeat_trial_no_wtr> {
 public:
  static constexpr char kExperimentFileName[] = "2012_3_9_tessel_2668_macro_repeat_trial_no_wtr.vn4";
  // The line that locates this verifier's failure report.
  static constexpr int kEventsLine = 65;

  static const MacroFamilyExpectations& Expectations() {
    static const MacroFamilyExpectations expected = {
        {"Repeat_trial_functions_as_expected",
         EventNameRule::Sequence(ExpectedTextsBuilder().Run("event 1").Run("event 2", 3).Build()), kEventsLine,
         "We expected to see event 1 once and then event 2 repeated three times as that's what the macro is set up to "
         "do."},
        {
            ExperimentWindow(3200, 3250),
            ExpansionWindow(0, 1000),
            ExperimentWindowOn(kBuildFarmHost, 3200, 3300),
        }};
    return expected;
  }
};

}  // namespace Varnel

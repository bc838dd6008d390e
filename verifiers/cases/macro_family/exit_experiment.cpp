// The exit-experiment macro ends the run after its first trial, so one row, whatever it holds.
#include "site/hostnames.h"
#include "framework/macrofamilyverifier.h"

namespace Varnel {

class Test_2012_3_9_tessel_2668_macro_exit_experiment
    : public MacroFamilyVerifier_T<Test_2012_3_9_tessel_2668_macro_exit_experiment> {
 public:
  static constexpr char kExperimentFileName[] = "2012_3_9_tessel_2668_macro_exit_experiment.vn4";
  // The line that locates this verifier's failure report.
  static constexpr int kEventsLine = 45;

  static const MacroFamilyExpectations& Expectations() {
    static const MacroFamilyExpectations expected = {
        {"Experiment_exited_after_one_trial_as_expected", EventNameRule::Rows(1), kEventsLine,
         "We expected the experiment to exit after one trial."},
        {
            ExperimentWindow(900, 1100),
            ExpansionWindow(0, 1000),
            ExperimentWindowOn(kBuildFarmHost, 800, 1150),
        }};
    return expected;
  }
};

}  // namespace Varnel

// Trials presented by their codes: event 1 with code "no", then event 2 with code "yes".
#include "site/hostnames.h"
#include "framework/macrofamilyverifier.h"

namespace Varnel {

class Test_2012_3_9_tessel_2668_trial_wtp_codes
    : public MacroFamilyVerifier_T<Test_2012_3_9_tessel_2668_trial_wtp_codes,
                                   TestCaseWithFullColumnStringComp_T<Test_2012_3_9_tessel_2668_trial_wtp_codes>> {
 public:
  static constexpr char kExperimentFileName[] = "2012_3_9_tessel_2668_trial_wtp_codes.vn4";
  // The line that locates this verifier's failure report.
  static constexpr int kEventsLine = 83;

  static const MacroFamilyExpectations& Expectations() {
    static const MacroFamilyExpectations expected = {
        {"Presenting_trials_based_on_code_functions_as_expected", EventNameRule::Sequence({"event 1", "event 2"}),
         kEventsLine, kEventOneThenTwoMessage},
        {
            ExperimentWindow(1600, 1630),
            ExpansionWindow(0, 5000),
            ExperimentWindowOn(kHostNameA, 1600, 1720),
            ExperimentWindowOn(kHostNameB, 1600, 1800),
        }};
    return expected;
  }

 protected:
  // The code of each presented trial, after the event check.
  void RunFurtherChecks() override {
    static const ExpectedTexts codes = {"no", "yes"};
    CompareWholeColumn("code", codes);
  }
};

}  // namespace Varnel

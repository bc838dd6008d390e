// When-to-present with the equal-to operator: only the trial of event 1 qualifies.
#include "site/hostnames.h"
#include "framework/macrofamilyverifier.h"

namespace Varnel {

class Test_2012_3_9_tessel_2668_trial_wtp_equal_to
    : public MacroFamilyVerifier_T<Test_2012_3_9_tessel_2668_trial_wtp_equal_to> {
 public:
  static constexpr char kExperimentFileName[] = "2012_3_9_tessel_2668_trial_wtp_equal_to.vn4";
  // The line that locates this verifier's failure report.
  static constexpr int kEventsLine = 64;

  static const MacroFamilyExpectations& Expectations() {
    static const MacroFamilyExpectations expected = {
        {"The_equal_to_operator_works", EventNameRule::Sequence({"event 1"}), kEventsLine, kEventOneOnceMessage},
        {
            ExperimentWindow(800, 820),
            ExpansionWindow(0, 5000),
            ExperimentWindowOn(kHostNameA, 800, 870),
            ExperimentWindowOn(kHostNameB, 800, 920),
        }};
    return expected;
  }
};

}  // namespace Varnel

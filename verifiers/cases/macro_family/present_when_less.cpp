// When-to-present with the less-than operator: one trial qualifies, the one of event 1.
#include "site/hostnames.h"
#include "framework/macrofamilyverifier.h"

namespace Varnel {

class Test_2012_3_9_tessel_2668_trial_wtp_less_than
    : public MacroFamilyVerifier_T<Test_2012_3_9_tessel_2668_trial_wtp_less_than> {
 public:
  static constexpr char kExperimentFileName[] = "2012_3_9_tessel_2668_trial_wtp_less_than.vn4";
  // The line that locates this verifier's failure report.
  static constexpr int kEventsLine = 62;

  static const MacroFamilyExpectations& Expectations() {
    static const MacroFamilyExpectations expected = {
        {kOperatorWorksTestName, EventNameRule::Contains({"event 1"}, 1), kEventsLine, kEventOneOnceMessage},
        {
            ExperimentWindow(800, 840),
            ExpansionWindow(0, 3000),
            ExperimentWindowOn(kHostNameA, 800, 850),
        }};
    return expected;
  }
};

}  // namespace Varnel

// When-to-present with the less-or-equal operator: two trials qualify, event 1 among them.
#include "site/hostnames.h"
#include "framework/macrofamilyverifier.h"

namespace Varnel {

class Test_2012_3_9_tessel_2668_trial_wtp_less_than_equal
    : public MacroFamilyVerifier_T<Test_2012_3_9_tessel_2668_trial_wtp_less_than_equal> {
 public:
  static constexpr char kExperimentFileName[] = "2012_3_9_tessel_2668_trial_wtp_less_than_equal.vn4";
  // The line that locates this verifier's failure report.
  static constexpr int kEventsLine = 64;

  static const MacroFamilyExpectations& Expectations() {
    static const MacroFamilyExpectations expected = {
        {kOperatorWorksTestName, EventNameRule::Contains({"event 1"}, 2), kEventsLine, kEventOneOnceMessage},
        {
            ExperimentWindow(1600, 1650),
            ExpansionWindow(0, 5000),
            ExperimentWindowOn(kHostNameA, 1600, 1710),
            ExperimentWindowOn(kHostNameB, 1600, 1730),
        }};
    return expected;
  }
};

}  // namespace Varnel

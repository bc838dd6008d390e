// When-to-present with the greater-or-equal operator: three trials qualify, event 1 among them.
#include "site/hostnames.h"
#include "framework/macrofamilyverifier.h"

namespace Varnel {

class Test_2012_3_9_tessel_2668_trial_wtp_greater_equal_to
    : public MacroFamilyVerifier_T<Test_2012_3_9_tessel_2668_trial_wtp_greater_equal_to> {
 public:
  static constexpr char kExperimentFileName[] = "2012_3_9_tessel_2668_trial_wtp_greater_equal_to.vn4";
  // The line that locates this verifier's failure report.
  static constexpr int kEventsLine = 64;

  static const MacroFamilyExpectations& Expectations() {
    static const MacroFamilyExpectations expected = {
        {kOperatorWorksTestName, EventNameRule::Contains({"event 1"}, 3), kEventsLine, kEventOneOnceMessage},
        {
            ExperimentWindow(2400, 2560),
            ExpansionWindow(0, 5000),
            ExperimentWindowOn(kHostNameA, 2400, 2560),
            ExperimentWindowOn(kHostNameB, 2400, 2630),
        }};
    return expected;
  }
};

}  // namespace Varnel

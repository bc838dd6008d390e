// An if-macro whose condition is false: event 1 must be among the three rows; the others may be anything.
#include "site/hostnames.h"
#include "framework/macrofamilyverifier.h"

namespace Varnel {

class Test_2012_3_9_tessel_2668_macro_if_false_simple
    : public MacroFamilyVerifier_T<Test_2012_3_9_tessel_2668_macro_if_false_simple> {
 public:
  static constexpr char kExperimentFileName[] = "2012_3_9_tessel_2668_macro_if_false_simple.vn4";
  // The line that locates this verifier's failure report.
  static constexpr int kEventsLine = 64;

  static const MacroFamilyExpectations& Expectations() {
    static const MacroFamilyExpectations expected = {
        {kOperatorWorksTestName, EventNameRule::Contains({"event 1"}, 3), kEventsLine, kEventOneOnceMessage},
        {
            ExperimentWindow(2400, 2500),
            ExpansionWindow(0, 5000),
            ExperimentWindowOn(kHostNameA, 2400, 2560),
            ExperimentWindowOn(kHostNameB, 2400, 2700),
        }};
    return expected;
  }
};

}  // namespace Varnel

// Go to block (any): the block of event 1 sends the run to the block of event 3; the order is not tested.
#include "site/hostnames.h"
#include "framework/macrofamilyverifier.h"

namespace Varnel {

class Test_2012_3_9_tessel_2668_macro_goto_block_any
    : public MacroFamilyVerifier_T<Test_2012_3_9_tessel_2668_macro_goto_block_any> {
 public:
  static constexpr char kExperimentFileName[] = "2012_3_9_tessel_2668_macro_goto_block_any.vn4";
  // The line that locates this verifier's failure report.
  static constexpr int kEventsLine = 69;

  static const MacroFamilyExpectations& Expectations() {
    static const MacroFamilyExpectations expected = {
        {kGoToBlockAnyTestName, EventNameRule::Contains({"event 1", "event 3"}, 2), kEventsLine, kGoToBlockAnyMessage},
        {
            ExperimentWindow(1600, 1660),
            ExpansionWindow(0, 5000),
            ExperimentWindowOn(kHostNameA, 1600, 1700),
            ExperimentWindowOn(kHostNameB, 1600, 1800),
        }};
    return expected;
  }
};

}  // namespace Varnel

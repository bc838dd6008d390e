// Go to block (next): the block of event 1 goes on to the block of event 3. It reports under the
// name of the go-to-any experiment, and its run has no duration windows.
#include "framework/macrofamilyverifier.h"

namespace Varnel {

class Test_2012_3_9_tessel_2668_macro_goto_block_next
    : public MacroFamilyVerifier_T<Test_2012_3_9_tessel_2668_macro_goto_block_next> {
 public:
  static constexpr char kExperimentFileName[] = "2012_3_9_tessel_2668_macro_goto_block_next.vn4";
  // The line that locates this verifier's failure report.
  static constexpr int kEventsLine = 69;

  static const MacroFamilyExpectations& Expectations() {
    static const MacroFamilyExpectations expected = {
        {kGoToBlockAnyTestName, EventNameRule::Contains({"event 1", "event 3"}, 2), kEventsLine, kGoToBlockAnyMessage},
        DurationWindows{}};
    return expected;
  }
};

}  // namespace Varnel

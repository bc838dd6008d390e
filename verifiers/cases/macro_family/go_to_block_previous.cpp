// Go to block (previous) together with when-to-run settings: blocks 1 and 2 run twice, then block 2 once more.
#include "site/hostnames.h"
#include "framework/macrofamilyverifier.h"

namespace Varnel {

class Test_2012_3_9_tessel_2668_macro_goto_block_prev
    : public MacroFamilyVerifier_T<Test_2012_3_9_tessel_2668_macro_goto_block_prev> {
 public:
  static constexpr char kExperimentFileName[] = "2012_3_9_tessel_2668_macro_goto_block_prev.vn4";
  // The line that locates this verifier's failure report.
  static constexpr int kEventsLine = 80;

  static const MacroFamilyExpectations& Expectations() {
    static const MacroFamilyExpectations expected = {
        {"Go_to_block_previous_functions_as_expected",
         EventNameRule::Sequence({"event 1", "event 2", "event 1", "event 2", "event 2"}), kEventsLine,
         "We expected to see exactly five events, event 1, 2, 1, 2, 2 due to interactions between the when to run "
         "settings and macros."},
        {
            ExperimentWindow(7700, 7900),
            ExpansionWindow(0, 3000),
            ExperimentWindowOn(kHostNameA, 7600, 7900),
        }};
    return expected;
  }
};

}  // namespace Varnel

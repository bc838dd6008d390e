// The repeat-block macro runs the block of event 1 three times, and nothing else runs.
#include "framework/expectedtexts.h"
#include "site/hostnames.h"
#include "framework/macrofamilyverifier.h"

namespace Varnel {

class Test_2012_3_9_tessel_2668_macro_repeat_block
    : public MacroFamilyVerifier_T<Test_2012_3_9_tessel_2668_macro_repeat_block> {
 public:
  static constexpr char kExperimentFileName[] = "2012_3_9_tessel_2668_macro_repeat_block.vn4";
  // The line that locates this verifier's failure report.
  static constexpr int kEventsLine = 63;

  static const MacroFamilyExpectations& Expectations() {
    static const MacroFamilyExpectations expected = {
        {kRepeatBlockTestName, EventNameRule::Sequence(ExpectedTextsBuilder().Run("event 1", 3).Build()), kEventsLine,
         "We expected to see event 1 three times as that's what the macro is set up to do."},
        {
            ExperimentWindow(2400, 2500),
            ExpansionWindow(0, 5000),
            ExperimentWindowOn(kHostNameA, 2400, 2580),
            ExperimentWindowOn(kHostNameB, 2400, 2700),
        }};
    return expected;
  }
};

}  // namespace Varnel

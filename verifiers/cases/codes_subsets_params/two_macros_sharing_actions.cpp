// One event presented normally and two through block-level macros that share one action list.
#include "framework/macropresentedeventsverifier.h"

namespace Varnel {

class Test_2772_2_macro_1_reg : public MacroPresentedEventsVerifier_T<Test_2772_2_macro_1_reg> {
 public:
  static constexpr char kExperimentFileName[] = "2772_2_macro_1_reg.vn4";
  static constexpr char kCheckName[] =
      "Having_1_event_presented_normally_and_2_presented_via_block_Level_macro_functions_that_share_a_VNActionList";
};

}  // namespace Varnel

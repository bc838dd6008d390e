// One event presented normally, one through feedback and one through a block-level macro.
#include "framework/macropresentedeventsverifier.h"

namespace Varnel {

class Test_2772_1_macr_1_reg_1_feed : public MacroPresentedEventsVerifier_T<Test_2772_1_macr_1_reg_1_feed> {
 public:
  static constexpr char kExperimentFileName[] = "2772_1_macr_1_reg_1_feed.vn4";
  static constexpr char kCheckName[] =
      "Having_1_event_presented_normally_and_1_presented_via_feedback_and_block_Level_macro_functions";
};

}  // namespace Varnel

// One event presented normally, one through feedback and one through a block-level macro.
#include "verifiers/framework/macropresentedevents.h"

namespace Varnel {

class Test_2772_1_macr_1_reg_1_feed : public MacroPresentedEventsVerifier_T<Test_2772_1_macr_1_reg_1_feed> {
 public:
  static const wxString& ExperimentFileName() {
    static const wxString name = "2772_1_macr_1_reg_1_feed.vn4";
    return name;
  }
  Test_2772_1_macr_1_reg_1_feed()
      : MacroPresentedEventsVerifier_T(ExperimentFileName(),
                                       "Having_1_event_presented_normally_and_1_presented_via_feedback_and_block_"
                                       "Level_macro_functions") {}
};

DH_VERIFIER_INSTANCE(Test_2772_1_macr_1_reg_1_feed)

}  // namespace Varnel

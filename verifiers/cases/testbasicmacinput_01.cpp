// The input-settings experiment of the other desktop platform: its run leaves an empty data file.
#include "verifiers/framework/completiononlyverifier.h"

namespace Varnel {

class TestBasicMacInput_01 : public CompletionOnlyVerifier_T<TestBasicMacInput_01> {
 public:
  static const wxString& ExperimentFileName() {
    static const wxString name = "mac_input_settings_45_one.vn4";
    return name;
  }
  TestBasicMacInput_01() : CompletionOnlyVerifier_T(ExperimentFileName(), "mac_input_settings_45_one_completed") {}
};

DH_VERIFIER_INSTANCE(TestBasicMacInput_01)

}  // namespace Varnel

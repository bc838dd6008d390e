// The input-settings experiment of the other desktop platform: its run leaves an empty data file.
#include "framework/completiononlyverifier.h"

namespace Varnel {

class TestBasicMacInput_01 : public CompletionOnlyVerifier_T<TestBasicMacInput_01> {
 public:
  static constexpr char kExperimentFileName[] = "mac_input_settings_45_one.vn4";
  static constexpr char kCompletionTestName[] = "mac_input_settings_45_one_completed";
};

}  // namespace Varnel

// The basic single-key input experiment: its run leaves an empty data file.
#include "framework/completiononlyverifier.h"

namespace Varnel {

class TestBasicInput_02 : public CompletionOnlyVerifier_T<TestBasicInput_02> {
 public:
  static constexpr char kExperimentFileName[] = "basic_input_kestra_qd_singlekey_pst.vn4";
  static constexpr char kCompletionTestName[] = "basic_input_kestra_qd_singlekey_pst_completed";
};

}  // namespace Varnel

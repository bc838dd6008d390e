// The basic single-key input experiment: its run leaves an empty data file.
#include "verifiers/framework/completiononlyverifier.h"

namespace Varnel {

class TestBasicInput_02 : public CompletionOnlyVerifier_T<TestBasicInput_02> {
 public:
  static const wxString& ExperimentFileName() {
    static const wxString name = "basic_input_kestra_qd_singlekey_pst.vn4";
    return name;
  }
  TestBasicInput_02()
      : CompletionOnlyVerifier_T(ExperimentFileName(), "basic_input_kestra_qd_singlekey_pst_completed") {}
};

DH_VERIFIER_INSTANCE(TestBasicInput_02)

}  // namespace Varnel

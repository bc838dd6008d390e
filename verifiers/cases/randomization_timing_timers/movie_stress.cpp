// A long movie run on the lab's two machines: it only has to finish, and there within their time windows.
#include "site/hostnames.h"
#include "framework/individualtestcase.h"

namespace Varnel {

class TestMacMovieStress_2502 : public IndividualTestCase_T<TestMacMovieStress_2502, false> {
 public:
  static constexpr char kExperimentFileName[] = "MAC_new_movie_stress_test_case_2502.vn4";

  // Reaching the checks at all means the run completed; elsewhere than on the two machines nothing is timed.
  void RunChecks(VerificationContext) override {
    ReportPass("Mac_movie_stress_test_completed");
    CheckDurationWindows({
        ExperimentWindowOn(kHostNameA, 28000, 37000),
        ExperimentWindowOn(kHostNameB, 35000, 41500),
        ExpansionWindowOn(kHostNameA, 1000, 4500),
    });
  }
};

}  // namespace Varnel

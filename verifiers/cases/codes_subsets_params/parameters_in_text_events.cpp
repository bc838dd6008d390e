// Parameters shown inside text events: all trials of the three blocks must be presented.
#include "site/hostnames.h"
#include "framework/texteventparamsverifier.h"

namespace Varnel {

class Test_2013_01_params_in_text_events : public TextEventParamsVerifier_T<Test_2013_01_params_in_text_events> {
 public:
  static constexpr char kExperimentFileName[] = "1-30-13-TextEventParamTest.vn5";
  static constexpr bool kSubjectCarriesRowCount = true;

  static inline const DurationWindows kDurations = {
      ExperimentWindow(16300, 17000),
      ExpansionWindow(30, 60),
      ExperimentWindowOn(kBuildFarmHost, 16000, 19250),
      ExpansionWindowOn(kBuildFarmHost, 100, 125),
  };
};

}  // namespace Varnel

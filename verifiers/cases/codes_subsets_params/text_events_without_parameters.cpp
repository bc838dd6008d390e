// The text-event experiment without parameters: the same trials must be presented all the same.
#include "site/hostnames.h"
#include "framework/texteventparamsverifier.h"

namespace Varnel {

class Test_2013_01_params_in_text_events_no_params
    : public TextEventParamsVerifier_T<Test_2013_01_params_in_text_events_no_params> {
 public:
  static constexpr char kExperimentFileName[] = "1-30-13-TextEventParamTestNoParams.vn5";
  static constexpr bool kSubjectCarriesRowCount = false;

  static inline const DurationWindows kDurations = {
      ExperimentWindow(16300, 17000),
      ExpansionWindow(30, 70),
      ExperimentWindowOn(kBuildFarmHost, 16000, 19625),
      ExpansionWindowOn(kBuildFarmHost, 70, 125),
  };
};

}  // namespace Varnel

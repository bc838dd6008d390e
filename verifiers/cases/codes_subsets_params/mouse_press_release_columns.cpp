// Mouse columns saved by an experiment that asks for press and release but not for the pixel position.
#include "site/hostnames.h"
#include "framework/savedmousecolumnsverifier.h"

namespace Varnel {

class TestColumnsExcludedTessel3229 : public SavedMouseColumnsVerifier_T<TestColumnsExcludedTessel3229> {
 public:
  static constexpr char kExperimentFileName[] = "2014-05-12_save_col_mouse_press_rel_NOT_pixel.vn5";
  static constexpr char kCheckName[] = "Tessel_3229_exclude_pixel";
  static constexpr int kCheckLine = 58;

  static inline const DurationWindows kDurations = {
      ExperimentWindow(40, 80),
      ExperimentWindowOn(kHostNameA, 40, 200),
      ExperimentWindowOn(kHostNameB, 40, 350),
      ExpansionWindow(0, 5000),
  };
};

}  // namespace Varnel

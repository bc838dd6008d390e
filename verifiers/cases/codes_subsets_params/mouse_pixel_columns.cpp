// Mouse columns saved by an experiment that asks for the pixel position but not for press and release.
#include "site/hostnames.h"
#include "framework/savedmousecolumnsverifier.h"

namespace Varnel {

class TestColumnsSavedTessel3229 : public SavedMouseColumnsVerifier_T<TestColumnsSavedTessel3229> {
 public:
  static constexpr char kExperimentFileName[] = "2014-05-12_save_col_mouse_pixel_NOT_press_rel.vn5";
  static constexpr char kCheckName[] = "Tessel_3229_show_pixel";
  static constexpr int kCheckLine = 55;

  static inline const DurationWindows kDurations = {
      ExperimentWindow(40, 80),
      ExperimentWindowOn(kBuildFarmHost, 50, 100),
      ExpansionWindow(0, 1000),
  };
};

}  // namespace Varnel

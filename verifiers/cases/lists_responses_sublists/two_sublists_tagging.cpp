// Two stimulus sublists that keep their own tags: every row carries its item's colour and direction.
#include "framework/expectedtexts.h"
#include "site/hostnames.h"
#include "framework/wholecolumncomparison.h"

namespace Varnel {

class TwoSublistsTagging : public TestCaseWithFullColumnStringComp_T<TwoSublistsTagging> {
 public:
  static constexpr char kExperimentFileName[] = "two_sublists_tagging.vn5";

  void RunChecks(VerificationContext) override {
    static const ExpectedTexts colours = ExpectedTextsBuilder().Run("blue", 3).Run("red", 2).Run("blue", 4).Build();
    static const ExpectedTexts directions = ExpectedTextsBuilder().Run("down", 5).Run("up").Run("down", 3).Build();
    CompareWholeColumn("color", colours);
    CompareWholeColumn("direction", directions);

    CheckDurationWindows({
        ExperimentWindow(900, 5200),
        ExpansionWindow(0, 400),
        ExperimentWindowOn(kHostNameA, 900, 1100),
        ExpansionWindowOn(kHostNameA, 150, 250),
        ExperimentWindowOn(kHostNameB, 900, 11600),
    });
  }
};

}  // namespace Varnel

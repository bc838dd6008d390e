// Codes of trials shared between blocks, changed for the trials of the last two blocks during the run.
#include "framework/expectedtexts.h"
#include "site/hostnames.h"
#include "framework/wholecolumncomparison.h"

namespace Varnel {

namespace {

// Eight rows per block; in the first block the "for_b1" code shows only from the sixth row on.
const ExpectedTexts& ExpectedForB1() {
  static const ExpectedTexts laterBlock = ExpectedTextsBuilder().Run("red", 4).Run("").Run("red", 2).Run("").Build();
  static const ExpectedTexts texts =
      ExpectedTextsBuilder().Run("", 5).Run("red", 2).Run("").Sequence(laterBlock, 3).Build();
  return texts;
}

// Each block writes eight rows; from the third block on, the code changes after the block's second row.
const ExpectedTexts& ExpectedForB2() {
  static const ExpectedTexts unchanged = ExpectedTextsBuilder().Run("8765", 7).Run("").Build();
  static const ExpectedTexts changed = ExpectedTextsBuilder().Run("8765", 2).Run("0000", 5).Run("").Build();
  static const ExpectedTexts texts = ExpectedTextsBuilder().Sequence(unchanged, 2).Sequence(changed, 2).Build();
  return texts;
}

}  // namespace

class TestMutableCodesAllTrialsPlusSharing
    : public TestCaseWithFullColumnStringComp_T<TestMutableCodesAllTrialsPlusSharing> {
 public:
  static constexpr char kExperimentFileName[] = "trl_shared_in_blks_plus_change_code_for_TIB.vn4";

  void RunChecks(VerificationContext) override {
    CompareWholeColumn("for_b1", ExpectedForB1());
    CompareWholeColumn("for_b2", ExpectedForB2());

    CheckDurationWindows({
        ExperimentWindow(30, 300),
        ExperimentWindowOn(kBuildFarmHost, 30, 800),
        ExpansionWindow(0, 1000),
    });
  }
};

}  // namespace Varnel

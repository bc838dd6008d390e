// Codes changed while a block is left early through a trial subset: the second pass changes "trial_b" late.
#include "tabulon/columnnames.h"
#include "framework/expectedtexts.h"
#include "site/hostnames.h"
#include "framework/wholecolumncomparison.h"

namespace Varnel {

class TestRStepMutableCodes : public TestCaseWithFullColumnStringComp_T<TestRStepMutableCodes> {
 public:
  static constexpr char kExperimentFileName[] = "exit_block_using_subset_with_mutable_codes.vn4";

  const wxString& GetComparedColumnName() const override { return tabulon::EventNameColumnName(); }
  const ExpectedTexts& GetExpectedColumnTexts() const override {
    static const ExpectedTexts events =
        ExpectedTextsBuilder()
            .Sequence({"a (1, one)", "filler", "a (2, two)", "filler", "a (3, three)", "filler", "done"}, 2)
            .Build();
    return events;
  }

  void RunChecks(VerificationContext context) override {
    static const ExpectedTexts trialHey = ExpectedTextsBuilder().Run("a", 6).Run("").Run("a", 6).Run("").Build();
    static const ExpectedTexts trialB =
        ExpectedTextsBuilder().Run("c", 6).Run("").Run("c", 4).Run("d", 2).Run("").Build();

    TestCaseWithFullColumnStringComp_T::RunChecks(context);
    CompareWholeColumn("trial_hey", trialHey);
    CompareWholeColumn("trial_b", trialB);

    CheckDurationWindows({
        ExperimentWindow(3000, 3900),
        ExperimentWindowOn(kHostNameA, 3400, 3800),
        ExpansionWindow(40, 90),
        ExpansionWindowOn(kBuildFarmHost, 90, 155),
    });
  }
};

}  // namespace Varnel

// Macros of a version-4 experiment after import into version 5: the blocks, trials and events that ran.
#include "tabulon/columnnames.h"
#include "framework/expectedtexts.h"
#include "site/hostnames.h"
#include "framework/wholecolumncomparison.h"

namespace Varnel {

namespace {

const ExpectedTexts& ExpectedBlocks() {
  static const ExpectedTexts blocks =
      ExpectedTextsBuilder()
          .Run("v4 while-true. pre-block. blk runs TWICE", 8)
          .Run("v4 while-False. pre-block. blk runs TWICE", 8)
          .Run("v4 while-true. pre-Trial. does 6 trials in v4, but *five* in v5. v5 is CORRECT", 5)
          .Run("v4 IF-true. pre-Trial. does 2 trials in v4", 2)
          .Run("v4 IF-False. pre-Trial. does 2 trials in v4", 2)
          .Run("v4 while-true. post-block. blk runs TWICE", 8)
          .Run("v4 while-true. post-Trial. does 6 trials in v4", 6)
          .Run("v4 while-False. post-Trial. does 6 trials in v4", 6)
          .Run("block with three never-true macros. 4 trials in v4", 4)
          .Run("block with one post-trial macro")
          .Run("block with one post-trial macro. (copy)")
          .Run("b2. one post-trial macro: BREAKS in v5 due to *intentional* design/import choices")
          .Run("b2. one post-trial macro (copy)")
          .Run("block with single if-false macro. shows 2 trials in v4", 2)
          .Run("block with single if-true macro. shows 2 trials in v4", 2)
          .Run("repeated block", 11)
          .Build();
  return blocks;
}

const ExpectedTexts& ExpectedTrials() {
  static const ExpectedTexts fourTrials = {"size_four_list, 1", "size_four_list, 2", "size_four_list, 3",
                                           "size_four_list, 4"};
  static const ExpectedTexts trials =
      ExpectedTextsBuilder()
          .Sequence(fourTrials, 4)
          .Sequence({"size_four_list ~|||~ 1, 1", "size_four_list ~|||~ 1, 2", "size_four_list ~|||~ 1, 3",
                     "size_four_list ~|||~ 1, 4", "size_four_list ~|||~ 1, 1", "size_four_list ~|||~ 2, 1",
                     "size_four_list ~|||~ 2, 2", "size_four_list ~|||~ 3, 1", "size_four_list ~|||~ 3, 2"})
          .Sequence(fourTrials, 2)
          .Sequence({"size_four_list ~|||~ 4, 1", "size_four_list ~|||~ 4, 2", "size_four_list ~|||~ 4, 3",
                     "size_four_list ~|||~ 4, 4", "size_four_list ~|||~ 4, 1", "size_four_list ~|||~ 4, 2",
                     "size_four_list ~|||~ 5, 1", "size_four_list ~|||~ 5, 2", "size_four_list ~|||~ 5, 3",
                     "size_four_list ~|||~ 5, 4", "size_four_list ~|||~ 5, 1", "size_four_list ~|||~ 5, 2"})
          .Sequence({"size_four_list 2, 1", "size_four_list 2, 2", "size_four_list 2, 3", "size_four_list 2, 4"})
          .Run("size_four_list 3, 1", 2)
          .Run("size_four_list 4, 1", 2)
          .Sequence({"size_four_list 5, 1", "size_four_list 5, 2", "size_four_list 6, 1", "size_four_list 6, 2"})
          .Run("size_four_list 7, 1", 2)
          .Run("size_four_list 7, 2", 2)
          .Run("size_four_list 7, 3", 2)
          .Run("size_four_list 7, 4", 2)
          .Run("size_four_list 7, 1", 2)
          .Run("size_four_list 7, 2")
          .Build();
  return trials;
}

const ExpectedTexts& ExpectedEvents() {
  static const wxString a = "size_four_list (1, a)", b = "size_four_list (2, b)", c = "size_four_list (3, c)",
                        d = "size_four_list (4, d)", actions = "actions event";
  static const ExpectedTexts events =
      ExpectedTextsBuilder()
          .Sequence({a, b, c, d}, 5)
          .Run(a, 2)
          .Sequence({b, a, b})
          .Sequence({a, b, c, d}, 3)
          .Sequence({a, b})
          .Sequence({a, b, c, d})
          .Sequence({a, b})
          .Sequence({a, b, c, d})
          .Run(a, 5)
          .Sequence({b, a, b, a, actions, b, actions, c, actions, d, actions, a, actions, b})
          .Build();
  return events;
}

}  // namespace

class Test_v4_MacrosImportedTo_v5 : public TestCaseWithFullColumnStringComp_T<Test_v4_MacrosImportedTo_v5> {
 public:
  static constexpr char kExperimentFileName[] = "import_v4_macros.vn4";

  void RunChecks(VerificationContext) override {
    CompareWholeColumn(tabulon::BlockNameColumnName(), ExpectedBlocks());
    CompareWholeColumn(tabulon::TrialNameColumnName(), ExpectedTrials());
    CompareWholeColumn(tabulon::EventNameColumnName(), ExpectedEvents());

    CheckDurationWindows({
        ExperimentWindow(600, 2000),
        ExpansionWindow(200, 550),
        ExperimentWindowOn(kBuildFarmHost, 1000, 3325),
        ExpansionWindowOn(kBuildFarmHost, 200, 600),
    });
  }
};

}  // namespace Varnel

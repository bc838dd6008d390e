// Responses attached in every way a response step allows: the blocks run, and the second without sub-blocks.
#include "tabulon/columnnames.h"
#include "framework/expectedtexts.h"
#include "site/hostnames.h"
#include "framework/wholecolumncomparison.h"

namespace Varnel {

namespace {

const ExpectedTexts& ExpectedBlocks() {
  static const ExpectedTexts blocks =
      ExpectedTextsBuilder().Run("b1", 4).Run("b2 no subblocks (due to v4 rand settings)", 5).Build();
  return blocks;
}

}  // namespace

class TestWaysToAttachResponses : public TestCaseWithFullColumnStringComp_T<TestWaysToAttachResponses> {
 public:
  static constexpr char kExperimentFileName[] = "2015-06-01_ways_to_attach_responses_in_RStep.vn5";

  void RunChecks(VerificationContext) override {
    CompareWholeColumn(tabulon::BlockNameColumnName(), ExpectedBlocks());

    CheckDurationWindows({
        ExperimentWindow(180, 1100),
        ExperimentWindowOn(kHostNameA, 200, 250),
        ExpansionWindowOn(kHostNameA, 250, 350),
    });
  }
};

}  // namespace Varnel

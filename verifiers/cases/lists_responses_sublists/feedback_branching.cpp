// The three branch actions after feedback (go on, skip to the next trial, repeat the trial): the events that
// follow each, and the tag that stops the repeating.
#include "sdk/postprocessingfacade.h"
#include "tabulon/columnnames.h"
#include "framework/expectedtexts.h"
#include "site/hostnames.h"
#include "framework/wholecolumncomparison.h"

namespace Varnel {

namespace {

const ExpectedTexts& ExpectedEvents() {
  static const wxString feedback = "feedback event!", secondTrial = "OMG 2nd trial",
                        repeat = "hello - FB with REPEAT the trial. (then code to stop)";
  static const ExpectedTexts events = ExpectedTextsBuilder()
                                          .Sequence({"how are you - FB with ZERO branch action after", feedback})
                                          .Sequence({"won't you - FB with SKIP TO NEXT TRIAL", feedback})
                                          .Sequence({secondTrial, repeat, feedback})
                                          .Sequence({secondTrial, repeat})
                                          .Build();
  return events;
}

// The "init" tag as the host writes it: unset until the repeated trial's code sets it.
const ExpectedTexts& ExpectedInitTags() {
  static const ExpectedTexts tags = [] {
    const wxString neverSet = PostProcessingFacade::GetFormattedTagsDataCell("", "unset", true);
    return ExpectedTextsBuilder()
        .Run("", 4)
        .Run(neverSet)
        .Run(PostProcessingFacade::GetFormattedTagsDataCell("unset", "unset", true))
        .Run(neverSet, 2)
        .Run(PostProcessingFacade::GetFormattedTagsDataCell("set", "unset", true))
        .Build();
  }();
  return tags;
}

}  // namespace

class TestThreeFeedbackBranchingJumps : public TestCaseWithFullColumnStringComp_T<TestThreeFeedbackBranchingJumps> {
 public:
  static constexpr char kExperimentFileName[] = "all_feedback_branching.vn4";

  const ExpectedTexts& GetExpectedColumnTexts() const override { return ExpectedEvents(); }
  const wxString& GetComparedColumnName() const override { return tabulon::EventNameColumnName(); }

  void RunChecks(VerificationContext context) override {
    TestCaseWithFullColumnStringComp_T::RunChecks(context);
    CompareWholeColumn("init", ExpectedInitTags());

    CheckDurationWindows({
        ExperimentWindow(90, 400),
        ExperimentWindowOn(kHostNameA, 90, 350),
        ExperimentWindowOn(kHostNameB, 300, 600),
        ExpansionWindow(0, 5000),
    });
  }
};

}  // namespace Varnel

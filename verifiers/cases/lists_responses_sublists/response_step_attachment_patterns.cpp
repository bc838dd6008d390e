// Every pattern of attaching response steps and feedback: the events presented, and the trial and event codes
// that the responses set.
#include "sdk/postprocessingfacade.h"
#include "tabulon/columnnames.h"
#include "framework/expectedtexts.h"
#include "site/hostnames.h"
#include "framework/wholecolumncomparison.h"

namespace Varnel {

namespace {

const ExpectedTexts& ExpectedEvents() {
  static const ExpectedTexts events =
      ExpectedTextsBuilder()
          .Sequence({"E1", "E2", "E3", "E4", "E5", "E6", "E7", "E8", "E9", "E10"}, 2)
          .Sequence({"E6", "E7", "E8", "E9", "E10"}, 3)
          .Sequence({"E16", "E11-fb", "E17", "E12-fb", "E18", "E13-fb", "E19", "E14-fb", "E20", "E15-fb"})
          .Build();
  return events;
}

const ExpectedTexts& ExpectedTrialCodes() {
  static const ExpectedTexts codes = ExpectedTextsBuilder().Run("", 5).Run("a", 15).Run("", 25).Build();
  return codes;
}

// The event code as the host writes it into the tag column; from row 30 on the host formats the cell from the
// tag's earlier and current value.
const ExpectedTexts& ExpectedEventCodes() {
  static const ExpectedTexts codes = ExpectedTextsBuilder()
                                         .Run("", 19)
                                         .Run("b")
                                         .Run("", 4)
                                         .Run("b")
                                         .Run("", 4)
                                         .Run("b")
                                         .Run(PostProcessingFacade::GetFormattedTagsDataCell("", "b", true), 4)
                                         .Run(PostProcessingFacade::GetFormattedTagsDataCell("b", "b", true))
                                         .Run("", 10)
                                         .Build();
  return codes;
}

}  // namespace

class ExerciseForCase2781 : public TestCaseWithFullColumnStringComp_T<ExerciseForCase2781> {
 public:
  static constexpr char kExperimentFileName[] = "aiming_for_all_possible_rstep_attachment_patterns.vn4";

  const ExpectedTexts& GetExpectedColumnTexts() const override { return ExpectedEvents(); }
  const wxString& GetComparedColumnName() const override { return tabulon::EventNameColumnName(); }

  void RunChecks(VerificationContext context) override {
    TestCaseWithFullColumnStringComp_T::RunChecks(context);
    CompareWholeColumn("tcode1", ExpectedTrialCodes());
    CompareWholeColumn("ecode4", ExpectedEventCodes());

    CheckDurationWindows({
        ExperimentWindow(28000, 29700),
        ExperimentWindowOn(kHostNameA, 28100, 28300),
        ExpansionWindow(45, 90),
        ExpansionWindowOn(kBuildFarmHost, 100, 165),
    });
  }
};

}  // namespace Varnel

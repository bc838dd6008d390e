// List events that the experiment attaches as feedback: each list item presented where its feedback falls,
// and a trial whose name clashes with a list trial's.
#include "tabulon/columnnames.h"
#include "framework/expectedtexts.h"
#include "site/hostnames.h"
#include "framework/wholecolumncomparison.h"

namespace Varnel {

namespace {

const ExpectedTexts& ExpectedTrials() {
  static const ExpectedTexts trials =
      ExpectedTextsBuilder().Run("a", 2).Run("b, 1", 3).Run("b, 2", 3).Run("b, 3", 3).Run("c", 2).Run("b, 1").Build();
  return trials;
}

const ExpectedTexts& ExpectedEvents() {
  // Each trial of list b presents event 3 with its own item, then event 4, whose feedback is event 3 again and
  // always with the list's first item.
  static const ExpectedTexts events = ExpectedTextsBuilder()
                                          .Sequence({"1", "2 (1, 1a)"})
                                          .Sequence({"3 (1, 2a)", "4", "3 (1, 2a)"})
                                          .Sequence({"3 (2, 2b)", "4", "3 (1, 2a)"})
                                          .Sequence({"3 (3, 2c)", "4", "3 (1, 2a)"})
                                          .Sequence({"5", "6 (1, 3a)"})
                                          .Run("show trial that ends up in a NAME CLASH")
                                          .Build();
  return events;
}

}  // namespace

class ListExpansionAndFeedbacks01 : public TestCaseWithFullColumnStringComp_T<ListExpansionAndFeedbacks01> {
 public:
  static constexpr char kExperimentFileName[] = "2012-12-06_stimlist_events_oddly_attached_as_feedbacks.vn4";

  void RunChecks(VerificationContext) override {
    CompareWholeColumn(tabulon::TrialNameColumnName(), ExpectedTrials());
    CompareWholeColumn(tabulon::EventNameColumnName(), ExpectedEvents());

    CheckDurationWindows({
        ExperimentWindow(420, 520),
        ExperimentWindowOn(kBuildFarmHost, 300, 650),
        ExpansionWindow(35, 70),
        ExpansionWindowOn(kBuildFarmHost, 40, 80),
    });
  }
};

}  // namespace Varnel

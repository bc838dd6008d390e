// The trial-subset option that presents up to N trials, in a block before one that presents only the last N.
#include "tabulon/columnnames.h"
#include "framework/expectedtexts.h"
#include "site/hostnames.h"
#include "framework/redbluepattern.h"

namespace Varnel {

namespace {

// The second block names its events with the suffix 1; its colour code stays "red" or "blue".
const ExpectedTexts& ExpectedEvents() {
  static const ExpectedTexts events = ExpectedTextsBuilder()
                                          .Sequence(RedBluePattern({"a0 macro"}))
                                          .Sequence(RedBluePattern({"a1 macro"}, "red1", "blue1"))
                                          .Build();
  return events;
}

// The macro's rows carry no colour.
const ExpectedTexts& ExpectedColours() {
  static const ExpectedTexts colours = ExpectedTextsBuilder().Sequence(RedBluePattern({""}), 2).Build();
  return colours;
}

}  // namespace

class TestTrialSubsetUpToN : public TestCaseWithFullColumnStringComp_T<TestTrialSubsetUpToN> {
 public:
  static constexpr char kExperimentFileName[] = "trial_subset_only_the_last_N_versus_up_to_N.vn4";

  void RunChecks(VerificationContext) override {
    CompareWholeColumn(tabulon::EventNameColumnName(), ExpectedEvents());
    CompareWholeColumn("red_blue", ExpectedColours());

    CheckDurationWindows({
        ExperimentWindow(200, 1000),
        ExpansionWindow(0, 1000),
        ExperimentWindowOn(kBuildFarmHost, 2000, 2500),
    });
  }
};

}  // namespace Varnel

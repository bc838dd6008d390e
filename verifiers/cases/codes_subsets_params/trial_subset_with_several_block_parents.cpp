// Up-to-N trial subsets on blocks with several parents and imported macros: both macros run at each place.
#include "tabulon/columnnames.h"
#include "framework/expectedtexts.h"
#include "site/hostnames.h"
#include "framework/redbluepattern.h"

namespace Varnel {

namespace {

const ExpectedTexts& ExpectedEvents() {
  static const ExpectedTexts events =
      ExpectedTextsBuilder().Sequence(RedBluePattern({"a0 macro", "a1 macro"}), 2).Build();
  return events;
}

// The macros' rows carry no colour.
const ExpectedTexts& ExpectedColours() {
  static const ExpectedTexts colours = ExpectedTextsBuilder().Sequence(RedBluePattern({"", ""}), 2).Build();
  return colours;
}

}  // namespace

class TrialSubsetUpToNMultipleBlockParents
    : public TestCaseWithFullColumnStringComp_T<TrialSubsetUpToNMultipleBlockParents> {
 public:
  static constexpr char kExperimentFileName[] = "trial_subset_multiple_block_macro_import.vn4";

  void RunChecks(VerificationContext) override {
    CompareWholeColumn(tabulon::EventNameColumnName(), ExpectedEvents());
    CompareWholeColumn("red_blue", ExpectedColours());

    CheckDurationWindows({
        ExperimentWindow(880, 2000),
        ExpansionWindow(0, 5000),
        ExperimentWindowOn(kBuildFarmHost, 900, 2200),
    });
  }
};

}  // namespace Varnel

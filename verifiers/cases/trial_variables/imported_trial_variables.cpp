// Trial variables of a version-4 experiment imported into version 5: fixed timeouts, a colour drawn without
// replacement that resets only at the block boundary, and positions drawn with replacement from a group seed.
#include "tabulon/muinterfacemultiexperimentdatasource.h"
#include "tabulon/columnnames.h"
#include "framework/expectedtexts.h"
#include "site/hostnames.h"
#include "framework/triallevelchecks.h"
#include "framework/wholecolumncomparison.h"
#include <algorithm>

namespace Varnel {

namespace {

const ExpectedTexts& ExpectedEvents() {
  static const ExpectedTexts events =
      ExpectedTextsBuilder()
          .Sequence({"1", "2", "1", "1", "2"})
          .Sequence({"color 1", "color 2", "color 3", "color 4", "color 5"}, 2)
          .Sequence({"position 1", "position 2", "position 3", "position 3", "position 4", "position 5", "position 1",
                     "position 2", "position 5"})
          .Build();
  return events;
}

// The colour trials have no timeout.
const ExpectedTexts& ExpectedTimeouts() {
  static const ExpectedTexts timeouts = ExpectedTextsBuilder()
                                            .Sequence({"30", "40", "50", "60", "30"})
                                            .Run("", 10)
                                            .Sequence({"40", "50", "60", "30"}, 2)
                                            .Run("40")
                                            .Build();
  return timeouts;
}

// Two colours drawn without replacement in two blocks of five trials: each pair of draws alternates, and only
// the block boundary may break the alternation, so exactly these four sequences can occur.
const std::vector<wxString>& AcceptedColourSequences() {
  static const std::vector<wxString> sequences = {
      "green|red|green|red|green|green|red|green|red|green|", "green|red|green|red|green|red|green|red|green|red|",
      "red|green|red|green|red|green|red|green|red|green|", "red|green|red|green|red|red|green|red|green|red|"};
  return sequences;
}

}  // namespace

class TestImportV4VarsIntoVN5 : public TestCaseWithFullColumnStringComp_T<TestImportV4VarsIntoVN5> {
 public:
  static constexpr char kExperimentFileName[] = "2013-10-21_import_v4_trial_vars.vn4";
  // The lines that locate this verifier's failures, one per reporting site.
  static constexpr int kColoursResetAtBlocksLine = 193;
  static constexpr int kPositionsRepeatLine = 225;

  void RunChecks(VerificationContext) override {
    CompareWholeColumn(tabulon::EventNameColumnName(), ExpectedEvents());
    CompareWholeColumn("timeout\n(Trial Variable)", ExpectedTimeouts());
    CheckColoursWithoutReplacement();
    CheckPositionsFromGroupSeed();

    CheckDurationWindows({
        ExperimentWindow(710, 1200),
        ExperimentWindowOn(kHostNameB, 1300, 1700),
        ExperimentWindowOn(kHostNameA, 700, 1400),
        ExpansionWindow(0, 5000),
    });
  }

 private:
  // Rows 5 to 14 are the ten colour trials.
  void CheckColoursWithoutReplacement() {
    const std::vector<wxString>& accepted = AcceptedColourSequences();
    const wxString colours =
        JoinCellsEachFollowedBy(*reader, reader->GetColumnIndex("color_var\n(Trial Variable)"), 5, 14, "|");
    ReportOutcome(std::find(accepted.begin(), accepted.end(), colours) != accepted.end(),
                  "Random_choice_of_two_items_ONLY_RESETS_at_BLOCK_boundary",
                  "bad behavior of trial variable for colors with selection rand no repl", kColoursResetAtBlocksLine,
                  "the comments in the function VerifyVariableThatUsedRandom_NO_Replacement explain what SHOULD "
                  "happen every time")
        .Otherwise([&] {
          return "rows 5 to 14 hold {" + colours + "}; accepted are " +
                 wxString::Format("%d sequences such as {", static_cast<int>(accepted.size())) +
                 (accepted.empty() ? wxString() : accepted.front()) + "}";
        });
  }

  // Rows 15 to 23 are the nine position trials; the group seed fixes their sequence.
  void CheckPositionsFromGroupSeed() {
    const wxString positions =
        JoinCellsEachFollowedBy(*reader, reader->GetColumnIndex("location\n(Trial Variable)"), 15, 23, "|");
    ReportOutcome(positions == "3|4|3|3|1|3|4|1|5|", "Random_choice_of_five_items_ALLOWS_REPEATS_group_seed",
                  "bad behavior of trial variable for positions with selection rand with repl group seed",
                  kPositionsRepeatLine,
                  "the group seed should guarantee the same sequence... this test never has a reason to fail")
        .Otherwise([&] { return "rows 15 to 23 hold {" + positions + "}, expected {3|4|3|3|1|3|4|1|5|}"; });
  }
};

}  // namespace Varnel

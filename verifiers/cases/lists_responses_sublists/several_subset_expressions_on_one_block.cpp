// A block whose trials are drawn by several subset expressions, with coin-flip events that set a code at
// random and carry it on to the trial.
#include "tabulon/columnnames.h"
#include "site/hostnames.h"
#include "framework/individualtestcase.h"
#include "framework/randomselectionrules.h"
#include "framework/sequencefindings.h"
#include "tabulon/muinterfacemultiexperimentdatasource.h"

namespace Varnel {

namespace {

constexpr int kRowsPerRun = 83;
// The coin flip comes round every seven rows, eleven times in a run.
constexpr int kCoinFlipStride = 7;
constexpr int kCoinFlipVisits = 11;

// The two coin-flip events and the code each sets.
struct CoinFlip {
  wxString event;
  wxString code;
};

const std::vector<CoinFlip>& CoinFlips() {
  static const std::vector<CoinFlip> flips = {{"coinflips (1, coinflip)", "1"}, {"coinflips (2, coinflip)", "2"}};
  return flips;
}

}  // namespace

class TestMultipleSubsetExpressionsOnOneBlock
    : public IndividualTestCase_T<TestMultipleSubsetExpressionsOnOneBlock, false> {
 public:
  static constexpr char kExperimentFileName[] = "2012-12-20_test_reset_the_subset.vn5";
  // The lines that locate this verifier's failures, one per reporting site.
  static constexpr int kRowCountLine = 39;
  static constexpr int kNoConsecutiveCoinFlipsLine = 91;
  static constexpr int kRightAndLeftLine = 133;
  static constexpr int kCodesPropagateLine = 250;

  void RunChecks(VerificationContext) override {
    if (reader->GetRowCount() != kRowsPerRun) {
      ReportFailure("Improper_Row_Count", "found either too many or too few data rows", kRowCountLine,
                    "by the design of this experiment, we should always have the same exact number of data rows "
                    "for every run")
          << wxString::Format("found %d data rows, expected %d", reader->GetRowCount(), kRowsPerRun);
    }
    const int repeatedCoinFlip = FirstConsecutiveRepeatOf(ColumnTexts(tabulon::BlockNameColumnName()), "coinflips");
    ReportOutcome(repeatedCoinFlip < 0, "Never_Two_Consecutive_Coinflips", "extra coinflip row",
                  kNoConsecutiveCoinFlipsLine,
                  "we should never see two consecutive rows that both are from block coinflips")
        .Otherwise([&] {
          return wxString::Format("rows %d and %d are both from the block {coinflips}", repeatedCoinFlip - 1,
                                  repeatedCoinFlip);
        });
    const wxString permissibleRareFailure = " -- this OCCASIONALLY FAILS PERMISSIBLY. ALLOW THIS TO HAPPEN RARELY";
    static const std::vector<wxString> cueTrials = {"cues left", "cues right"};
    const TextColumn trials = ColumnTexts(tabulon::TrialNameColumnName());
    ReportOutcome(ContainsEveryText(trials, cueTrials), "Variety_of_Right_and_Left",
                  "did not see both left and right" + permissibleRareFailure, kRightAndLeftLine,
                  "after randomizing 12 items we normally want to see at least one go left and at least one go "
                  "right" +
                      permissibleRareFailure)
        .Otherwise([&] { return "rows counted by trial name: " + LevelCounts(trials, cueTrials); });
    const wxString propagationProblem = CodePropagationProblem();
    ReportOutcome(propagationProblem.empty(), "Random_codes_that_propagate_from_evt_to_trl",
                  "something is wrong with values for tags in columns coinflips_event and coinflips_trial",
                  kCodesPropagateLine,
                  "refer to the function CheckExpectedCodeValueOutcome in TestMultipleSubsetExpressionsOnOneBlock "
                  "for details about expected behavior here")
        << propagationProblem;

    CheckDurationWindows({
        ExperimentWindow(83, 380),
        ExperimentWindowOn(kBuildFarmHost, 83, 725),
        ExpansionWindow(30, 70),
        ExpansionWindowOn(kBuildFarmHost, 70, 200),
    });
  }

 private:
  // Every coin flip writes its code into the event's tag; the trial's tag shows the code only from the second
  // time that flip comes up, since the trial takes it over after the event. A run without any coin-flip row
  // cannot show this and fails. Tells what breaks the rule, for the failure's diagnostics; empty when it holds.
  wxString CodePropagationProblem() const {
    const int events = reader->GetColumnIndex(tabulon::EventNameColumnName());
    const int eventTags = reader->GetColumnIndex("coinflips_event");
    const int trialTags = reader->GetColumnIndex("coinflips_trial");
    const int rows = reader->GetRowCount();
    int first = 0;
    while (first < rows && !reader->GetCellText(first, events).StartsWith("coinflips")) ++first;
    if (first == rows) return "no coin-flip row";

    std::vector<bool> seen(CoinFlips().size(), false);
    for (int visit = 0; visit < kCoinFlipVisits; ++visit) {
      const int row = first + visit * kCoinFlipStride;
      const wxString event = reader->GetCellText(row, events);
      size_t flip = 0;
      while (flip < CoinFlips().size() && CoinFlips()[flip].event != event) ++flip;
      if (flip == CoinFlips().size()) return wxString::Format("row %d holds {%s}, not a coin flip", row, event);
      const wxString& code = CoinFlips()[flip].code;
      const wxString expectedTrialTag = seen[flip] ? code : wxString();
      const wxString eventTag = reader->GetCellText(row, eventTags);
      const wxString trialTag = reader->GetCellText(row, trialTags);
      if (eventTag != code || trialTag != expectedTrialTag) {
        return wxString::Format("row %d {%s}: event tag {%s}, trial tag {%s}; expected {%s} and {%s}", row, event,
                                eventTag, trialTag, code, expectedTrialTag);
      }
      seen[flip] = true;
    }
    return wxString();
  }
};

}  // namespace Varnel

// Self-paced and rapid serial presentation events driven by three trial variables: every segment in its
// place, every level used four times, and the combinations of levels shuffled.
#include "tabulon/muinterfacemultiexperimentdatasource.h"
#include "tabulon/columnnames.h"
#include "framework/expectedtexts.h"
#include "site/hostnames.h"
#include "framework/individualtestcase.h"
#include "framework/sequencefindings.h"
#include "framework/triallevelchecks.h"

namespace Varnel {

namespace {

const wxString kPositionColumn = "position\n(Trial Variable)";
const wxString kColourColumn = "color!\n(Trial Variable)";
const wxString kTimeLimitColumn = "time limits!\n(Trial Variable)";

// Each trial variable with the levels that must each be used four times.
struct VariableLevels {
  wxString column;
  std::vector<wxString> levels;
};

const std::vector<VariableLevels>& LevelsOfEachVariable() {
  static const std::vector<VariableLevels> variables = {
      {kPositionColumn, {"left", "right", "top"}},
      {kColourColumn, {"r", "g", "b"}},
      {kTimeLimitColumn, {"500", "1000", "1500"}},
  };
  return variables;
}

const std::vector<wxString>& ExpectedSegments() {
  static const std::vector<wxString> segments =
      ExpectedTextsBuilder()
          .Sequence({"[SubEvent 1] SPR", "[SubEvent 2] SPR", "[SubEvent 1] RSVP", "[SubEvent 2] RSVP"}, 3)
          .Build();
  return segments;
}

// The position|colour|time-limit combinations in the order the experiment lists them.
const std::vector<wxString>& SortedCombinations() {
  static const std::vector<wxString> combinations =
      ExpectedTextsBuilder()
          .Sequence({"left|r|1500", "left|r|1500", "right|g|1000", "right|g|1000", "top|b|500", "top|b|500"}, 2)
          .Build();
  return combinations;
}

}  // namespace

class Test_10_11_13_all_tvars_spr_rsvp : public IndividualTestCase_T<Test_10_11_13_all_tvars_spr_rsvp, false> {
 public:
  static constexpr char kExperimentFileName[] = "10_11_13_all_tvars_spr_rsvp.vn5";
  // The lines that locate this verifier's failures, one per reporting site.
  static constexpr int kSegmentsAndLevelsLine = 127;
  static constexpr int kCombinationsShuffledLine = 172;

  void RunChecks(VerificationContext) override {
    ReportOutcome(SegmentsInOrder() && EveryLevelUsedFourTimes(),
                  "Having_an_SPR_and an_RSVP_event_present_every_segment_and_use_every_trial_level",
                  "Something bad happened instead.", kSegmentsAndLevelsLine,
                  "We expected to see every segment six times in a specific order and every trial level four "
                  "times.")
        .Otherwise([this] { return SegmentsAndLevelsFindings(); });
    CheckCombinationsShuffled();

    CheckDurationWindows({
        ExperimentWindow(12000, 12600),
        ExpansionWindow(0, 5000),
        ExperimentWindowOn(kHostNameA, 12000, 12400),
        ExperimentWindowOn(kHostNameB, 12000, 13000),
    });
  }

 private:
  // The first twelve rows; rows missing from a short file read "?" and so do not match.
  bool SegmentsInOrder() const {
    const int eventColumn = reader->GetColumnIndex(tabulon::EventNameColumnName());
    const std::vector<wxString>& segments = ExpectedSegments();
    for (size_t row = 0; row < segments.size(); ++row) {
      if (reader->GetCellText(static_cast<int>(row), eventColumn) != segments[row]) return false;
    }
    return true;
  }

  bool EveryLevelUsedFourTimes() const {
    for (const VariableLevels& variable : LevelsOfEachVariable()) {
      if (!EachLevelOccursExactly(ColumnTexts(variable.column), variable.levels, 4)) return false;
    }
    return true;
  }

  // Whether the segments came in order, then the levels counted in each variable's column.
  std::vector<wxString> SegmentsAndLevelsFindings() const {
    std::vector<wxString> findings = {SegmentsInOrder() ? "the segments are in order"
                                                        : "the segments are not in the expected order"};
    for (const VariableLevels& variable : LevelsOfEachVariable()) {
      findings.push_back(variable.column + " levels counted (4 each expected): " +
                         LevelCounts(ColumnTexts(variable.column), variable.levels));
    }
    return findings;
  }

  void CheckCombinationsShuffled() {
    const std::vector<int> columns = {reader->GetColumnIndex(kPositionColumn), reader->GetColumnIndex(kColourColumn),
                                      reader->GetColumnIndex(kTimeLimitColumn)};
    // Only the rows the sorted order has are compared.
    const std::vector<wxString> combinations = JoinColumnsPerRow(*reader, columns, "|", SortedCombinations().size());
    ReportOutcome(DiffersFromSortedOrder(combinations, SortedCombinations()),
                  "SPR_and_RSVP_detect_that_randomization_happened_OK_to_FAIL_RARELY", kSortedInsteadOfShuffledSubject,
                  kCombinationsShuffledLine, kSortedInsteadOfShuffledMessage)
        << "the position, colour and time-limit combinations came in sorted order";
  }
};

}  // namespace Varnel

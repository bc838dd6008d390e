// Number-memory test: ten trials draw the ten location levels at random, each visible location exactly once.
#include "framework/expectedtexts.h"
#include "site/hostnames.h"
#include "framework/sequencefindings.h"
#include "framework/triallevelchecks.h"
#include "framework/wholecolumncomparison.h"

namespace Varnel {

namespace {

// The variable's levels in the order the experiment lists them: a run that kept this order was not shuffled.
const std::vector<wxString>& SortedLocationLevels() {
  static const std::vector<wxString> levels = {"01 - Left Left",   "02 - Left",   "03 - Middle", "04 - Right",
                                               "05 - Right Right", "Invisible01", "Invisible02", "Invisible03",
                                               "Invisible04",      "Invisible05"};
  return levels;
}

const std::vector<wxString>& VisibleLocationLevels() {
  static const std::vector<wxString> levels(SortedLocationLevels().begin(), SortedLocationLevels().begin() + 5);
  return levels;
}

}  // namespace

class TestTrialVariableLevelsCase_1618 : public TestCaseWithFullColumnStringComp_T<TestTrialVariableLevelsCase_1618> {
 public:
  static constexpr char kExperimentFileName[] = "2011-08-11_tessel_1618_NumberMemorytest.vn4";
  // The lines that locate this verifier's failures, one per reporting site.
  static constexpr int kLevelsLine = 109;
  static constexpr int kLevelsRandomizedLine = 125;

  void RunChecks(VerificationContext) override {
    static const ExpectedTexts nothingPresented = ExpectedTextsBuilder().Run("", 10).Build();
    CompareWholeColumn("Presented", nothingPresented);

    const TextColumn locations = ColumnTexts("Random Number Locations\n(Trial Variable)");
    CheckEachVisibleLocationOnce(locations);
    CheckLocationsShuffled(locations);

    CheckDurationWindows({
        ExperimentWindow(1000, 1350),
        ExpansionWindow(0, 3000),
        ExperimentWindowOn(kHostNameA, 1000, 1050),
    });
  }

 private:
  void CheckEachVisibleLocationOnce(const TextColumn& locations) {
    ReportOutcome(EachLevelOccursExactly(locations, VisibleLocationLevels(), 1), "Trial_levels_in_column_6",
                  "We didn't find exactly one occurrence of each of the five levels.", kLevelsLine,
                  "There should have been a left-left, a left, a middle, a right, and a right-right.              "
                  "     Exactly one of each.")
        .Otherwise([&] { return "levels counted: " + LevelCounts(locations, VisibleLocationLevels()); });
  }

  void CheckLocationsShuffled(const TextColumn& locations) {
    ReportOutcome(DiffersFromSortedOrder(locations, SortedLocationLevels()), "Trial_levels_in_column_6_randomized",
                  kSortedInsteadOfShuffledSubject, kLevelsRandomizedLine, kSortedInsteadOfShuffledMessage)
        .Otherwise([&] { return "the locations came in sorted order:" + CellsShown(locations); });
  }
};

}  // namespace Varnel

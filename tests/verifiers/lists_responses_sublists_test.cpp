// Rules of the stimulus-list, response and sublist verifiers that no single faulty file shows: how trial and
// event names are taken apart, the letter ladder of unpaired lists, and small data files through the plug-in.
#include "tests/support/goldenvariant.h"
#include "verifiers/framework/listitemsuffixes.h"
#include <gtest/gtest.h>

namespace {

using namespace testsupport;
using Entries = std::vector<std::string>;

const char kLists[] = "2013-09-27_list_access_pair_unpair_cross.vn5";
const char kSubsets[] = "2012-12-20_test_reset_the_subset.vn5";

TEST(ListItemNames, TrialNamesEndAtTheFirstCommaAndEventsWithoutItemHaveNoSuffix) {
  EXPECT_EQ(Varnel::BaseTrialName("a, b, c"), "a");
  EXPECT_EQ(Varnel::BaseTrialName(", starts with a comma"), "");
  EXPECT_EQ(Varnel::BaseTrialName("no comma at all"), "");
  EXPECT_EQ(Varnel::ListItemSuffix("x (1, (1) cab)"), "(1, (1) cab)");
  EXPECT_EQ(Varnel::ListItemSuffix("abc without item"), "");
}

// Five letters stretched to seven: all five in order, exactly two repeats, and never past E.
TEST(LetterLadder, AllFiveInOrderWithExactlyTwoRepeats) {
  const struct {
    const char* letters;
    bool complete;
  } cases[] = {{"AABCCDE", true}, {"ABCDEEE", true},   {"ABDDEEE", false}, {"AAAABCD", false},
               {"ABCDE", false},  {"AABCDEEE", false}, {"ABCDEEA", false}};
  for (const auto& c : cases) {
    std::vector<wxString> suffixes;
    for (const char* l = c.letters; *l != '\0'; ++l) suffixes.push_back(wxString::Format("(%d, %c)", *l - 'A' + 1, *l));
    EXPECT_EQ(Varnel::IsCompleteWithTwoRepeats(Varnel::WalkLetterLadder(suffixes)), c.complete) << c.letters;
  }
}

// Rows of one trial that the host runs apart still form one trial.
TEST(ListsThroughThePlugin, TrialRowsNeedNotBeAdjacent) {
  const DataTable table{{"Trial\nName", "Event\nName"},
                        {{"9. empty list PAIRED with numbers3, 1", "n (1, one)"},
                         {"10. empty list UNPAIRED with numbers3, 1", "n (1, one)"},
                         {"9. empty list PAIRED with numbers3, 2", "n (2, two)"},
                         {"9. empty list PAIRED with numbers3, 3", "n (3, three)"}}};
  EXPECT_EQ(Verdicts(RunTables(kLists, {table}), {"INITIAL_PARSING", "TRIAL_09", "TRIAL_10"}),
            (Entries{"pass INITIAL_PARSING_OF_DATAFILE_TRIALS_COLUMN", "pass TRIAL_09_ALWAYS_SAME",
                     "FAIL TRIAL_10_ALWAYS_SAME"}));
}

// Coin flips every seven rows: a visit the pattern puts beyond the last row reads "?" and fails; the row count
// fails too, and the other checks still report.
TEST(ListsThroughThePlugin, CoinFlipVisitsBeyondTheLastRowFail) {
  DataTable table{{"Block\nName", "Trial\nName", "Event\nName", "coinflips_event", "coinflips_trial"}, {}};
  for (int flip = 0; flip < 10; ++flip) {
    table.rows.push_back({"coinflips", "coinflip", "coinflips (1, coinflip)", "1", flip == 0 ? "" : "1"});
    for (int cue = 0; cue < 6; ++cue) {
      table.rows.push_back({"cues", cue % 2 ? "cues left" : "cues right", "cue", "", "1"});
    }
  }
  DataTable elevenFlips = table;
  elevenFlips.rows.push_back({"coinflips", "coinflip", "coinflips (1, coinflip)", "1", "1"});
  const Entries checks = {"Improper_Row_Count", "Never_Two", "Variety", "Random_codes"};
  EXPECT_EQ(Verdicts(RunTables(kSubsets, {table}), checks),
            (Entries{"FAIL Improper_Row_Count", "pass Never_Two_Consecutive_Coinflips",
                     "pass Variety_of_Right_and_Left", "FAIL Random_codes_that_propagate_from_evt_to_trl"}));
  EXPECT_EQ(Verdicts(RunTables(kSubsets, {elevenFlips}), {"Random_codes"}),
            Entries{"pass Random_codes_that_propagate_from_evt_to_trl"});
}

}  // namespace

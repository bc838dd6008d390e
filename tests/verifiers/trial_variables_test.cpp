// Rules of the trial-variable, level and expression verifiers that no single faulty file shows: bounds of the coin
// flips, the accepted colour sequences, level-following, shuffle checks over extra rows and missing columns.
#include "tests/support/goldenvariant.h"
#include <gtest/gtest.h>
#include <iterator>
#include <sstream>

namespace {

using namespace testsupport;
using Entries = std::vector<std::string>;

const char kLevels1618[] = "2011-08-11_tessel_1618_NumberMemorytest.vn4";
const char kExpressions[] = "2013-11-15_trial_level_expressions.vn5";
const char kCoinFlips[] = "2011-11-1_tessel_2552_Randomization.vn4";
const char kRandomColour[] = "2012-4-25_random_color_trial_level_test.vn4";
const char kSprRsvp[] = "10_11_13_all_tvars_spr_rsvp.vn5";
const char kImportV4[] = "2013-10-21_import_v4_trial_vars.vn4";
const std::string kLocations = "Random Number Locations\n(Trial Variable)";

Entries Words(const std::string& text) {
  std::istringstream in(text);
  return Entries(std::istream_iterator<std::string>(in), std::istream_iterator<std::string>());
}

std::string Verdict(bool passes, const std::string& check) { return (passes ? "pass " : "FAIL ") + check; }

// The proportion is a single-precision quotient compared with exclusive bounds in double precision: 43 and 57 of
// 100 lie just inside. The test's name carries the percentage.
TEST(TrialVariables, CoinFlipProportionsJustInsideTheBoundsPass) {
  for (int blue : {50, 43, 57}) {
    DataTable table{{"Font Color\n(Trial Variable)", "Cumulative\nTime", "Expansion Time(ms): 400"}, {}};
    for (int i = 0; i < 100; ++i) table.rows.push_back({i < blue ? "Blue" : "Red", std::to_string(i + 1), ""});
    EXPECT_EQ(Verdicts(RunTables(kCoinFlips, {table}), {"Experiment_is_a_bunch"}),
              Entries{"pass Experiment_is_a_bunch_of_coinflips_as_expected_and_percent_was_" + std::to_string(blue)});
  }
}

// Four sequences only; names are exact and each is followed by "|" in the joined text.
TEST(TrialVariables, TwoColoursWithoutReplacementResetOnlyAtTheBlockBoundary) {
  const std::string check = "Random_choice_of_two_items_ONLY_RESETS_at_BLOCK_boundary";
  const struct {
    const char* colours;  // rows 5 to 14
    bool passes;
  } cases[] = {
      {"green red green red green green red green red green", true},
      {"green red green red green red green red green red", true},
      {"red green red green red green red green red green", true},
      {"red green red green red red green red green red", true},
      {"red red green green red red green green red green", false},
      {"red green red green red red green red green red|", false},
  };
  for (const auto& c : cases) {
    DataTable table = DataTable::Golden(kImportV4);
    const Entries colours = Words(c.colours);
    for (size_t i = 0; i < colours.size(); ++i) {
      table.Cell(5 + static_cast<int>(i), "color_var\n(Trial Variable)") = colours[i];
    }
    EXPECT_EQ(Verdicts(RunTables(kImportV4, {table}), {check}), Entries{Verdict(c.passes, check)}) << c.colours;
  }
}

// Row 32 carries the no-replacement variable's level; row 33 is the event the rule presented for it.
TEST(TrialVariables, ExpressionsFollowTheLevelThatWasSelected) {
  const std::string check = "TestExpressionResultsUsingNoRepl";
  const struct {
    const char *level, *event;
    bool passes;
  } cases[] = {{"one", "one", true}, {"two", "two", true}, {"two", "one", false}, {"one", "two", false}};
  for (const auto& c : cases) {
    DataTable table = DataTable::Golden(kExpressions);
    table.Cell(32, "positions - R noRepl\n(Trial Variable)") = c.level;
    table.Cell(33, "Event\nName") = std::string("detected position ") + c.event;
    EXPECT_EQ(Verdicts(RunTables(kExpressions, {table}), {check}), Entries{Verdict(c.passes, check)})
        << c.level << " / " << c.event;
  }
}

// A sorted order is still found when a row follows the rows the sorted list covers.
TEST(TrialVariables, ShuffleChecksFindTheSortedOrderDespiteAnExtraRow) {
  DataTable levels = DataTable::Golden(kLevels1618);
  const Entries sorted = {"01 - Left Left", "02 - Left",   "03 - Middle", "04 - Right",  "05 - Right Right",
                          "Invisible01",    "Invisible02", "Invisible03", "Invisible04", "Invisible05"};
  for (size_t row = 0; row < sorted.size(); ++row) levels.Cell(static_cast<int>(row), kLocations) = sorted[row];
  levels.rows.push_back(levels.rows[0]);
  EXPECT_EQ(Verdicts(RunTables(kLevels1618, {levels}), {"Trial_levels_in_column_6_randomized"}),
            Entries{"FAIL Trial_levels_in_column_6_randomized"});

  DataTable spr = DataTable::Golden(kSprRsvp);
  const char* order[][3] = {{"left", "r", "1500"}, {"right", "g", "1000"}, {"top", "b", "500"}};
  for (int row = 0; row < 12; ++row) {
    spr.Cell(row, "position\n(Trial Variable)") = order[(row / 2) % 3][0];
    spr.Cell(row, "color!\n(Trial Variable)") = order[(row / 2) % 3][1];
    spr.Cell(row, "time limits!\n(Trial Variable)") = order[(row / 2) % 3][2];
  }
  spr.rows.push_back(spr.rows[11]);
  spr.Cell(12, "position\n(Trial Variable)") = "top";
  const std::string check = "SPR_and_RSVP_detect_that_randomization_happened_OK_to_FAIL_RARELY";
  EXPECT_EQ(Verdicts(RunTables(kSprRsvp, {spr}), {check}), Entries{"FAIL " + check});
}

// Invisible levels are counted but never looked at; a missing column reads "?" on every row, and each check then
// passes or fails by its own rule.
TEST(TrialVariables, InvisibleLevelsAndMissingColumns) {
  DataTable invisible = DataTable::Golden(kLevels1618);
  invisible.Cell(0, kLocations) = "Invisible05";
  DataTable noLocations = DataTable::Golden(kLevels1618);
  noLocations.DropColumn(kLocations);
  const Entries levelChecks = {"Trial_levels_in_column_6"};
  EXPECT_EQ(Verdicts(RunTables(kLevels1618, {invisible}), levelChecks),
            (Entries{"pass Trial_levels_in_column_6", "pass Trial_levels_in_column_6_randomized"}));
  EXPECT_EQ(Verdicts(RunTables(kLevels1618, {noLocations}), levelChecks),
            (Entries{"FAIL Trial_levels_in_column_6", "pass Trial_levels_in_column_6_randomized"}));

  DataTable noColour = DataTable::Golden(kRandomColour);
  noColour.DropColumn("Text color\n(Trial Variable)");
  EXPECT_EQ(FailedNames(RunTables(kRandomColour, {noColour})),
            Entries{"Test_didnt_randomly_break_and_all_trials_were_presented"});
}

}  // namespace

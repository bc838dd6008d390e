// The trial-variable, level and expression verifiers on edited copies of their golden data files: which of
// their checks pass or fail at the edges of their rules, and which duration windows apply on which machine.
#include "tests/support/datafile.h"
#include "tests/support/files.h"
#include "tests/support/pluginhost.h"
#include "tests/support/report.h"
#include "tests/support/scratchdir.h"
#include "verifiers/framework/hostnames.h"
#include <cstdlib>
#include <gtest/gtest.h>
#include <sstream>

namespace {

using testsupport::Outcome;
using Entries = std::vector<std::string>;

const char kFetchVars[] = "tessel_2807_test.vn5";
const char kLevels1618[] = "2011-08-11_tessel_1618_NumberMemorytest.vn4";
const char kExpressions[] = "2013-11-15_trial_level_expressions.vn5";
const char kCoinFlips[] = "2011-11-1_tessel_2552_Randomization.vn4";
const char kRandomColour[] = "2012-4-25_random_color_trial_level_test.vn4";
const char kSprRsvp[] = "10_11_13_all_tvars_spr_rsvp.vn5";
const char kImportV4[] = "2013-10-21_import_v4_trial_vars.vn4";
const char kTwelveVariables[] = "2013-10-21_randomize_opts_TrialVars_RSVP_SPR.vn5";
const char kUnexpanded[] = "2014-12-4_fail_to_present_block.vn5";
const char kException[] = "2015-01-30_VNException_thrown_and_caught.vn5";

const std::string kPlainHost = "plain-workstation";

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(text);
  while (std::getline(in, part, separator)) parts.push_back(part);
  if (!text.empty() && text.back() == separator) parts.push_back("");
  return parts;
}

std::string Join(const std::vector<std::string>& parts, char separator) {
  std::string text;
  for (size_t i = 0; i < parts.size(); ++i) text += (i > 0 ? std::string(1, separator) : "") + parts[i];
  return text;
}

// A golden data file with cells changed, rows dropped or added and columns removed, written under the golden
// file's name into a scratch directory. Data rows follow the four header lines and the two heading rows.
class EditedDataFile {
 public:
  explicit EditedDataFile(const std::string& experiment) : experiment(experiment) {
    std::vector<std::string> lines =
        Split(testsupport::ReadFile(testsupport::TestData("golden/" + experiment + " P01.txt")), '\n');
    if (!lines.empty() && lines.back().empty()) lines.pop_back();
    header.assign(lines.begin(), lines.begin() + 4);
    const std::vector<std::string> first = Split(lines[4], '\t'), second = Split(lines[5], '\t');
    for (size_t i = 0; i < first.size(); ++i) columns.push_back(first[i] + (second[i].empty() ? "" : "\n" + second[i]));
    for (size_t i = 6; i < lines.size(); ++i) rows.push_back(Split(lines[i], '\t'));
  }

  EditedDataFile& Cell(int row, const std::string& column, const std::string& text) {
    rows.at(row).at(ColumnIndex(column)) = text;
    return *this;
  }
  EditedDataFile& Cells(int firstRow, const std::string& column, const std::vector<std::string>& texts) {
    for (size_t i = 0; i < texts.size(); ++i) Cell(firstRow + static_cast<int>(i), column, texts[i]);
    return *this;
  }
  EditedDataFile& KeepRows(int count) {
    rows.resize(count);
    return *this;
  }
  EditedDataFile& AppendCopyOfRow(int row) {
    rows.push_back(rows.at(row));
    return *this;
  }
  EditedDataFile& DropColumn(const std::string& column) {
    const size_t index = ColumnIndex(column);
    columns.erase(columns.begin() + index);
    for (auto& row : rows) row.erase(row.begin() + index);
    return *this;
  }

  std::string WriteInto(const testsupport::ScratchDir& scratch) const {
    std::vector<std::string> first, second, lines = header;
    for (const std::string& column : columns) {
      const size_t lineFeed = column.find('\n');
      first.push_back(column.substr(0, lineFeed));
      second.push_back(lineFeed == std::string::npos ? "" : column.substr(lineFeed + 1));
    }
    lines.push_back(Join(first, '\t'));
    lines.push_back(Join(second, '\t'));
    for (const auto& row : rows) lines.push_back(Join(row, '\t'));
    const std::string path = scratch.File(experiment + " P01.txt");
    testsupport::WriteFile(path, Join(lines, '\n') + "\n");
    return path;
  }

 private:
  size_t ColumnIndex(const std::string& column) const {
    for (size_t i = 0; i < columns.size(); ++i) {
      if (columns[i] == column) return i;
    }
    throw std::runtime_error("no column " + column + " in the golden file of " + experiment);
  }

  std::string experiment;
  std::vector<std::string> header, columns;
  std::vector<std::vector<std::string>> rows;
};

// Poses as the named machine while the plug-in runs the data file, and gives the verifier's check outcomes:
// "pass NAME" or "FAIL NAME:LINE | MESSAGE", without the call pass and the two timing records around them.
Entries ChecksOf(const std::string& path, const std::string& suite, const std::string& host = kPlainHost) {
  setenv(Varnel::kHostNameOverrideVariable, host.c_str(), 1);
  testsupport::PluginHost plugin;
  plugin.PerformPostProcessing(path);
  const std::vector<Outcome> outcomes = testsupport::ReadReport(plugin.ReleaseTestPrinter()).OfSuite(suite);
  unsetenv(Varnel::kHostNameOverrideVariable);
  Entries entries;
  for (const Outcome& outcome : outcomes) {
    if (outcome.name.rfind("VerifyDatafile_was_called_for_", 0) == 0 || outcome.name.rfind("__", 0) == 0) continue;
    if (!outcome.failed) {
      entries.push_back("pass " + outcome.name);
      continue;
    }
    const std::string line = outcome.location.substr(outcome.location.rfind(':') + 1);
    entries.push_back("FAIL " + outcome.name + ":" + line + " | " + outcome.message);
  }
  return entries;
}

// The outcomes whose test names begin with the prefix.
Entries Only(const Entries& entries, const std::string& prefix) {
  Entries chosen;
  for (const std::string& entry : entries) {
    if (entry.compare(5, prefix.size(), prefix) == 0) chosen.push_back(entry);
  }
  return chosen;
}

// The duration outcomes, in the order the verifier checked its windows.
Entries Durations(const Entries& entries) {
  Entries chosen;
  for (const std::string& entry : entries) {
    if (!Only({entry}, "Experiment_duration_").empty() || !Only({entry}, "Expansion_duration_").empty()) {
      chosen.push_back(entry);
    }
  }
  return chosen;
}

std::string Pass(const std::string& name) { return "pass " + name; }
std::string Experiment(const std::string& suite) { return Pass("Experiment_duration_" + suite); }
std::string Expansion(const std::string& suite) { return Pass("Expansion_duration_" + suite); }
std::string DurationFailure(const std::string& what, const std::string& suite, int min, int max, int value) {
  return "FAIL " + what + "_duration_" + suite + ":237 | Expected a duration between " + std::to_string(min) +
         " and " + std::to_string(max) + ". Instead, we got a duration of " + std::to_string(value) + ".";
}

const std::string kInOrder = Pass("Data_appears_completely_and_in_order");

class TrialVariableVerifiers : public ::testing::Test {
 protected:
  Entries Run(const EditedDataFile& file, const std::string& suite, const std::string& host = kPlainHost) {
    return ChecksOf(file.WriteInto(scratch), suite, host);
  }
  testsupport::ScratchDir scratch;
};

// A verifier that silently skipped a check would still leave its golden run without failures.
TEST_F(TrialVariableVerifiers, GoldenRunsReportEveryCheckInOrder) {
  const struct {
    const char* suite;
    Entries checks;
  } cases[] = {
      {kFetchVars, {kInOrder, Experiment(kFetchVars), Expansion(kFetchVars)}},
      {kLevels1618,
       {kInOrder, Pass("Trial_levels_in_column_6"), Pass("Trial_levels_in_column_6_randomized"),
        Experiment(kLevels1618), Expansion(kLevels1618)}},
      {kExpressions,
       {Pass("TestExpressionResultsPriorToAnyLevelUsage"), Pass("TestExpressionResultsUsingNoRepl"),
        Pass("TestExpressionResultsUsingSequential"), Pass("TestExpressionResultsUsingWithRepl"),
        Experiment(kExpressions), Expansion(kExpressions)}},
      {kCoinFlips, {Pass("Experiment_is_a_bunch_of_coinflips_as_expected_and_percent_was_50"), Expansion(kCoinFlips)}},
      {kRandomColour,
       {Pass("Test_didnt_randomly_break_and_all_trials_were_presented"), Experiment(kRandomColour),
        Expansion(kRandomColour)}},
      {kSprRsvp,
       {Pass("Having_an_SPR_and an_RSVP_event_present_every_segment_and_use_every_trial_level"),
        Pass("SPR_and_RSVP_detect_that_randomization_happened_OK_to_FAIL_RARELY"), Experiment(kSprRsvp),
        Expansion(kSprRsvp)}},
      {kImportV4,
       {kInOrder, kInOrder, Pass("Random_choice_of_two_items_ONLY_RESETS_at_BLOCK_boundary"),
        Pass("Random_choice_of_five_items_ALLOWS_REPEATS_group_seed"), Experiment(kImportV4), Expansion(kImportV4)}},
      {kTwelveVariables, [] {
         Entries checks(12, kInOrder);
         checks.push_back(Experiment(kTwelveVariables));
         checks.push_back(Expansion(kTwelveVariables));
         return checks;
       }()},
      {kUnexpanded, {kInOrder}},
      {kException, {kInOrder}},
  };
  for (const auto& c : cases) EXPECT_EQ(Run(EditedDataFile(c.suite), c.suite), c.checks) << c.suite;
}

// The general windows are left out on the build farm, which has windows of its own for some verifiers; the
// two lab machines add theirs to the general ones.
TEST_F(TrialVariableVerifiers, DurationWindowsPerMachine) {
  const std::string farm = "ci-" + Varnel::kBuildFarmHost.ToStdString() + "-2";
  const std::string rigA = Varnel::kHostNameA.ToStdString(), rigB = Varnel::kHostNameB.ToStdString();
  const struct {
    const char* suite;
    std::string host;
    Entries durations;
  } cases[] = {
      {kLevels1618, rigA,
       {Experiment(kLevels1618), Expansion(kLevels1618), DurationFailure("Experiment", kLevels1618, 1000, 1050, 1200)}},
      {kLevels1618, farm, {}},
      {kExpressions, farm,
       {Experiment(kExpressions), DurationFailure("Expansion", kExpressions, 100, 225, 60)}},
      {kFetchVars, farm, {Experiment(kFetchVars)}},
      {kCoinFlips, farm, {DurationFailure("Expansion", kCoinFlips, 900, 1000, 400)}},
      {kCoinFlips, rigA, {Expansion(kCoinFlips)}},
      {kRandomColour, rigB, {Experiment(kRandomColour), Expansion(kRandomColour), Experiment(kRandomColour)}},
      {kSprRsvp, rigA, {Experiment(kSprRsvp), Expansion(kSprRsvp), Experiment(kSprRsvp)}},
      {kImportV4, rigB,
       {Experiment(kImportV4), DurationFailure("Experiment", kImportV4, 1300, 1700, 950), Expansion(kImportV4)}},
      {kImportV4, rigA, {Experiment(kImportV4), Experiment(kImportV4), Expansion(kImportV4)}},
      {kImportV4, farm, {}},
      {kTwelveVariables, farm, {Experiment(kTwelveVariables), Expansion(kTwelveVariables)}},
      {kUnexpanded, kPlainHost, {}},
      {kException, kPlainHost, {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Durations(Run(EditedDataFile(c.suite), c.suite, c.host)), c.durations) << c.suite << " on " << c.host;
  }
}

// The proportion is a single-precision quotient compared with exclusive bounds in double precision.
TEST_F(TrialVariableVerifiers, CoinFlipProportionBounds) {
  const std::string check = "Experiment_is_a_bunch_of_coinflips_as_expected";
  const std::string failure = "FAIL " + check +
                              ":65 | We expected very close to a proportion of 0.50 blue to red. Instead, we got ";
  const struct {
    int blue, rows;
    std::string outcome;
  } cases[] = {
      {50, 100, Pass(check + "_and_percent_was_50")}, {43, 100, Pass(check + "_and_percent_was_43")},
      {57, 100, Pass(check + "_and_percent_was_57")}, {42, 100, failure + "0.420000."},
      {58, 100, failure + "0.580000."},               {1, 2, Pass(check + "_and_percent_was_50")},
      {0, 3, failure + "0.000000."},                  {3, 3, failure + "1.000000."},
  };
  for (const auto& c : cases) {
    std::vector<std::vector<std::string>> rows;
    for (int i = 0; i < c.rows; ++i) rows.push_back({i < c.blue ? "Blue" : "Red", std::to_string(i + 1), ""});
    const std::string path = scratch.File(std::string(kCoinFlips) + " P01.txt");
    testsupport::WriteDataFile(path, {"Font Color\n(Trial Variable)", "Cumulative\nTime", "Expansion Time(ms): 400"},
                               rows);
    EXPECT_EQ(Only(ChecksOf(path, kCoinFlips), check), Entries{c.outcome}) << c.blue << " of " << c.rows;
  }
}

TEST_F(TrialVariableVerifiers, ColourSequencesWithoutReplacementResetOnlyAtTheBlockBoundary) {
  const std::string check = "Random_choice_of_two_items_ONLY_RESETS_at_BLOCK_boundary";
  const std::string failure = "FAIL " + check +
                              ":193 | the comments in the function VerifyVariableThatUsedRandom_NO_Replacement "
                              "explain what SHOULD happen every time";
  const struct {
    std::vector<std::string> colours;
    std::string outcome;
  } cases[] = {
      {{"green", "red", "green", "red", "green", "green", "red", "green", "red", "green"}, Pass(check)},
      {{"green", "red", "green", "red", "green", "red", "green", "red", "green", "red"}, Pass(check)},
      {{"red", "green", "red", "green", "red", "green", "red", "green", "red", "green"}, Pass(check)},
      {{"red", "green", "red", "green", "red", "red", "green", "red", "green", "red"}, Pass(check)},
      {{"red", "red", "green", "green", "red", "red", "green", "green", "red", "green"}, failure},
      {{"red", "green", "red", "green", "red", "red", "green", "red", "green", "Red"}, failure},
      {{"red", "green", "red", "green", "red", "red", "green", "red", "green", ""}, failure},
      {{"red", "green", "red", "green", "red", "red", "green", "red", "green", "red|"}, failure},
  };
  for (const auto& c : cases) {
    const EditedDataFile file = EditedDataFile(kImportV4).Cells(5, "color_var\n(Trial Variable)", c.colours);
    EXPECT_EQ(Only(Run(file, kImportV4), check), Entries{c.outcome}) << testing::PrintToString(c.colours);
  }
}

TEST_F(TrialVariableVerifiers, GroupSeedAllowsOnlyOnePositionSequence) {
  const std::string check = "Random_choice_of_five_items_ALLOWS_REPEATS_group_seed";
  const std::string failure = "FAIL " + check +
                              ":225 | the group seed should guarantee the same sequence... this test never has a "
                              "reason to fail";
  const std::string column = "location\n(Trial Variable)";
  const struct {
    EditedDataFile file;
    std::string outcome;
  } cases[] = {
      {EditedDataFile(kImportV4).Cells(15, column, {"3", "4", "3", "3", "1", "3", "4", "1", "5"}), Pass(check)},
      {EditedDataFile(kImportV4).Cells(15, column, {"1", "1", "3", "3", "3", "3", "4", "4", "5"}), failure},
      {EditedDataFile(kImportV4).Cells(15, column, {"4", "3", "3", "3", "1", "3", "4", "1", "5"}), failure},
      {EditedDataFile(kImportV4).KeepRows(23), failure},
  };
  for (const auto& c : cases) EXPECT_EQ(Only(Run(c.file, kImportV4), check), Entries{c.outcome});
}

// Row 32 carries the no-replacement variable's level; row 33 is the event the rule presented for it.
TEST_F(TrialVariableVerifiers, ExpressionsFollowTheLevelThatWasSelected) {
  const std::string check = "TestExpressionResultsUsingNoRepl";
  const std::string failure = "FAIL " + check +
                              ":157 | trial variable expressions in rules do not seem to evaluate according to "
                              "where the position level actually went";
  const std::string level = "positions - R noRepl\n(Trial Variable)", event = "Event\nName";
  const struct {
    std::string level, event, outcome;
  } cases[] = {
      {"one", "detected position one", Pass(check)}, {"two", "detected position two", Pass(check)},
      {"two", "detected position one", failure},     {"one", "detected position two", failure},
      {"One", "detected position one", failure},     {"", "detected position one", failure},
      {"one ", "detected position one", failure},    {"three", "detected position three", failure},
  };
  for (const auto& c : cases) {
    const EditedDataFile file = EditedDataFile(kExpressions).Cell(32, level, c.level).Cell(33, event, c.event);
    EXPECT_EQ(Only(Run(file, kExpressions), check), Entries{c.outcome}) << c.level << " / " << c.event;
  }
}

// The shuffle checks compare row r with entry r of the sorted order, for as many rows as both have.
TEST_F(TrialVariableVerifiers, ShuffleChecksLookOnlyAtTheRowsTheSortedOrderCovers) {
  const std::vector<std::string> sortedLocations = {
      "01 - Left Left", "02 - Left",   "03 - Middle", "04 - Right",  "05 - Right Right",
      "Invisible01",    "Invisible02", "Invisible03", "Invisible04", "Invisible05"};
  const std::string locations = "Random Number Locations\n(Trial Variable)";
  const std::string levelsCheck = "Trial_levels_in_column_6_randomized";
  const std::string levelsSorted = "FAIL " + levelsCheck + ":125 | probability dictates this will fail once in a "
                                   "BLUE MOON. normally we expect a SHUFFLED ordering";
  EXPECT_EQ(Only(Run(EditedDataFile(kLevels1618).Cells(0, locations, sortedLocations).AppendCopyOfRow(0),
                     kLevels1618),
                 levelsCheck),
            Entries{levelsSorted});
  EXPECT_EQ(Only(Run(EditedDataFile(kLevels1618).Cells(0, locations, sortedLocations).KeepRows(9), kLevels1618),
                 levelsCheck),
            Entries{levelsSorted});
  EXPECT_EQ(Only(Run(EditedDataFile(kLevels1618).Cells(0, locations, sortedLocations).Cell(9, locations, "Invisible5"),
                     kLevels1618),
                 levelsCheck),
            Entries{Pass(levelsCheck)});

  const std::string sprCheck = "SPR_and_RSVP_detect_that_randomization_happened_OK_to_FAIL_RARELY";
  EditedDataFile sorted(kSprRsvp);
  const char* order[][3] = {{"left", "r", "1500"}, {"right", "g", "1000"}, {"top", "b", "500"}};
  for (int row = 0; row < 12; ++row) {
    const auto& combination = order[(row / 2) % 3];
    sorted.Cell(row, "position\n(Trial Variable)", combination[0])
        .Cell(row, "color!\n(Trial Variable)", combination[1])
        .Cell(row, "time limits!\n(Trial Variable)", combination[2]);
  }
  sorted.AppendCopyOfRow(11).Cell(12, "position\n(Trial Variable)", "top");
  EXPECT_EQ(Only(Run(sorted, kSprRsvp), sprCheck),
            Entries{"FAIL " + sprCheck + ":172 | probability dictates this will fail once in a BLUE MOON. normally "
                                         "we expect a SHUFFLED ordering"});
}

// A level that occurs twice, or one more "left", fails the count while the verifier's other checks still run.
TEST_F(TrialVariableVerifiers, LevelCountsAreExact) {
  const std::string locations = "Random Number Locations\n(Trial Variable)";
  EXPECT_EQ(Run(EditedDataFile(kLevels1618).Cell(0, locations, "03 - Middle"), kLevels1618),
            (Entries{kInOrder,
                     "FAIL Trial_levels_in_column_6:109 | There should have been a left-left, a left, a middle, a "
                     "right, and a right-right.                   Exactly one of each.",
                     Pass("Trial_levels_in_column_6_randomized"), Experiment(kLevels1618), Expansion(kLevels1618)}));
  // Invisible levels are counted but never looked at.
  EXPECT_EQ(Only(Run(EditedDataFile(kLevels1618).Cell(0, locations, "Invisible05"), kLevels1618),
                 "Trial_levels_in_column_6"),
            (Entries{Pass("Trial_levels_in_column_6"), Pass("Trial_levels_in_column_6_randomized")}));

  const std::string sprCheck = "Having_an_SPR_and an_RSVP_event_present_every_segment_and_use_every_trial_level";
  const std::string sprFailure = "FAIL " + sprCheck + ":127 | We expected to see every segment six times in a "
                                 "specific order and every trial level four times.";
  const struct {
    EditedDataFile file;
    std::string outcome;
  } cases[] = {
      {EditedDataFile(kSprRsvp).Cell(4, "position\n(Trial Variable)", "left"), sprFailure},
      {EditedDataFile(kSprRsvp).Cell(4, "color!\n(Trial Variable)", "R"), sprFailure},
      {EditedDataFile(kSprRsvp).Cell(4, "time limits!\n(Trial Variable)", "1500.0"), sprFailure},
      {EditedDataFile(kSprRsvp).Cell(11, "Event\nName", "[SubEvent 2] SPR"), sprFailure},
      {EditedDataFile(kSprRsvp).AppendCopyOfRow(11).Cell(12, "position\n(Trial Variable)", "bottom")
           .Cell(12, "color!\n(Trial Variable)", "y").Cell(12, "time limits!\n(Trial Variable)", "2000"),
       Pass(sprCheck)},
  };
  for (const auto& c : cases) EXPECT_EQ(Only(Run(c.file, kSprRsvp), sprCheck), Entries{c.outcome});
}

// A missing column reads "?" on every row; each check then fails or passes by its own rule.
TEST_F(TrialVariableVerifiers, MissingColumnsAreJudgedByEachCheckOwnRule) {
  EXPECT_EQ(Only(Run(EditedDataFile(kRandomColour).DropColumn("Text color\n(Trial Variable)"), kRandomColour),
                 "Test_didnt"),
            Entries{"FAIL Test_didnt_randomly_break_and_all_trials_were_presented:67 | We expected to see three "
                    "events with three different values of the trial variable."});
  EXPECT_EQ(Only(Run(EditedDataFile(kLevels1618).DropColumn("Random Number Locations\n(Trial Variable)"), kLevels1618),
                 "Trial_levels"),
            (Entries{"FAIL Trial_levels_in_column_6:109 | There should have been a left-left, a left, a middle, a "
                     "right, and a right-right.                   Exactly one of each.",
                     Pass("Trial_levels_in_column_6_randomized")}));
  const Entries expressions = Run(EditedDataFile(kExpressions).DropColumn("Event\nName"), kExpressions);
  EXPECT_EQ(Only(expressions, "TestExpressionResults").size(), 4u);
  for (const std::string& outcome : Only(expressions, "TestExpressionResults")) EXPECT_EQ(outcome.rfind("FAIL", 0), 0u);
  EXPECT_EQ(Only(Run(EditedDataFile(kException).DropColumn("Trial\nName"), kException), "Data_appears"),
            Entries{"FAIL Data_appears_completely_and_in_order:144 | At datafile row index 0 we expected "
                    "{a\\a/a:a*a?a\"a<a>a|aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa}, but that was not the actual content."});
}

// Only a data file of exactly one row passes.
TEST_F(TrialVariableVerifiers, UnexpandedBlockPresentsExactlyOneEvent) {
  EXPECT_EQ(Run(EditedDataFile(kUnexpanded).AppendCopyOfRow(0), kUnexpanded),
            Entries{"FAIL Correct_quantity_of_data_cells:89 | No extra info."});
  EXPECT_EQ(Run(EditedDataFile(kUnexpanded).Cell(0, "Event\nName", "An event that runs"), kUnexpanded),
            Entries{"FAIL Data_appears_completely_and_in_order:144 | At datafile row index 0 we expected {an event "
                    "that runs}, but that was not the actual content."});
}

}  // namespace

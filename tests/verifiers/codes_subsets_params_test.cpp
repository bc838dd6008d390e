// Rules of the code, tag, saved-column, trial-subset, sublist, parameter and trial-action verifiers that no single
// faulty file shows: golden files edited at the edges of a rule, which must pass or fail as listed.
#include "tests/support/goldenvariant.h"
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

namespace {

using namespace testsupport;
using Entries = std::vector<std::string>;

const char kExcluded[] = "2014-05-12_save_col_mouse_press_rel_NOT_pixel.vn5";
const char kSaved[] = "2014-05-12_save_col_mouse_pixel_NOT_press_rel.vn5";
const char kSharedCodes[] = "trl_shared_in_blks_plus_change_code_for_TIB.vn4";
const char kSubsetCodes[] = "exit_block_using_subset_with_mutable_codes.vn4";
const char kUpToN[] = "trial_subset_only_the_last_N_versus_up_to_N.vn4";
const char kTextParams[] = "1-30-13-TextEventParamTest.vn5";
const char kParam2Param[] = "9_25_13_all_param2param_actions.vn5";
const char kTrialActions[] = "3002_spec_trial_level_actions_expressions.vn5";
const char kFeedback[] = "2772_1_macr_1_reg_1_feed.vn4";
const char kTwoMacros[] = "2772_2_macro_1_reg.vn4";

const std::string kInOrder = "Data_appears_completely_and_in_order";
const std::string kFontColor = "Font Color\n(Trial Variable)", kLocation = "Screen Location\n(Trial Variable)";

void AppendCopyOfLastRow(DataTable& t) { t.rows.push_back(t.rows.back()); }

void SpreadValuesOverOtherRows(DataTable& t) {
  std::swap(t.Cell(0, kFontColor), t.Cell(2, kFontColor));
  std::swap(t.Cell(1, kLocation), t.Cell(2, kLocation));
}

TEST(CodesSubsetsAndParams, EditedGoldenFilesFailExactlyTheChecksListed) {
  const struct {
    const char* what;
    const char* experiment;
    std::function<void(DataTable&)> edit;
    Entries failed;
  } cases[] = {
      // The four mouse columns may stand anywhere after the first column, in any order; names are exact.
      {"mouse columns reversed",
       kExcluded,
       [](DataTable& t) {
         t.MoveColumn("Key", 7);
         t.MoveColumn("Pressed Or\nReleased", 6);
         t.MoveColumn("X\nPosition", 5);
       },
       {}},
      {"mouse column right after the first", kSaved, [](DataTable& t) { t.MoveColumn("Y\nPosition", 1); }, {}},
      {"mouse column name in capitals",
       kExcluded,
       [](DataTable& t) { *std::find(t.columns.begin(), t.columns.end(), "Key") = "KEY"; },
       {"Tessel_3229_exclude_pixel"}},
      // Codes change exactly where the host changes them.
      {"shared code changed a row early in the fourth group",
       kSharedCodes,
       [](DataTable& t) { t.Cell(25, "for_b2") = "0000"; },
       {kInOrder}},
      {"code kept in the last rows of the second pass",
       kSubsetCodes,
       [](DataTable& t) { t.Cell(11, "trial_b") = "c"; },
       {kInOrder}},
      // The second half's events carry a suffix that the colour codes do not.
      {"colour code with the event's suffix",
       kUpToN,
       [](DataTable& t) { t.Cell(23, "red_blue") = "blue1"; },
       {kInOrder}},
      {"param-block trial name goes on",
       kTextParams,
       [](DataTable& t) { t.Cell(30, "Trial\nName") = "param block trials"; },
       {}},
      {"a seventh row after the six in order",
       kTrialActions,
       [](DataTable& t) {
         AppendCopyOfLastRow(t);
         t.Cell(6, "color\n(Trial Variable)") = "purple";
       },
       {}},
      {"values over the rows in another order", kFeedback, SpreadValuesOverOtherRows, {}},
      {"values over the rows in another order", kTwoMacros, SpreadValuesOverOtherRows, {}},
      {"a fourth row repeating the first",
       kTwoMacros,
       [](DataTable& t) { t.rows.insert(t.rows.begin() + 1, t.rows.front()); },
       {"Having_1_event_presented_normally_and_2_presented_via_block_Level_macro_functions_that_share_a_"
        "VNActionList"}},
  };
  for (const auto& c : cases) {
    DataTable table = DataTable::Golden(c.experiment);
    c.edit(table);
    EXPECT_EQ(FailedNames(RunTables(c.experiment, {table})), c.failed) << c.experiment << ": " << c.what;
  }
}

// The failure's subject carries the row count.
TEST(CodesSubsetsAndParams, TextEventCountNamesTheRowCount) {
  DataTable table = DataTable::Golden(kTextParams);
  AppendCopyOfLastRow(table);
  std::vector<std::string> subjects;
  for (const Outcome& outcome : RunTables(kTextParams, {table})) {
    if (outcome.failed) subjects.push_back(outcome.name + ": " + outcome.subject);
  }
  EXPECT_EQ(subjects, Entries{"we_presented_all_events: Something bad happened instead 57."});
}

TEST(CodesSubsetsAndParams, EveryParameterCellIsChecked) {
  const DataTable golden = DataTable::Golden(kParam2Param);
  for (const char* column : {"Counter 1", "Counter 2", "Counter 3", "Bonus Counter", "Text 1", "Text 2", "Text 3"}) {
    for (int row = 0; row < 3; ++row) {
      DataTable table = golden;
      table.Cell(row, column) += " ";
      EXPECT_EQ(FailedNames(RunTables(kParam2Param, {table})),
                Entries{"Having_parameters_get_modified_by_values_in_other_parameters"})
          << column << " in row " << row;
    }
  }
}

}  // namespace

// Rules of the code, tag, saved-column, trial-subset, sublist, parameter and trial-action verifiers that need
// more than one faulty file: each verifier's duration windows on every kind of machine, and variants of the
// golden data files that must pass or fail.
#include "tests/support/files.h"
#include "tests/support/pluginhost.h"
#include "tests/support/report.h"
#include "tests/support/scratchdir.h"
#include "tests/verifiers/faultycorpus.h"
#include "verifiers/framework/hostnames.h"
#include "verifiers/framework/redbluepattern.h"
#include "verifiers/framework/texteventparams.h"
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>

namespace {

using testsupport::Outcome;
using Entries = std::vector<std::string>;

const char kExcluded[] = "2014-05-12_save_col_mouse_press_rel_NOT_pixel.vn5";
const char kSaved[] = "2014-05-12_save_col_mouse_pixel_NOT_press_rel.vn5";
const char kTags[] = "2014-11-17_four_ways_to_change_a_tag.vn5";
const char kSharedCodes[] = "trl_shared_in_blks_plus_change_code_for_TIB.vn4";
const char kSubsetCodes[] = "exit_block_using_subset_with_mutable_codes.vn4";
const char kUpToN[] = "trial_subset_only_the_last_N_versus_up_to_N.vn4";
const char kParents[] = "trial_subset_multiple_block_macro_import.vn4";
const char kSync[] = "two_sublists_synchronization.vn5";
const char kTagging[] = "two_sublists_tagging.vn5";
const char kTextParams[] = "1-30-13-TextEventParamTest.vn5";
const char kTextNoParams[] = "1-30-13-TextEventParamTestNoParams.vn5";
const char kParam2Param[] = "9_25_13_all_param2param_actions.vn5";
const char kTrialActions[] = "3002_spec_trial_level_actions_expressions.vn5";
const char kFeedback[] = "2772_1_macr_1_reg_1_feed.vn4";
const char kTwoMacros[] = "2772_2_macro_1_reg.vn4";

const std::string kCumulativeTime = "Cumulative\nTime";
const std::string kExpansionPrefix = "Expansion Time(ms): ";

// Machines the tests pose as: an ordinary one, and host names containing each configured fragment. Made when
// the table is, so that the fragments (defined in another file) are set by then.
enum class Machine { Plain, RigA, RigB, Farm };

std::string HostName(Machine machine) {
  switch (machine) {
    case Machine::RigA: return "x-" + Varnel::kHostNameA.Upper().ToStdString() + "-1";
    case Machine::RigB: return Varnel::kHostNameB.ToStdString() + ".lab";
    case Machine::Farm: return "ci-" + Varnel::kBuildFarmHost.ToStdString() + "-07";
    case Machine::Plain: break;
  }
  return "plain-workstation";
}
constexpr Machine kPlain = Machine::Plain, kRigA = Machine::RigA, kRigB = Machine::RigB, kFarm = Machine::Farm;

// A data file as columns and rows, read from a golden file so that variants differ from it only where a test
// says.
struct Table {
  std::vector<std::string> columns;
  std::vector<std::vector<std::string>> rows;

  int Column(const std::string& name) const {
    const auto found = std::find(columns.begin(), columns.end(), name);
    EXPECT_NE(found, columns.end()) << name;
    return static_cast<int>(found - columns.begin());
  }
  std::string& Cell(int row, const std::string& column) { return rows.at(row).at(Column(column)); }
  void SetRunTime(int ms) { Cell(static_cast<int>(rows.size()) - 1, kCumulativeTime) = std::to_string(ms); }
  void SetExpansion(int ms) {
    for (std::string& column : columns) {
      if (column.rfind(kExpansionPrefix, 0) == 0) column = kExpansionPrefix + std::to_string(ms);
    }
  }
  void DropColumn(const std::string& name) {
    const int index = Column(name);
    columns.erase(columns.begin() + index);
    for (auto& row : rows) row.erase(row.begin() + index);
  }
  void MoveColumn(const std::string& name, int to) {
    const int from = Column(name);
    auto move = [&](auto& cells) {
      auto cell = cells[from];
      cells.erase(cells.begin() + from);
      cells.insert(cells.begin() + to, cell);
    };
    move(columns);
    for (auto& row : rows) move(row);
  }
};

std::vector<std::string> SplitOn(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(text);
  while (std::getline(in, part, separator)) parts.push_back(part);
  if (!text.empty() && text.back() == separator) parts.push_back("");
  return parts;
}

Table Golden(const std::string& experiment) {
  const std::string path = testsupport::TestData("golden/" + experiment + " P01.txt");
  std::vector<std::string> lines = SplitOn(testsupport::ReadFile(path), '\n');
  while (!lines.empty() && lines.back().empty()) lines.pop_back();
  Table table;
  const std::vector<std::string> first = SplitOn(lines.at(4), '\t'), second = SplitOn(lines.at(5), '\t');
  for (size_t i = 0; i < first.size(); ++i) {
    const std::string lower = i < second.size() ? second[i] : "";
    table.columns.push_back(lower.empty() ? first[i] : first[i] + "\n" + lower);
  }
  for (size_t i = 6; i < lines.size(); ++i) table.rows.push_back(SplitOn(lines[i], '\t'));
  return table;
}

std::string WithHeadings(const Table& table) {
  std::string first, second, body;
  for (size_t i = 0; i < table.columns.size(); ++i) {
    const std::string& column = table.columns[i];
    const size_t lineFeed = column.find('\n');
    first += (i > 0 ? "\t" : "") + column.substr(0, lineFeed);
    second += (i > 0 ? "\t" : "") + (lineFeed == std::string::npos ? "" : column.substr(lineFeed + 1));
  }
  for (const auto& row : table.rows) {
    std::string line;
    for (size_t i = 0; i < row.size(); ++i) line += (i > 0 ? "\t" : "") + row[i];
    body += line + "\n";
  }
  return "P01\nvariant\n2026-12-06 10:15:42\nData file version 5\n" + first + "\n" + second + "\n" + body;
}

// Runs the table as the experiment's data file through the plug-in, posing as the given machine, and returns
// the outcomes of the verifier's own checks: its suite without the call pass and the two timing records.
Entries RunAs(const std::string& experiment, const Table& table, Machine machine = kPlain) {
  setenv(Varnel::kHostNameOverrideVariable, HostName(machine).c_str(), 1);
  testsupport::ScratchDir scratch;
  const std::string path = scratch.File(experiment + " P01.txt");
  testsupport::WriteFile(path, WithHeadings(table));
  Entries entries;
  {
    testsupport::PluginHost plugin;
    plugin.PerformPostProcessing(path);
    for (const Outcome& outcome : testsupport::ReadReport(plugin.ReleaseTestPrinter()).OfSuite(experiment)) {
      entries.push_back(testsupport::Describe(outcome));
    }
  }
  unsetenv(Varnel::kHostNameOverrideVariable);
  if (entries.size() < 3) {
    ADD_FAILURE() << experiment << " reported " << entries.size() << " outcomes";
    return entries;
  }
  return Entries(entries.begin() + 1, entries.end() - 2);
}

std::string Failure(const std::string& experiment, const faultycorpus::ExpectedFailure& f) {
  return "FAIL " + f.name + " | " + f.subject + " | Whichever/File/Focuses/On/Verifying/" + experiment + ":" +
         std::to_string(f.line) + " | " + f.message;
}

// Duration outcomes in short: "+" or "-" for pass or failure, then what it measured, and for a failure the
// window and the value.
Entries DurationOutcomes(const std::string& experiment, const Entries& entries) {
  Entries durations;
  for (const std::string& entry : entries) {
    for (const std::string what : {"Experiment", "Expansion"}) {
      const std::string name = what + "_duration_" + experiment;
      if (entry == "pass " + name) durations.push_back("+" + what);
      if (entry.rfind("FAIL " + name + " |", 0) == 0) {
        const std::string message = entry.substr(entry.rfind("| ") + 2);
        int min = 0, max = 0, value = 0;
        sscanf(message.c_str(), "Expected a duration between %d and %d. Instead, we got a duration of %d.", &min, &max,
               &value);
        durations.push_back("-" + what + " " + std::to_string(min) + ".." + std::to_string(max) + " " +
                            std::to_string(value));
      }
    }
  }
  return durations;
}

struct WindowCase {
  const char* experiment;
  Machine machine;
  int runMs;
  int expansionMs;
  Entries durations;
};

void PrintTo(const WindowCase& c, std::ostream* out) {
  *out << c.experiment << " on " << HostName(c.machine) << ", " << c.runMs << " ms, expansion " << c.expansionMs;
}

class DurationWindows : public ::testing::TestWithParam<WindowCase> {};

TEST_P(DurationWindows, EachMachineGetsItsOwnWindows) {
  const WindowCase& c = GetParam();
  Table table = Golden(c.experiment);
  table.SetRunTime(c.runMs);
  table.SetExpansion(c.expansionMs);
  EXPECT_EQ(DurationOutcomes(c.experiment, RunAs(c.experiment, table, c.machine)), c.durations);
}

const WindowCase kWindows[] = {
    {kExcluded, kPlain, 40, 0, {"+Experiment", "+Expansion"}},
    {kExcluded, kRigA, 150, 5000, {"-Experiment 40..80 150", "+Experiment", "+Expansion"}},
    {kExcluded, kRigA, 201, 10, {"-Experiment 40..80 201", "-Experiment 40..200 201", "+Expansion"}},
    {kExcluded, kRigB, 350, 10, {"-Experiment 40..80 350", "+Experiment", "+Expansion"}},
    {kExcluded, kFarm, 9999, 9999, {}},
    {kSaved, kPlain, 80, 1000, {"+Experiment", "+Expansion"}},
    {kSaved, kFarm, 100, 9999, {"+Experiment"}},
    {kSaved, kFarm, 49, 0, {"-Experiment 50..100 49"}},
    {kSaved, kRigA, 81, 10, {"-Experiment 40..80 81", "+Expansion"}},
    {kTags, kPlain, 999999, 999999, {}},
    {kTags, kFarm, 999999, 999999, {}},
    {kSharedCodes, kPlain, 30, 1000, {"+Experiment", "+Expansion"}},
    {kSharedCodes, kFarm, 800, 9999, {"+Experiment"}},
    {kSharedCodes, kFarm, 801, 0, {"-Experiment 30..800 801"}},
    {kSubsetCodes, kPlain, 3900, 40, {"+Experiment", "+Expansion"}},
    {kSubsetCodes, kRigA, 3399, 90, {"+Experiment", "-Experiment 3400..3800 3399", "+Expansion"}},
    {kSubsetCodes, kFarm, 1, 155, {"+Expansion"}},
    {kSubsetCodes, kFarm, 1, 89, {"-Expansion 90..155 89"}},
    {kUpToN, kPlain, 1000, 1000, {"+Experiment", "+Expansion"}},
    {kUpToN, kPlain, 199, 1001, {"-Experiment 200..1000 199", "-Expansion 0..1000 1001"}},
    {kUpToN, kFarm, 2500, 9999, {"+Experiment"}},
    {kUpToN, kFarm, 1999, 0, {"-Experiment 2000..2500 1999"}},
    {kParents, kPlain, 2000, 5000, {"+Experiment", "+Expansion"}},
    {kParents, kFarm, 2201, 9999, {"-Experiment 900..2200 2201"}},
    {kSync, kPlain, 5200, 400, {"+Experiment", "+Expansion"}},
    {kSync, kRigA, 651, 251,
     {"+Experiment", "+Expansion", "-Experiment 500..650 651", "-Expansion 150..250 251"}},
    {kSync, kRigB, 11600, 0, {"-Experiment 500..5200 11600", "+Expansion", "+Experiment"}},
    {kSync, kFarm, 99999, 99999, {}},
    {kTagging, kRigA, 1100, 149, {"+Experiment", "+Expansion", "+Experiment", "-Expansion 150..250 149"}},
    {kTagging, kRigB, 11601, 0, {"-Experiment 900..5200 11601", "+Expansion", "-Experiment 900..11600 11601"}},
    {kTextParams, kPlain, 17000, 30, {"+Experiment", "+Expansion"}},
    {kTextParams, kPlain, 16299, 29, {"-Experiment 16300..17000 16299", "-Expansion 30..60 29"}},
    {kTextParams, kFarm, 19250, 125, {"+Experiment", "+Expansion"}},
    {kTextParams, kFarm, 15999, 99, {"-Experiment 16000..19250 15999", "-Expansion 100..125 99"}},
    {kTextNoParams, kPlain, 16300, 70, {"+Experiment", "+Expansion"}},
    {kTextNoParams, kFarm, 19625, 70, {"+Experiment", "+Expansion"}},
    {kTextNoParams, kFarm, 19626, 126, {"-Experiment 16000..19625 19626", "-Expansion 70..125 126"}},
    {kParam2Param, kPlain, 1500, 20, {"+Experiment", "+Expansion"}},
    {kParam2Param, kPlain, 1499, 51, {"-Experiment 1500..1620 1499", "-Expansion 20..50 51"}},
    {kParam2Param, kFarm, 99999, 100, {"+Expansion"}},
    {kParam2Param, kFarm, 99999, 101, {"-Expansion 50..100 101"}},
    {kTrialActions, kPlain, 3300, 5000, {"+Experiment", "+Expansion"}},
    {kTrialActions, kRigA, 3201, 0, {"+Experiment", "+Expansion", "-Experiment 3000..3200 3201"}},
    {kTrialActions, kRigB, 3099, 0, {"+Experiment", "+Expansion", "-Experiment 3100..3700 3099"}},
    {kTrialActions, kFarm, 1, 99999, {}},
    {kFeedback, kPlain, 2990, 5000, {"+Experiment", "+Expansion"}},
    {kFeedback, kRigA, 3081, 0, {"+Experiment", "+Expansion", "-Experiment 3000..3080 3081"}},
    {kFeedback, kRigB, 3125, 0, {"+Experiment", "+Expansion", "+Experiment"}},
    {kTwoMacros, kPlain, 3171, 5001, {"-Experiment 2990..3170 3171", "-Expansion 0..5000 5001"}},
    {kTwoMacros, kRigB, 3126, 0, {"+Experiment", "+Expansion", "-Experiment 3000..3125 3126"}},
    {kTwoMacros, kFarm, 1, 99999, {}},
};

INSTANTIATE_TEST_SUITE_P(EveryVerifier, DurationWindows, ::testing::ValuesIn(kWindows),
                         [](const ::testing::TestParamInfo<WindowCase>& info) {
                           return "case_" + std::to_string(info.index);
                         });

// A golden file changed by one edit, and what its verifier must then report (apart from durations).
struct VariantCase {
  const char* label;
  const char* experiment;
  std::function<void(Table&)> edit;
  Entries outcomes;  // the verifier's own check outcomes, without the duration outcomes
};

Entries WithoutDurations(const std::string& experiment, const Entries& entries) {
  Entries kept;
  for (const std::string& entry : entries) {
    if (entry.find("_duration_" + experiment) == std::string::npos) kept.push_back(entry);
  }
  return kept;
}

void PrintTo(const VariantCase& c, std::ostream* out) { *out << c.experiment << ": " << c.label; }

class GoldenVariants : public ::testing::TestWithParam<VariantCase> {};

TEST_P(GoldenVariants, ReportExactlyTheirOwnOutcomes) {
  const VariantCase& c = GetParam();
  Table table = Golden(c.experiment);
  c.edit(table);
  EXPECT_EQ(WithoutDurations(c.experiment, RunAs(c.experiment, table)), c.outcomes) << c.label;
}

const std::string kOrderPass = "pass Data_appears_completely_and_in_order";

std::string Order(const char* experiment, int row, const std::string& expected) {
  return Failure(experiment, faultycorpus::OrderMismatch(row, expected));
}
std::string TooMany(const char* experiment) { return Failure(experiment, faultycorpus::TooManyCells()); }

std::string Mouse(const char* experiment) {
  const bool excluded = std::string(experiment) == kExcluded;
  const std::string name = excluded ? "Tessel_3229_exclude_pixel" : "Tessel_3229_show_pixel";
  return Failure(experiment, {name, "Datafile columns are NOT as expected.", excluded ? 58 : 55,
                              "there are missing columns or something. this is a weird test."});
}
std::string MousePass(const char* experiment) {
  return std::string(experiment) == kExcluded ? "pass Tessel_3229_exclude_pixel" : "pass Tessel_3229_show_pixel";
}

std::string TextEvents(const char* experiment, int rows) {
  const std::string subject = std::string(experiment) == kTextParams
                                  ? "Something bad happened instead " + std::to_string(rows) + "."
                                  : std::string("Something bad happened instead.");
  return Failure(experiment, {"we_presented_all_events", subject, 69,
                              "We expected to see 56 rows of data split up into three kinds of trials in a 20-6-30 "
                              "proportion."});
}

const std::string kRgbName = "Having_events_presented_with_the_right_color_variables_in_specific_order";
const std::string kRgbFailure =
    Failure(kTrialActions, {kRgbName, "Something bad happened instead.", 83,
                            "We expected RGBRGB to show up in the data file in that precise order"});

std::string MacroCheckName(const char* experiment) {
  return std::string(experiment) == kFeedback
             ? "Having_1_event_presented_normally_and_1_presented_via_feedback_and_block_Level_macro_functions"
             : "Having_1_event_presented_normally_and_2_presented_via_block_Level_macro_functions_that_share_a_"
               "VNActionList";
}
std::string MacroFailure(const char* experiment) {
  return Failure(experiment, {MacroCheckName(experiment), "Something bad happened instead.", 99,
                              "We expected to see each variable name to show up exactly once."});
}

const char kFontColor[] = "Font Color\n(Trial Variable)";
const char kLocation[] = "Screen Location\n(Trial Variable)";
const char kTrialName[] = "Trial\nName";

std::vector<VariantCase> MouseColumnVariants() {
  std::vector<VariantCase> cases;
  for (const char* experiment : {kExcluded, kSaved}) {
    cases.push_back({"mouse columns in reverse order", experiment,
                     [](Table& t) {
                       t.MoveColumn("Key", 7);
                       t.MoveColumn("Pressed Or\nReleased", 6);
                       t.MoveColumn("X\nPosition", 5);
                     },
                     {MousePass(experiment)}});
    cases.push_back({"mouse column right after the first column", experiment,
                     [](Table& t) { t.MoveColumn("Y\nPosition", 1); }, {MousePass(experiment)}});
    cases.push_back({"mouse column first", experiment, [](Table& t) { t.MoveColumn("X\nPosition", 0); },
                     {Mouse(experiment)}});
    cases.push_back({"only three mouse columns", experiment, [](Table& t) { t.DropColumn("Key"); },
                     {Mouse(experiment)}});
    cases.push_back({"mouse column name in other case", experiment,
                     [](Table& t) { t.columns[t.Column("Key")] = "KEY"; }, {Mouse(experiment)}});
  }
  return cases;
}

std::vector<VariantCase> CodeAndSubsetVariants() {
  return {
      {"tag holds only the trial's value", kTags,
       [](Table& t) { t.Cell(2, "event_set") = "set_by_trial_2nd_time (trial)"; },
       {Order(kTags, 2, "set_by_event_first_time (event)|set_by_trial_2nd_time (trial)"), kOrderPass}},
      {"code changed a row early in the fourth block", kSharedCodes, [](Table& t) { t.Cell(25, "for_b2") = "0000"; },
       {kOrderPass, Order(kSharedCodes, 25, "8765")}},
      {"code changed a row late", kSharedCodes, [](Table& t) { t.Cell(18, "for_b2") = "8765"; },
       {kOrderPass, Order(kSharedCodes, 18, "0000")}},
      {"shared trial without its code", kSharedCodes, [](Table& t) { t.Cell(5, "for_b1") = ""; },
       {Order(kSharedCodes, 5, "red"), kOrderPass}},
      {"code kept in the second pass", kSubsetCodes, [](Table& t) { t.Cell(11, "trial_b") = "c"; },
       {kOrderPass, kOrderPass, Order(kSubsetCodes, 11, "d")}},
      {"event order wrong in the second pass", kSubsetCodes,
       [](Table& t) { std::swap(t.Cell(8, "Event\nName"), t.Cell(9, "Event\nName")); },
       {Order(kSubsetCodes, 8, "filler"), kOrderPass, kOrderPass}},
      {"second macro row carries a colour", kUpToN, [](Table& t) { t.Cell(41, "red_blue") = "blue"; },
       {kOrderPass, Order(kUpToN, 41, "")}},
      {"colour code with the event's suffix", kUpToN, [](Table& t) { t.Cell(23, "red_blue") = "blue1"; },
       {kOrderPass, Order(kUpToN, 23, "blue")}},
      {"second block's macro named like the first's", kUpToN,
       [](Table& t) { t.Cell(28, "Event\nName") = "a0 macro"; }, {Order(kUpToN, 28, "a1 macro"), kOrderPass}},
      {"one macro missing in the second parent", kParents,
       [](Table& t) {
         t.rows.erase(t.rows.begin() + 31);
         t.SetRunTime(1500);
       },
       {Failure(kParents, faultycorpus::TooFewCells()), Failure(kParents, faultycorpus::TooFewCells())}},
      {"second macro row carries a colour", kParents, [](Table& t) { t.Cell(45, "red_blue") = "red"; },
       {kOrderPass, Order(kParents, 45, "")}},
      {"one extra row", kSync, [](Table& t) { t.rows.push_back(t.rows.back()); }, {TooMany(kSync), TooMany(kSync)}},
      {"sublists in step but with another colour", kSync, [](Table& t) { t.Cell(0, "color") = "Red"; },
       {kOrderPass, Order(kSync, 0, "red")}},
      {"colour tag of the wrong item", kTagging, [](Table& t) { t.Cell(2, "color") = "red"; },
       {Order(kTagging, 2, "blue"), kOrderPass}},
  };
}

std::vector<VariantCase> ParameterVariants() {
  std::vector<VariantCase> cases = {
      {"trial name goes on without a blank", kTextParams,
       [](Table& t) { t.Cell(30, kTrialName) = "param block trials"; }, {"pass we_presented_all_events"}},
      {"trial name is the bare prefix", kTextNoParams,
       [](Table& t) { t.Cell(3, kTrialName) = "block without params trial"; }, {"pass we_presented_all_events"}},
      {"pause trial written with a capital", kTextParams,
       [](Table& t) { t.Cell(20, kTrialName) = "Pause block trial 1"; }, {TextEvents(kTextParams, 56)}},
      {"prefix with a leading blank", kTextNoParams,
       [](Table& t) { t.Cell(20, kTrialName) = " pause block trial 1"; }, {TextEvents(kTextNoParams, 56)}},
      {"57 rows", kTextParams, [](Table& t) { t.rows.push_back(t.rows.back()); }, {TextEvents(kTextParams, 57)}},
      {"57 rows, the last of no kind", kTextParams,
       [](Table& t) {
         t.rows.push_back(t.rows.back());
         t.Cell(56, kTrialName) = "another trial";
       },
       {TextEvents(kTextParams, 57)}},
      {"no trial name column", kTextParams, [](Table& t) { t.DropColumn(kTrialName); }, {TextEvents(kTextParams, 56)}},
      {"seven rows, the first six in order", kTrialActions,
       [](Table& t) {
         t.rows.push_back(t.rows.back());
         t.Cell(6, "color\n(Trial Variable)") = "purple";
       },
       {"pass " + kRgbName}},
      {"five rows", kTrialActions, [](Table& t) { t.rows.pop_back(); }, {kRgbFailure}},
      {"colour in capitals", kTrialActions, [](Table& t) { t.Cell(3, "color\n(Trial Variable)") = "Red"; },
       {kRgbFailure}},
      {"no colour column", kTrialActions, [](Table& t) { t.DropColumn("color\n(Trial Variable)"); }, {kRgbFailure}},
      {"parameters after the third row are not looked at", kParam2Param,
       [](Table& t) {
         t.rows.push_back(t.rows.back());
         t.Cell(3, "Counter 1") = "999";
       },
       {"pass Having_parameters_get_modified_by_values_in_other_parameters"}},
  };
  for (const char* experiment : {kFeedback, kTwoMacros}) {
    cases.push_back({"values spread over the rows in another order", experiment,
                     [](Table& t) {
                       std::swap(t.Cell(0, kFontColor), t.Cell(2, kFontColor));
                       std::swap(t.Cell(1, kLocation), t.Cell(2, kLocation));
                     },
                     {"pass " + MacroCheckName(experiment)}});
    cases.push_back({"a fourth row repeats a value", experiment, [](Table& t) { t.rows.push_back(t.rows[0]); },
                     {MacroFailure(experiment)}});
    cases.push_back({"two rows", experiment, [](Table& t) { t.rows.pop_back(); }, {MacroFailure(experiment)}});
    cases.push_back({"colour in lower case", experiment, [](Table& t) { t.Cell(1, kFontColor) = "green"; },
                     {MacroFailure(experiment)}});
    cases.push_back({"location missing", experiment, [](Table& t) { t.Cell(2, kLocation) = "two"; },
                     {MacroFailure(experiment)}});
  }
  return cases;
}

std::string VariantName(const ::testing::TestParamInfo<VariantCase>& info) {
  std::string name = std::to_string(info.index) + "_" + info.param.label;
  std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
  return name;
}

INSTANTIATE_TEST_SUITE_P(MouseColumns, GoldenVariants, ::testing::ValuesIn(MouseColumnVariants()), VariantName);
INSTANTIATE_TEST_SUITE_P(CodesAndSubsets, GoldenVariants, ::testing::ValuesIn(CodeAndSubsetVariants()), VariantName);
INSTANTIATE_TEST_SUITE_P(Parameters, GoldenVariants, ::testing::ValuesIn(ParameterVariants()), VariantName);

// Every one of the 21 parameter cells counts: changing any single one fails the check.
TEST(Param2ParamActions, EachParameterCellIsChecked) {
  const Table golden = Golden(kParam2Param);
  const std::string failure =
      Failure(kParam2Param, {"Having_parameters_get_modified_by_values_in_other_parameters",
                             "Something bad happened instead.", 125,
                             "We expected very  specific values to be in the parameter cells, at least one of them "
                             "wasn't right."});
  for (const char* column : {"Counter 1", "Counter 2", "Counter 3", "Bonus Counter", "Text 1", "Text 2", "Text 3"}) {
    for (int row = 0; row < 3; ++row) {
      Table table = golden;
      table.Cell(row, column) += " ";
      EXPECT_EQ(WithoutDurations(kParam2Param, RunAs(kParam2Param, table)), Entries{failure})
          << column << " in row " << row;
    }
  }
}

TEST(TextEventTrialKinds, CountedByCaseSensitivePrefix) {
  const Varnel::TextEventTrialCounts counts = Varnel::CountTextEventTrials(
      {"block without params trial", "block without params trial 12", "pause block trial 3", "param block trial 4",
       "param block trial", "Param block trial 5", "block with params trial 1", "pause block", "", "?"});
  EXPECT_EQ(counts.withoutParams, 2);
  EXPECT_EQ(counts.pause, 1);
  EXPECT_EQ(counts.withParams, 2);
}

TEST(TextEventTrialKinds, OnlyFiftySixRowsInTwentySixThirtyPass) {
  struct Case {
    int rows, without, pause, param;
    bool complete;
  } cases[] = {{56, 20, 6, 30, true}, {56, 21, 5, 30, false}, {56, 20, 6, 29, false},
               {57, 20, 6, 30, false}, {56, 30, 6, 20, false}, {56, 20, 5, 31, false},
               {56, 20, 7, 29, false}, {0, 0, 0, 0, false}};
  for (const Case& c : cases) {
    EXPECT_EQ(Varnel::IsCompleteTextEventRun(c.rows, {c.without, c.pause, c.param}), c.complete)
        << c.rows << " rows, " << c.without << "-" << c.pause << "-" << c.param;
  }
}

TEST(RedBluePattern, MacroRowsGoWhereTheMacroRuns) {
  const Varnel::ExpectedTexts twoMacros = Varnel::RedBluePattern({"a0 macro", "a1 macro"});
  // The list as written down for the experiment with several block parents: the first 24 event names.
  const Varnel::ExpectedTexts expected = {
      "red", "blue", "red", "red", "blue", "red", "a0 macro", "a1 macro", "blue", "blue", "red",  "blue",
      "blue", "blue", "red", "red", "red", "blue", "blue", "red", "a0 macro", "a1 macro", "blue", "red"};
  EXPECT_EQ(twoMacros, expected);

  const Varnel::ExpectedTexts suffixed = Varnel::RedBluePattern({"m"}, "red1", "blue1");
  ASSERT_EQ(suffixed.size(), 22u);
  EXPECT_EQ(suffixed[0], "red1");
  EXPECT_EQ(suffixed[6], "m");
  EXPECT_EQ(suffixed[19], "m");
  EXPECT_EQ(suffixed[21], "red1");
  EXPECT_EQ(std::count(suffixed.begin(), suffixed.end(), "blue1"), 10);
}

}  // namespace

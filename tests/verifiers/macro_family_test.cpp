// The macro and when-to-present verifiers of case 2668 through the plug-in: event lists at the edges of each rule,
// shared test names that stay with their own experiment, and one verifier's windows on a host with its own.
#include "tests/support/goldenvariant.h"
#include "tests/support/scratchdir.h"
#include <gtest/gtest.h>

namespace {

using namespace testsupport;
using Entries = std::vector<std::string>;

std::string Experiment(const std::string& suffix) {
  return "2012_3_9_tessel_2668_" + suffix + (suffix == "wtr_logic_op_precedence" ? ".vn6" : ".vn4");
}

DataTable EventRows(const Entries& events) {
  DataTable table{{"Event\nName"}, {}};
  for (const std::string& event : events) table.rows.push_back({event});
  return table;
}

const std::string kGoToAny = "Go_to_block_any_functions_as_expected";
const std::string kGreaterOrEqual = "The_greater_or_equal_to_operator_works";

TEST(MacroFamily, EachVerifierAcceptsExactlyTheEventListsOfItsRule) {
  const struct {
    std::string suffix;
    Entries events;
    std::string check;
    bool passes;
  } cases[] = {
      // Go to block (any) accepts its two events in either order.
      {"macro_goto_block_any", {"event 1", "event 3"}, kGoToAny, true},
      {"macro_goto_block_any", {"event 3", "event 1"}, kGoToAny, true},
      {"macro_goto_block_any", {"event 1", "event 3", "event 3"}, kGoToAny, false},
      {"macro_goto_block_next", {"event 3", "event 1"}, kGoToAny, true},
      // Exit experiment counts rows only.
      {"macro_exit_experiment", {"whatever the host named it"}, "Experiment_exited_after_one_trial_as_expected", true},
      // The if-false macro asks only for event 1 somewhere among three rows.
      {"macro_if_false_simple", {"event 2", "event 1", "event 3"}, kGreaterOrEqual, true},
      {"macro_if_false_simple", {"event 2", "event 1"}, kGreaterOrEqual, false},
      {"macro_repeat_trial_no_wtr", {"event 1", "event 2", "event 2"}, "Repeat_trial_functions_as_expected", false},
      {"macro_present_event",
       {"event 2", "event 1", "event 2", "event 2"},
       "Present_event_functions_as_expected",
       false},
      // Names compare exactly.
      {"expr_time_since_exp",
       {"event 1", "event 2 "},
       "Time_since_start_of_experiment_expression_functions_as_expected",
       false},
      {"trial_wtp_less_than_equal", {"event 1", "event 1"}, kGreaterOrEqual, true},
  };
  for (const auto& c : cases) {
    const std::string experiment = Experiment(c.suffix);
    const std::vector<Outcome> outcomes = RunTables(experiment, {EventRows(c.events)});
    ASSERT_GE(outcomes.size(), 2u) << experiment;
    EXPECT_EQ(Verdicts({outcomes[1]}), Entries{(c.passes ? "pass " : "FAIL ") + c.check})
        << experiment << " with " << ::testing::PrintToString(c.events);
  }
}

// Five experiments report under one test name; each failure carries its own experiment's suite and location.
TEST(MacroFamily, SharedTestNamesReportUnderTheVerifiedExperiment) {
  const std::pair<std::string, int> sharers[] = {{"macro_if_false_simple", 64},
                                                 {"trial_wtp_greater_equal_to", 64},
                                                 {"trial_wtp_less_than", 62},
                                                 {"trial_wtp_less_than_equal", 64},
                                                 {"wtr_logic_op_precedence", 62}};
  ScratchDir files;
  std::vector<std::string> paths;
  for (const auto& sharer : sharers) {
    paths.push_back(EventRows({"event 2", "event 2", "event 2", "event 2"}).WriteAs(Experiment(sharer.first), files));
  }
  const Report report = RunThroughPlugin(paths);
  for (const auto& [suffix, line] : sharers) {
    const std::string experiment = Experiment(suffix);
    std::vector<std::string> locations;
    for (const Outcome& outcome : report.OfSuite(experiment)) {
      if (outcome.name == kGreaterOrEqual && outcome.failed) locations.push_back(outcome.location);
    }
    EXPECT_EQ(locations, Entries{"Whichever/File/Focuses/On/Verifying/" + experiment + ":" + std::to_string(line)});
  }
}

}  // namespace

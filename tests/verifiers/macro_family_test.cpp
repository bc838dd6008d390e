// The macro and when-to-present verifiers of case 2668 share test names: run in one host session, each keeps its
// failures in its own experiment's suite.
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

const std::string kGreaterOrEqual = "The_greater_or_equal_to_operator_works";

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

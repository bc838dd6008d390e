// Several data files in one host session, which no single faulty data file can show: verifiers that share test
// names keep their failures in their own suites, and numbering that goes on across runs.
#include "support/datafile.h"
#include "support/pluginhost.h"
#include "support/scratchdir.h"
#include <gtest/gtest.h>

namespace {

using namespace testsupport;
using Entries = std::vector<std::string>;

// Five experiments report under one test name; each failure carries its own experiment's suite and location.
TEST(MacroFamily, SharedTestNamesReportUnderTheVerifiedExperiment) {
  const std::pair<std::string, int> sharers[] = {{"macro_if_false_simple.vn4", 64},
                                                 {"trial_wtp_greater_equal_to.vn4", 64},
                                                 {"trial_wtp_less_than.vn4", 62},
                                                 {"trial_wtp_less_than_equal.vn4", 64},
                                                 {"wtr_logic_op_precedence.vn6", 62}};
  ScratchDir files;
  std::vector<std::string> paths;
  for (const auto& sharer : sharers) {
    paths.push_back(files.File("2012_3_9_tessel_2668_" + sharer.first + " P01.txt"));
    WriteDataFile(paths.back(), {"Event\nName"}, {{"event 2"}, {"event 2"}, {"event 2"}, {"event 2"}});
  }
  const Report report = RunThroughPlugin(paths);
  for (const auto& [suffix, line] : sharers) {
    const std::string experiment = "2012_3_9_tessel_2668_" + suffix;
    std::vector<std::string> locations;
    for (const Outcome& outcome : report.OfSuite(experiment)) {
      if (outcome.name == "The_greater_or_equal_to_operator_works" && outcome.failed) {
        locations.push_back(outcome.location);
      }
    }
    EXPECT_EQ(locations, Entries{"Whichever/File/Focuses/On/Verifying/" + experiment + ":" + std::to_string(line)});
  }
}

// The sync-trial verifier numbers its time-stamp checks on across the runs of one process.
TEST(SyncTimeStamps, NumberingGoesOnAcrossRunsOfOneProcess) {
  const std::string golden = TestData("golden/2014-06-16_sync_trials.vn5 P01.txt");
  Entries checks;
  for (const Outcome& outcome : RunThroughPlugin({golden, golden}).OfSuite("2014-06-16_sync_trials.vn5")) {
    if (outcome.name.rfind("CHECK_TIMESTAMP_", 0) == 0) checks.push_back(Describe(outcome));
  }
  ASSERT_EQ(checks.size(), 50u);
  for (int i = 0; i < 50; ++i) EXPECT_EQ(checks[i], "pass CHECK_TIMESTAMP_" + std::to_string(i + 1));
}

}  // namespace

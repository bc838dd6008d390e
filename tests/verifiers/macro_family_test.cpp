// The macro and when-to-present verifiers of case 2668, run through the plug-in: which event lists each one
// accepts, that shared test names stay with their own experiment, and which duration windows apply on which
// machine.
#include "tests/support/datafile.h"
#include "tests/support/pluginhost.h"
#include "tests/support/report.h"
#include "tests/support/scratchdir.h"
#include "verifiers/framework/hostnames.h"
#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>

namespace {

using testsupport::Outcome;
using Names = std::vector<std::string>;

const std::string kPrefix = "2012_3_9_tessel_2668_";
const std::string kLocationPrefix = "Whichever/File/Focuses/On/Verifying/";

std::string Experiment(const std::string& suffix) {
  return kPrefix + suffix + (suffix == "wtr_logic_op_precedence" ? ".vn6" : ".vn4");
}

// Poses as another machine for the lifetime of the object; an empty name poses as an ordinary machine.
class PoseAsHost {
 public:
  explicit PoseAsHost(const std::string& hostName) {
    setenv(Varnel::kHostNameOverrideVariable, hostName.empty() ? "plain-workstation" : hostName.c_str(), 1);
  }
  ~PoseAsHost() { unsetenv(Varnel::kHostNameOverrideVariable); }
};

// One plug-in session over several data files of one experiment; each run's outcomes, in order.
class Session {
 public:
  explicit Session(const std::string& experiment) : experiment(experiment) {}

  void Run(const std::vector<std::string>& columns, const std::vector<std::vector<std::string>>& rows) {
    const std::string path = scratch.File(experiment + " P01.txt");
    testsupport::WriteDataFile(path, columns, rows);
    host.PerformPostProcessing(path);
  }

  // The outcomes of every run, split where a run's call pass begins.
  std::vector<std::vector<Outcome>> Finish() {
    std::vector<std::vector<Outcome>> runs;
    for (const Outcome& outcome : testsupport::ReadReport(host.ReleaseTestPrinter()).OfSuite(experiment)) {
      if (outcome.name == "VerifyDatafile_was_called_for_" + experiment) runs.emplace_back();
      if (!runs.empty()) runs.back().push_back(outcome);
    }
    return runs;
  }

 private:
  const std::string experiment;
  testsupport::ScratchDir scratch;
  testsupport::PluginHost host;
};

std::vector<std::vector<std::string>> EventRows(const Names& events) {
  std::vector<std::vector<std::string>> rows;
  for (const std::string& event : events) rows.push_back({event});
  return rows;
}

// ---- Event lists ----

struct EventCase {
  std::string suffix;
  Names events;
  std::string checkName;
  bool passes;
};

const EventCase kEventCases[] = {
    // Go to block (any) accepts its two events in either order, but not one of them twice.
    {"macro_goto_block_any", {"event 1", "event 3"}, "Go_to_block_any_functions_as_expected", true},
    {"macro_goto_block_any", {"event 3", "event 1"}, "Go_to_block_any_functions_as_expected", true},
    {"macro_goto_block_any", {"event 1", "event 1"}, "Go_to_block_any_functions_as_expected", false},
    {"macro_goto_block_any", {"event 1", "event 3", "event 3"}, "Go_to_block_any_functions_as_expected", false},
    {"macro_goto_block_next", {"event 3", "event 1"}, "Go_to_block_any_functions_as_expected", true},
    // Exit experiment counts rows only.
    {"macro_exit_experiment", {"whatever the host named it"}, "Experiment_exited_after_one_trial_as_expected", true},
    {"macro_exit_experiment", {"event 1", "event 1"}, "Experiment_exited_after_one_trial_as_expected", false},
    // The if-false macro asks only for event 1 somewhere among three rows.
    {"macro_if_false_simple", {"event 2", "event 1", "event 3"}, "The_greater_or_equal_to_operator_works", true},
    {"macro_if_false_simple", {"event 1", "event 1", "event 1"}, "The_greater_or_equal_to_operator_works", true},
    {"macro_if_false_simple", {"event 2", "event 1"}, "The_greater_or_equal_to_operator_works", false},
    {"macro_if_false_simple", {"event 2", "event 1", "event 3", "event 1"}, "The_greater_or_equal_to_operator_works",
     false},
    // Repeat trial: event 1 must come first.
    {"macro_repeat_trial_no_wtr", {"event 1", "event 2", "event 2", "event 2"}, "Repeat_trial_functions_as_expected",
     true},
    {"macro_repeat_trial_no_wtr", {"event 2", "event 2", "event 2", "event 1"}, "Repeat_trial_functions_as_expected",
     false},
    {"macro_repeat_trial_no_wtr", {"event 1", "event 2", "event 2"}, "Repeat_trial_functions_as_expected", false},
    {"macro_repeat_block", {"event 1", "event 1", "event 1"}, "Repeat_block_functions_as_expected", true},
    {"macro_repeat_block", {"event 1", "event 1"}, "Repeat_block_functions_as_expected", false},
    // Sequences: a row too many or too few fails, and names compare exactly.
    {"macro_present_event", {"event 2", "event 1", "event 2"}, "Present_event_functions_as_expected", true},
    {"macro_present_event", {"event 2", "event 1"}, "Present_event_functions_as_expected", false},
    {"macro_present_event", {"event 2", "event 1", "event 2", "event 2"}, "Present_event_functions_as_expected",
     false},
    {"macro_goto_block_prev", {"event 1", "event 2", "event 1", "event 2", "event 2", "event 2"},
     "Go_to_block_previous_functions_as_expected", false},
    {"expr_time_since_exp", {"event 1", "event 2 "}, "Time_since_start_of_experiment_expression_functions_as_expected",
     false},
    {"macro_skip_trial", {"event 1", "event 3"}, "Repeat_block_functions_as_expected", true},
    {"trial_wtp_less_than", {"event 1"}, "The_greater_or_equal_to_operator_works", true},
    {"trial_wtp_less_than", {"event 1", "event 1"}, "The_greater_or_equal_to_operator_works", false},
    {"trial_wtp_less_than_equal", {"event 1", "event 1"}, "The_greater_or_equal_to_operator_works", true},
    {"wtr_logic_op_precedence", {"event 1"}, "The_greater_or_equal_to_operator_works", true},
    {"trial_wtp_equal_to", {"event 1"}, "The_equal_to_operator_works", true},
};

TEST(MacroFamilyEvents, EachVerifierAcceptsExactlyTheEventListsOfItsRule) {
  PoseAsHost ordinary("");
  for (const EventCase& c : kEventCases) {
    const std::string experiment = Experiment(c.suffix);
    Session session(experiment);
    session.Run({"Event\nName"}, EventRows(c.events));
    const auto runs = session.Finish();
    ASSERT_EQ(runs.size(), 1u) << experiment;
    ASSERT_GE(runs[0].size(), 2u) << experiment;
    const Outcome& check = runs[0][1];
    EXPECT_EQ(check.name, c.checkName) << experiment;
    EXPECT_EQ(check.failed, !c.passes) << experiment << " with " << ::testing::PrintToString(c.events);
  }
}

TEST(MacroFamilyEvents, WithoutTheEventColumnOnlyTheRowCountCanHold) {
  PoseAsHost ordinary("");
  const struct {
    std::string suffix;
    bool passes;
  } cases[] = {{"macro_exit_experiment", true}, {"trial_wtp_less_than", false}, {"trial_wtp_equal_to", false}};
  for (const auto& c : cases) {
    Session session(Experiment(c.suffix));
    session.Run({"Trial\nName"}, {{"event 1"}});
    const auto runs = session.Finish();
    ASSERT_EQ(runs.size(), 1u);
    ASSERT_GE(runs[0].size(), 2u);
    EXPECT_EQ(runs[0][1].failed, !c.passes) << c.suffix;
  }
}

// Five experiments report under one check name; each failure must carry its own experiment's suite and location.
TEST(MacroFamilyEvents, SharedCheckNamesReportUnderTheVerifiedExperiment) {
  PoseAsHost ordinary("");
  const struct {
    std::string suffix;
    int line;
  } sharers[] = {{"macro_if_false_simple", 64},
                 {"trial_wtp_greater_equal_to", 64},
                 {"trial_wtp_less_than", 62},
                 {"trial_wtp_less_than_equal", 64},
                 {"wtr_logic_op_precedence", 62}};
  testsupport::ScratchDir scratch;
  testsupport::PluginHost host;
  for (const auto& sharer : sharers) {
    const std::string path = scratch.File(Experiment(sharer.suffix) + " P01.txt");
    testsupport::WriteDataFile(path, {"Event\nName"}, EventRows({"event 2", "event 2", "event 2", "event 2"}));
    host.PerformPostProcessing(path);
  }
  const testsupport::Report report = testsupport::ReadReport(host.ReleaseTestPrinter());
  for (const auto& sharer : sharers) {
    const std::string experiment = Experiment(sharer.suffix);
    std::vector<Outcome> checks;
    for (const Outcome& outcome : report.OfSuite(experiment)) {
      if (outcome.name == "The_greater_or_equal_to_operator_works") checks.push_back(outcome);
    }
    ASSERT_EQ(checks.size(), 1u) << experiment;
    EXPECT_TRUE(checks[0].failed);
    EXPECT_EQ(checks[0].location, kLocationPrefix + experiment + ":" + std::to_string(sharer.line));
  }
}

// ---- Duration windows ----

struct Window {
  int min;
  int max;
};

enum class Machine { kOrdinary, kHostA, kHostB, kBuildFarm };

struct MemberWindows {
  std::string suffix;
  std::optional<Window> experiment, expansion, hostA, hostB, buildFarm;
};

const MemberWindows kWindows[] = {
    {"expr_time_since_exp", Window{4000, 4050}, Window{0, 5000}, Window{4000, 4100}, Window{4000, 4150}, {}},
    {"macro_exit_experiment", Window{900, 1100}, Window{0, 1000}, {}, {}, Window{800, 1150}},
    {"macro_goto_block_any", Window{1600, 1660}, Window{0, 5000}, Window{1600, 1700}, Window{1600, 1800}, {}},
    {"macro_goto_block_next", {}, {}, {}, {}, {}},
    {"macro_goto_block_prev", Window{7700, 7900}, Window{0, 3000}, Window{7600, 7900}, {}, {}},
    {"macro_if_false_simple", Window{2400, 2500}, Window{0, 5000}, Window{2400, 2560}, Window{2400, 2700}, {}},
    {"macro_present_event", Window{5000, 5100}, Window{0, 5000}, Window{5000, 5190}, Window{5000, 5200}, {}},
    {"macro_repeat_block", Window{2400, 2500}, Window{0, 5000}, Window{2400, 2580}, Window{2400, 2700}, {}},
    {"macro_repeat_trial_no_wtr", Window{3200, 3250}, Window{0, 1000}, {}, {}, Window{3200, 3300}},
    {"macro_reset_trial_count", {}, {}, {}, {}, {}},
    {"macro_skip_trial", Window{1600, 1700}, Window{0, 5000}, Window{1600, 1730}, {}, {}},
    {"trial_wtp_codes", Window{1600, 1630}, Window{0, 5000}, Window{1600, 1720}, Window{1600, 1800}, {}},
    {"trial_wtp_equal_to", Window{800, 820}, Window{0, 5000}, Window{800, 870}, Window{800, 920}, {}},
    {"trial_wtp_greater_equal_to", Window{2400, 2560}, Window{0, 5000}, Window{2400, 2560}, Window{2400, 2630}, {}},
    {"trial_wtp_less_than", Window{800, 840}, Window{0, 3000}, Window{800, 850}, {}, {}},
    {"trial_wtp_less_than_equal", Window{1600, 1650}, Window{0, 5000}, Window{1600, 1710}, Window{1600, 1730}, {}},
    {"wtr_logic_op_precedence", Window{950, 1100}, Window{0, 1000}, {}, {}, Window{950, 1150}},
};

std::string HostNameOf(Machine machine) {
  switch (machine) {
    case Machine::kOrdinary:
      return "";
    case Machine::kHostA:
      return (Varnel::kHostNameA.Upper() + ".lab.example").ToStdString();
    case Machine::kHostB:
      return ("lab-" + Varnel::kHostNameB).ToStdString();
    case Machine::kBuildFarm:
      return ("ci-" + Varnel::kBuildFarmHost + "-07").ToStdString();
  }
  return "";
}

std::optional<Window> HostWindow(const MemberWindows& member, Machine machine) {
  switch (machine) {
    case Machine::kHostA:
      return member.hostA;
    case Machine::kHostB:
      return member.hostB;
    case Machine::kBuildFarm:
      return member.buildFarm;
    case Machine::kOrdinary:
      break;
  }
  return std::nullopt;
}

std::string DurationOutcome(const std::string& what, const std::string& experiment, Window window, int value) {
  const std::string name = what + "_duration_" + experiment;
  if (window.min <= value && value <= window.max) return "pass " + name;
  return "FAIL " + name + " | " + what + " duration is weird. Too short or too long (see details below). | " +
         kLocationPrefix + experiment + ":237 | Expected a duration between " + std::to_string(window.min) +
         " and " + std::to_string(window.max) + ". Instead, we got a duration of " + std::to_string(value) + ".";
}

// What one run with these times must report: the general windows except on the build farm, then the window of
// the machine, if it has one.
Names ExpectedDurations(const MemberWindows& member, Machine machine, int experimentMs, int expansionMs) {
  const std::string experiment = Experiment(member.suffix);
  Names outcomes;
  if (machine != Machine::kBuildFarm) {
    if (member.experiment) {
      outcomes.push_back(DurationOutcome("Experiment", experiment, *member.experiment, experimentMs));
    }
    if (member.expansion) {
      outcomes.push_back(DurationOutcome("Expansion", experiment, *member.expansion, expansionMs));
    }
  }
  if (const auto onHost = HostWindow(member, machine)) {
    outcomes.push_back(DurationOutcome("Experiment", experiment, *onHost, experimentMs));
  }
  return outcomes;
}

void AddBounds(std::vector<int>& probes, const std::optional<Window>& window) {
  if (!window) return;
  for (int value : {window->min - 1, window->min, window->max, window->max + 1}) probes.push_back(value);
}

// Run and expansion times that probe every bound of every window that could apply, plus one far outside all.
std::vector<std::pair<int, int>> Probes(const MemberWindows& member) {
  std::vector<int> experimentProbes, expansionProbes;
  for (const auto& window : {member.experiment, member.hostA, member.hostB, member.buildFarm}) {
    AddBounds(experimentProbes, window);
  }
  AddBounds(expansionProbes, member.expansion);
  std::vector<std::pair<int, int>> probes;
  for (int value : experimentProbes) probes.push_back({value, 0});
  for (int value : expansionProbes) probes.push_back({member.experiment ? member.experiment->min : 0, value});
  probes.push_back({999999, 999999});
  return probes;
}

class MacroFamilyDurations : public ::testing::TestWithParam<Machine> {};

TEST_P(MacroFamilyDurations, EveryBoundOfEveryWindowThatAppliesOnThisMachine) {
  const Machine machine = GetParam();
  PoseAsHost pose(HostNameOf(machine));
  for (const MemberWindows& member : kWindows) {
    const std::string experiment = Experiment(member.suffix);
    const auto probes = Probes(member);
    Session session(experiment);
    for (const auto& [experimentMs, expansionMs] : probes) {
      session.Run({"Event\nName", "Cumulative\nTime", "Expansion Time(ms): " + std::to_string(expansionMs)},
                  {{"event 1", "1", ""}, {"event 1", std::to_string(experimentMs), ""}});
    }
    const auto runs = session.Finish();
    ASSERT_EQ(runs.size(), probes.size()) << experiment;
    for (size_t i = 0; i < probes.size(); ++i) {
      Names durations;
      for (const Outcome& outcome : runs[i]) {
        if (outcome.name.find("_duration_") != std::string::npos) durations.push_back(Describe(outcome));
      }
      EXPECT_EQ(durations, ExpectedDurations(member, machine, probes[i].first, probes[i].second))
          << experiment << " run " << probes[i].first << " ms, expansion " << probes[i].second << " ms";
    }
  }
}

std::string MachineName(const ::testing::TestParamInfo<Machine>& info) {
  switch (info.param) {
    case Machine::kOrdinary:
      return "Ordinary";
    case Machine::kHostA:
      return "HostA";
    case Machine::kHostB:
      return "HostB";
    case Machine::kBuildFarm:
      return "BuildFarm";
  }
  return "Unknown";
}

INSTANTIATE_TEST_SUITE_P(OnEachMachine, MacroFamilyDurations,
                         ::testing::Values(Machine::kOrdinary, Machine::kHostA, Machine::kHostB, Machine::kBuildFarm),
                         MachineName);

}  // namespace

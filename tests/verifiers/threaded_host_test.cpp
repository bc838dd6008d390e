// A host that calls the plug-in from several threads at once: every call lands whole, in a well-formed report.
#include "support/files.h"
#include "support/hostpose.h"
#include "support/pluginhost.h"
#include "support/scratchdir.h"
#include "hostkit/hostpose.h"
#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <vector>

namespace {

using testsupport::Outcome;

const char kWasCalled[] = "DataHookOutputTestingPlugin_PerformPostProcessing_was_called";
const char kAssertionPrefix[] = "TestingPluginDH_AssertionFailure_";

// A golden and a faulty data file per thread: passes, failures and a file no verifier reads.
const std::vector<std::vector<std::string>> kFilesPerThread = {
    {"golden/mac_input_settings_45_one.vn4 P01.txt",
     "faulty/2012_3_9_tessel_2668_macro_if_false_simple.vn4 events 2 1.txt"},
    {"golden/basic_input_kestra_qd_singlekey_pst.vn4 P01.txt",
     "faulty/2012_3_9_tessel_2668_trial_wtp_less_than_equal.vn4 events 1 1.txt"},
    {"golden/2014-12-4_fail_to_present_block.vn5 P01.txt",
     "faulty/2012_3_16_tessel_2670_loop_guard_block_level.vn6 empty.txt"},
    {"golden/2012_3_9_tessel_2668_trial_wtp_equal_to.vn4 P01.txt",
     "faulty/2012_3_9_tessel_2668_macro_goto_block_next.vn4 events 3 1.txt"}};
constexpr int kRounds = 3;

// The outcomes of the verifiers' own suites, in an order that does not depend on how the threads met.
std::vector<std::string> VerifierOutcomes(const testsupport::Report& report) {
  std::vector<std::string> outcomes;
  for (const Outcome& outcome : report.outcomes) {
    if (outcome.name == kWasCalled || outcome.name.rfind(kAssertionPrefix, 0) == 0) continue;
    if (outcome.name == "SingleDummyPassingTest") continue;
    outcomes.push_back(outcome.suite + " | " + testsupport::Describe(outcome));
  }
  std::sort(outcomes.begin(), outcomes.end());
  return outcomes;
}

TEST(ThreadedHost, EveryCallOfFourThreadsLandsInOneWellFormedReport) {
  std::vector<std::string> paths;
  for (const auto& files : kFilesPerThread) {
    for (const std::string& file : files) paths.push_back(testsupport::TestData(file));
  }
  // The same calls one at a time give what every round must add.
  const testsupport::Report alone = testsupport::RunThroughPlugin(paths);
  std::vector<std::string> expected;
  for (int round = 0; round < kRounds; ++round) {
    const std::vector<std::string> once = VerifierOutcomes(alone);
    expected.insert(expected.end(), once.begin(), once.end());
  }
  std::sort(expected.begin(), expected.end());
  ASSERT_GT(alone.failures, 0) << "the faulty files fail checks";

  const hostkit::PosingAs posing(testsupport::HostNameOf(testsupport::Machine::Plain));
  testsupport::ScratchDir scratch;
  testsupport::PluginHost host;
  std::vector<std::thread> threads;
  for (std::size_t t = 0; t < kFilesPerThread.size(); ++t) {
    threads.emplace_back([&host, t] {
      for (int round = 0; round < kRounds; ++round) {
        for (const std::string& file : kFilesPerThread[t]) {
          host.PerformPostProcessing(testsupport::TestData(file));
          host.OnHostAssertionFailure("thread " + std::to_string(t) + " round " + std::to_string(round) + " " + file);
        }
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  const std::string reportPath = host.ReleaseTestPrinter();

  EXPECT_EQ(testsupport::SchemaErrors(reportPath), "");
  const testsupport::Report report = testsupport::ReadReport(reportPath);
  EXPECT_EQ(VerifierOutcomes(report), expected);
  const int calls = static_cast<int>(paths.size()) * kRounds;
  std::vector<std::string> assertions;
  int wasCalled = 0;
  for (const Outcome& outcome : report.outcomes) {
    if (outcome.name == kWasCalled) ++wasCalled;
    if (outcome.name.rfind(kAssertionPrefix, 0) == 0) assertions.push_back(outcome.message);
  }
  EXPECT_EQ(wasCalled, calls);
  std::sort(assertions.begin(), assertions.end());
  EXPECT_EQ(std::unique(assertions.begin(), assertions.end()) - assertions.begin(), calls)
      << "one failure for every host assertion";
  EXPECT_EQ(report.tests, static_cast<int>(expected.size()) + 2 * calls + 1);
  EXPECT_EQ(report.failures, (alone.failures * kRounds) + calls);
}

}  // namespace

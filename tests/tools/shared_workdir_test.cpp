// Many runners in one work directory: concurrent ones each get their own verdict, and two of the same process id
// (containers each start at 1) never take each other's outcomes as their own.
#include "support/files.h"
#include "support/scratchdir.h"
#include "datahook_runner_child.h"
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;
using runnertest::RunnerResult;
using runnertest::RunRunner;

const std::string kGolden = DH_SOURCE_DIR "/testdata/golden/2012_3_16_tessel_2670_loop_guard_block_level.vn6 P01.txt";
const std::string kFaulty =
    DH_SOURCE_DIR "/testdata/faulty/2012_3_16_tessel_2670_loop_guard_block_level.vn6 seventh row.txt";
const char kAnotherProcess[] = "another process wrote the same report name";

// Runs the runners at once, each on one data file with the environment given, and returns their results in order.
std::vector<RunnerResult> RunAtOnce(const std::vector<std::string>& dataFiles, const std::vector<std::string>& env) {
  std::vector<RunnerResult> results(dataFiles.size());
  std::vector<std::thread> threads;
  for (std::size_t i = 0; i < dataFiles.size(); ++i) {
    threads.emplace_back([&, i] { results[i] = RunRunner({"--workdir", "shared", dataFiles[i]}, env); });
  }
  for (std::thread& thread : threads) thread.join();
  return results;
}

TEST(SharedWorkDir, EightRunnersAtOnceEachExitByTheirOwnOutcome) {
  testsupport::ScratchDir scratch;
  for (int round = 0; round < 3; ++round) {
    const std::vector<std::string> files = {kGolden, kFaulty, kGolden, kFaulty, kGolden, kFaulty, kGolden, kFaulty};
    const std::vector<RunnerResult> results = RunAtOnce(files, {});
    for (std::size_t i = 0; i < results.size(); ++i) {
      EXPECT_EQ(results[i].exitCode, files[i] == kGolden ? 0 : 1) << "round " << round << ": " << results[i].err;
    }
  }
}

// Both runners pose as process 1: they share the report's name. Where a runner cannot be sure the report it
// reads is its own it says so and exits 2; a verdict it gives is always its own file's.
TEST(SharedWorkDir, RunnersOfTheSameProcessIdNeverReportTheOthersOutcomes) {
  testsupport::ScratchDir scratch;
  for (int round = 0; round < 25; ++round) {
    const std::vector<RunnerResult> results = RunAtOnce({kGolden, kFaulty}, {"DH_AUTOMATEDTESTING_TEST_PROCESS_ID=1"});
    for (std::size_t i = 0; i < results.size(); ++i) {
      const RunnerResult& run = results[i];
      if (run.exitCode == 2) {
        EXPECT_NE(run.err.find(kAnotherProcess), std::string::npos) << run.err;
        continue;
      }
      EXPECT_EQ(run.exitCode, i == 0 ? 0 : 1) << "round " << round << ": " << run.out << run.err;
      EXPECT_NE(run.out.find("_pid_1: tests"), std::string::npos) << run.out;
    }
  }
}

// The runner writes no file of its own beside the report: a link planted where it once took its start time
// is not followed.
TEST(SharedWorkDir, NothingBesideTheReportIsFollowed) {
  testsupport::ScratchDir scratch;
  fs::create_directories("shared/scons-out/opt/tests/auto_experiment_tests");
  fs::create_symlink(scratch.File("outside.txt"),
                     "shared/scons-out/opt/tests/auto_experiment_tests/.datahook-runner-start");
  EXPECT_EQ(RunRunner({"--workdir", "shared", kGolden}).exitCode, 0);
  EXPECT_FALSE(fs::exists(scratch.File("outside.txt")));
}

}  // namespace

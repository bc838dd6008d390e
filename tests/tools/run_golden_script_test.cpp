// The script behind "make run": every data file of a folder through the runner, summaries printed.
#include "tests/support/files.h"
#include "tests/support/scratchdir.h"
#include "tests/tools/datahook_runner_child.h"
#include <filesystem>
#include <gtest/gtest.h>

namespace {

using runnertest::RunnerResult;
using testsupport::FileExists;
using testsupport::WriteFile;

RunnerResult RunScript(const std::string& dataDir, const std::string& runDir) {
  return runnertest::RunProgram({"/bin/bash", DH_SOURCE_DIR "/scripts/run-golden.sh", DH_BINARY_DIR, dataDir, runDir});
}

std::size_t CountOf(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

std::size_t ReportsIn(const std::string& runDir) {
  std::size_t reports = 0;
  for (const auto& entry : std::filesystem::directory_iterator(runDir + "/scons-out/opt/tests/auto_experiment_tests"))
    if (entry.path().extension() == ".xml") ++reports;
  return reports;
}

TEST(RunGoldenScript, EmptyFolderStillShowsTheStartingReport) {
  testsupport::ScratchDir scratch;
  std::filesystem::create_directories(scratch.File("data"));
  WriteFile(scratch.File("data/.gitkeep"), "");
  std::filesystem::create_directories(scratch.File("run"));
  WriteFile(scratch.File("run/left-over"), "from an earlier run\n");
  const auto run = RunScript("data", "run");
  EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
  EXPECT_NE(run.out.find("no data files in data"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("suite DefaultInitialTestSuite_ConcreteFakeJUnitPrinter_pid_"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("total: suites 1, tests 1, failures 0\n"), std::string::npos) << run.out;
  EXPECT_FALSE(FileExists(scratch.File("run/left-over")));
  EXPECT_EQ(ReportsIn(scratch.File("run")), 1u);
}

TEST(RunGoldenScript, FilesWithStimAreasGetARunnerOfTheirOwnAndOrderIsKept) {
  testsupport::ScratchDir scratch;
  std::filesystem::create_directories(scratch.File("data/folder"));
  for (const char* name : {"a.txt", "b c.txt", "d.txt", "e.txt"}) WriteFile(scratch.File("data/") + name, "");
  WriteFile(scratch.File("data/d.stimareas"), "1\t2\t3\t4\t5\tarea\n");
  const auto run = RunScript("data", "run");
  EXPECT_EQ(run.exitCode, 1) << run.out << run.err;
  EXPECT_EQ(CountOf(run.out, "report: "), 3u) << run.out;
  EXPECT_EQ(ReportsIn(scratch.File("run")), 3u);
  const std::size_t a = run.out.find("locating_verifier_for_a\n");
  const std::size_t b = run.out.find("locating_verifier_for_b c\n");
  const std::size_t d = run.out.find("locating_verifier_for_d\n");
  const std::size_t e = run.out.find("locating_verifier_for_e\n");
  ASSERT_NE(e, std::string::npos) << run.out;
  EXPECT_LT(a, b);
  EXPECT_LT(b, d);
  EXPECT_LT(d, e);
  // a and b share the first runner; d has its own, e the last one. The folder is not a data file.
  EXPECT_NE(run.out.find("total: suites 1, tests 5, failures 2\n"), std::string::npos) << run.out;
  EXPECT_EQ(CountOf(run.out, "total: suites 1, tests 3, failures 1\n"), 2u) << run.out;
  EXPECT_EQ(run.out.find("locating_verifier_for_folder"), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find("locating_verifier_for_d.stimareas"), std::string::npos) << run.out;
}

TEST(RunGoldenScript, StimAreaFileIsHandedToTheRunner) {
  testsupport::ScratchDir scratch;
  std::filesystem::create_directories(scratch.File("data"));
  WriteFile(scratch.File("data/ok.txt"), "");
  WriteFile(scratch.File("data/x.txt"), "");
  WriteFile(scratch.File("data/x.stimareas"), "not an area\n");
  const auto run = RunScript("data", "run");
  // The broken area file stops its own run only; the other file's run still reports.
  EXPECT_EQ(run.exitCode, 2) << run.out << run.err;
  EXPECT_NE(run.err.find("data/x.stimareas:1: malformed stimulus area"), std::string::npos) << run.err;
  EXPECT_NE(run.out.find("locating_verifier_for_ok\n"), std::string::npos) << run.out;
}

TEST(RunGoldenScript, MissingDataFolderIsAnError) {
  testsupport::ScratchDir scratch;
  const auto run = RunScript("absent", "run");
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.err.find("no data folder absent"), std::string::npos) << run.err;
}

}  // namespace

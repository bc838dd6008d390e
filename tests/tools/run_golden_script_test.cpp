// The script behind "make run": every data file of a folder through the runner, summaries printed.
#include "tests/support/files.h"
#include "tests/support/scratchdir.h"
#include "tests/tools/datahook_runner_child.h"
#include <filesystem>
#include <gtest/gtest.h>

namespace {

using testsupport::WriteFile;

runnertest::RunnerResult RunScript(const std::string& dataDir) {
  return runnertest::RunProgram({"/bin/bash", DH_SOURCE_DIR "/scripts/run-golden.sh", DH_BINARY_DIR, dataDir, "run"});
}

std::size_t CountOf(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

TEST(RunGoldenScript, EmptyOrMissingFolder) {
  testsupport::ScratchDir scratch;
  std::filesystem::create_directories(scratch.File("run"));
  WriteFile(scratch.File("run/left-over"), "from an earlier run\n");
  EXPECT_EQ(RunScript("absent").exitCode, 2);
  std::filesystem::create_directories(scratch.File("data"));
  const auto run = RunScript("data");
  EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
  EXPECT_NE(run.out.find("no data files in data"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("total: suites 1, tests 1, failures 0\n"), std::string::npos) << run.out;
  EXPECT_FALSE(testsupport::FileExists(scratch.File("run/left-over")));
}

TEST(RunGoldenScript, FilesWithStimAreasGetARunnerOfTheirOwnAndOrderIsKept) {
  testsupport::ScratchDir scratch;
  std::filesystem::create_directories(scratch.File("data/folder"));
  for (const char* name : {"a.txt", "b c.txt", "d.txt", "e.txt", "x.txt"}) WriteFile(scratch.File("data/") + name, "");
  WriteFile(scratch.File("data/d.stimareas"), "1\t2\t3\t4\t5\tarea\n");
  WriteFile(scratch.File("data/x.stimareas"), "not an area\n");
  const auto run = RunScript("data");
  // The broken area file stops its own run only.
  EXPECT_EQ(run.exitCode, 2) << run.out << run.err;
  EXPECT_NE(run.err.find("data/x.stimareas:1: malformed stimulus area"), std::string::npos) << run.err;
  // a and b share the first runner; d has its own, e the next one. The folder is not a data file.
  EXPECT_EQ(CountOf(run.out, "report: "), 3u) << run.out;
  const std::size_t a = run.out.find("locating_verifier_for_a\n"), b = run.out.find("locating_verifier_for_b c\n"),
                    d = run.out.find("locating_verifier_for_d\n"), e = run.out.find("locating_verifier_for_e\n");
  ASSERT_NE(e, std::string::npos) << run.out;
  EXPECT_TRUE(a < b && b < d && d < e) << run.out;
  EXPECT_NE(run.out.find("total: suites 1, tests 5, failures 2\n"), std::string::npos) << run.out;
  EXPECT_EQ(CountOf(run.out, "total: suites 1, tests 3, failures 1\n"), 2u) << run.out;
  EXPECT_EQ(run.out.find("locating_verifier_for_folder"), std::string::npos) << run.out;
}

}  // namespace

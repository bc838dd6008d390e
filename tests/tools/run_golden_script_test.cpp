// The script behind "make run": every data file of a folder through the runner, summaries printed.
#include "support/files.h"
#include "support/scratchdir.h"
#include "datahook_runner_child.h"
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

TEST(RunGoldenScript, OneRunnerForTheFolderInOrderEachFileWithTheAreasBesideIt) {
  testsupport::ScratchDir scratch;
  std::filesystem::create_directories(scratch.File("data/folder"));
  for (const char* name : {"a.txt", "b c.txt", "d.txt", "e.txt"}) WriteFile(scratch.File("data/") + name, "");
  WriteFile(scratch.File("data/d.stimareas"), "1\t2\t3\t4\t5\tarea\n");
  const auto run = RunScript("data");
  EXPECT_EQ(run.exitCode, 1) << run.out << run.err;
  EXPECT_EQ(CountOf(run.out, "report: "), 1u) << run.out;
  const std::size_t a = run.out.find("locating_verifier_for_a\n"), b = run.out.find("locating_verifier_for_b c\n"),
                    d = run.out.find("locating_verifier_for_d\n"), e = run.out.find("locating_verifier_for_e\n");
  ASSERT_NE(e, std::string::npos) << run.out;
  EXPECT_TRUE(a < b && b < d && d < e) << run.out;
  EXPECT_NE(run.out.find("total: suites 1, tests 9, failures 4\n"), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find("locating_verifier_for_folder"), std::string::npos) << run.out;

  // A broken area file stops the run before the plug-in is touched.
  WriteFile(scratch.File("data/x.txt"), "");
  WriteFile(scratch.File("data/x.stimareas"), "not an area\n");
  const auto broken = RunScript("data");
  EXPECT_EQ(broken.exitCode, 2) << broken.out << broken.err;
  EXPECT_NE(broken.err.find("data/x.stimareas:1: malformed stimulus area"), std::string::npos) << broken.err;
}

}  // namespace

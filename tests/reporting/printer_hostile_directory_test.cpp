// Others may write to the report directory: links planted there, leftovers of killed writers and a final
// write that fails must never make the printer write elsewhere or leave a report that is not its own.
#include "reporting/concretefakejunitprinter.h"
#include "tests/support/files.h"
#include "tests/support/scratchdir.h"
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using testsupport::FileExists;
using testsupport::ReadFile;
using testsupport::WriteFile;
using Varnel::ConcreteFakeJUnitPrinter;
namespace fs = std::filesystem;

const std::string kPid = std::to_string(getpid());
const std::string kDir = "./scons-out/opt/tests/auto_experiment_tests/";
const std::string kReport = kDir + "FakeUnitTestsDataHookExperimentRunning_" + kPid + ".xml";
const std::string kPreviousReport = kDir + "FakeUnitTestsDataHookExperimentRunning.xml";
const std::string kFlag = kDir + "special_flag_file_" + kPid + ".dat";

std::unique_ptr<ConcreteFakeJUnitPrinter> NewPrinter() {
  return std::make_unique<ConcreteFakeJUnitPrinter>("FakeUnitTestsDataHookExperimentRunning", "auto_experiment_tests",
                                                    true);
}

bool Present(const std::string& path) { return fs::exists(fs::symlink_status(path)); }

class HostileDirectory : public ::testing::Test {
 protected:
  void SetUp() override { fs::create_directories(kDir); }
  testsupport::ScratchDir scratch;
};

TEST_F(HostileDirectory, LinksPlantedAtEveryPathTheWriterTouchesAreNeverFollowed) {
  const std::vector<std::vector<std::string>> plantings = {
      {kReport + ".partial", kFlag + ".partial"}, {kReport, kFlag}, {kPreviousReport}};
  for (const auto& planted : plantings) {
    // One target exists outside the directory, the other does not: neither may be written or created.
    WriteFile(scratch.File("outside.txt"), "untouched");
    for (const std::string& path : planted) {
      fs::create_symlink(scratch.File(path == planted.front() ? "outside.txt" : "created.txt"), path);
    }
    {
      auto printer = NewPrinter();
      printer->ReportPass("p");
    }
    EXPECT_EQ(ReadFile(scratch.File("outside.txt")), "untouched") << planted.front();
    EXPECT_FALSE(Present(scratch.File("created.txt"))) << planted.front();
    EXPECT_FALSE(fs::is_symlink(kReport)) << planted.front();
    EXPECT_NE(ReadFile(kReport).find("test001p"), std::string::npos) << planted.front();
    EXPECT_EQ(ReadFile(kFlag), "\n");
    EXPECT_FALSE(Present(kReport + ".partial"));
    EXPECT_FALSE(Present(kFlag + ".partial"));
    fs::remove_all(kDir);
    fs::create_directories(kDir);
  }
}

TEST_F(HostileDirectory, FailedFinalWriteLeavesNoEarlierReportUnderThisRunsName) {
  WriteFile(kPreviousReport, "an earlier run's report");
  auto printer = NewPrinter();
  ASSERT_EQ(ReadFile(kReport), "an earlier run's report") << "moved to this run's name at start";
  printer->ReportFailure("f", "s", "l", "m");
  // A directory with something in it where the temporary file goes: the write fails as on a full disk.
  fs::create_directories(kReport + ".partial/in-the-way");
  ::testing::internal::CaptureStderr();
  printer.reset();
  const std::string errors = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(errors.find("FakeJUnitPrinter failed to write to the file " + kReport), std::string::npos) << errors;
  EXPECT_FALSE(Present(kReport));
}

TEST_F(HostileDirectory, LeftoversOfWritersNoLongerRunningAreRemovedAtStart) {
  const pid_t gone = fork();
  ASSERT_GE(gone, 0);
  if (gone == 0) _exit(0);
  waitpid(gone, nullptr, 0);
  const std::string goneId = std::to_string(gone);
  const std::string running = std::to_string(getppid());
  const std::vector<std::string> leftovers = {
      kDir + "FakeUnitTestsDataHookExperimentRunning_" + goneId + ".xml.partial",
      kDir + "special_flag_file_" + goneId + ".dat.partial", kReport + ".partial"};
  const std::string stillWriting = kDir + "FakeUnitTestsDataHookExperimentRunning_" + running + ".xml.partial";
  for (const std::string& path : leftovers) WriteFile(path, "<testsuites");
  WriteFile(stillWriting, "<testsuites");
  auto printer = NewPrinter();
  for (const std::string& path : leftovers) EXPECT_FALSE(Present(path)) << path;
  EXPECT_TRUE(Present(stillWriting));
}

}  // namespace

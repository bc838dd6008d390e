// A host killed while the report is being written must leave the earlier report or none, never half a report.
#include "support/files.h"
#include "support/pluginhost.h"
#include "support/scratchdir.h"
#include <chrono>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

const std::string kEarlierReport =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<testsuites tests=\"0\" failures=\"0\" disabled=\"0\" "
    "errors=\"0\" time=\"0\" name=\"AllTests\">\n</testsuites>\n";

// The child loads the plug-in, says so, waits for the go, then piles up a large report and writes it.
[[noreturn]] void HostThatGetsKilled(int loadedWrite, int goRead) {
  testsupport::PluginHost host;
  char signal = 'l';
  if (write(loadedWrite, &signal, 1) != 1 || read(goRead, &signal, 1) != 1) _exit(2);
  for (int i = 0; i < 60000; ++i) host.OnHostAssertionFailure("host.cpp(" + std::to_string(i) + "): assertion failed");
  host.ReleaseTestPrinter();
  _exit(0);
}

// Whether a temporary file of the report ("<report>.<instance>.partial") is there.
bool TemporaryOfReportExists(const std::string& report) {
  for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(report).parent_path())) {
    const std::string name = entry.path().string();
    if (name.rfind(report + ".", 0) == 0 && name.size() > 8 && name.substr(name.size() - 8) == ".partial") return true;
  }
  return false;
}

// Writing has begun once a temporary file appears beside the report, or the report itself changes.
bool WaitForWriting(const std::string& report, std::chrono::seconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (!TemporaryOfReportExists(report) && testsupport::ReadFile(report) == kEarlierReport) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::microseconds(100));
  }
  return true;
}

void ExpectEarlierOrWhole(const std::string& report, int attempt) {
  const std::string left = testsupport::ReadFile(report);
  if (left == kEarlierReport) return;
  ASSERT_GE(left.size(), 14u) << "attempt " << attempt;
  EXPECT_EQ(left.substr(left.size() - 14), "</testsuites>\n") << "attempt " << attempt;
}

TEST(KilledWhileWriting, LeavesTheEarlierReportOrTheWholeNewOne) {
  testsupport::ScratchDir scratch;
  for (int attempt = 0; attempt < 6; ++attempt) {
    int loaded[2], go[2];
    ASSERT_EQ(pipe(loaded), 0);
    ASSERT_EQ(pipe(go), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) HostThatGetsKilled(loaded[1], go[0]);

    char signal = 0;
    ASSERT_EQ(read(loaded[0], &signal, 1), 1);
    const std::string report = testsupport::ReportPathOf(child);
    testsupport::WriteFile(report, kEarlierReport);
    ASSERT_EQ(write(go[1], "g", 1), 1);

    // While the new report is being written, whoever reads the file sees the earlier report or the whole new
    // one; then the writer is killed, a little later on each attempt.
    const bool writing = WaitForWriting(report, std::chrono::seconds(60));
    const auto killAt = std::chrono::steady_clock::now() + std::chrono::milliseconds(2 * attempt);
    do {
      ExpectEarlierOrWhole(report, attempt);
    } while (std::chrono::steady_clock::now() < killAt);
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    for (int fd : {loaded[0], loaded[1], go[0], go[1]}) close(fd);
    ASSERT_TRUE(writing) << "the child never began writing its report";
    ExpectEarlierOrWhole(report, attempt);
  }
}

}  // namespace

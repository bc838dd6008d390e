// Out of memory anywhere in a run of datahook-runner never gives a wrong verdict and never an abort. Each round
// runs the whole runner, with the real plug-in, in a child process whose K-th allocation fails: before the outcome
// is told the run ends in 1 (the report holds the fault) or 2 (with a message), never in a pass and never blaming
// the plug-in for the runner's own failure; after it, even inside the toolkit's clean-up at exit, the outcome told
// stands.
#include "faultinjection/failingnew.h"
#include "support/files.h"
#include "support/pluginhost.h"
#include "support/scratchdir.h"
#include "runner.h"
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <iostream>
#include <set>
#include <streambuf>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Every round writes a report and its diagnostics and flushes both to disk, so the samples are few: over the whole
// run, densely over its last allocations before the outcome (report, diagnostics, summary), and over the exit.
constexpr long kSamples = 30;
constexpr long kOutcomeWindow = 600;

// The child's standard output, noting how many allocations came before each write: the last one ends the summary.
class CountingOutput : public std::streambuf {
 public:
  explicit CountingOutput(int descriptor) : fd_(descriptor) {}
  long allocationsBeforeLastWrite = 0;

 protected:
  std::streamsize xsputn(const char* text, std::streamsize count) override {
    allocationsBeforeLastWrite = failingnew::Counted();
    return ::write(fd_, text, static_cast<std::size_t>(count)) == count ? count : 0;
  }

 private:
  int fd_;
};

struct Round {
  int status = -1;  // -1 when the child did not exit by itself
  std::string out, err;
  long outcomeAt = 0, total = 0;  // allocations before the summary's last write, and until the runner returned
  long failedAt = -1;             // the allocation that failed, 0 for none, -1 when the child ended before telling
};

int Create(const std::string& path) { return ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600); }

[[noreturn]] void RunChild(const testsupport::ScratchDir& scratch, long failAt, bool evenInToolkit) {
  const int counts = Create(scratch.File("counts"));
  if (counts < 0 || ::dup2(Create(scratch.File("err")), STDERR_FILENO) < 0) std::_Exit(100);
  CountingOutput output(Create(scratch.File("out")));
  std::cout.rdbuf(&output);
  const std::string plugin = DH_BINARY_DIR "/bin/dh-AutomatedTesting.so", workDir = scratch.File("work");
  const std::string dataFile = testsupport::TestData("golden/2014-12-4_fail_to_present_block.vn5 P01.txt");
  const char* argv[] = {"datahook-runner", "--plugin", plugin.c_str(), "--workdir", workDir.c_str(), dataFile.c_str()};
  failingnew::Arm(failAt, evenInToolkit);
  const int status = datahookrunner::RunDataHookRunner(6, argv);
  char line[96];
  const int length = std::snprintf(line, sizeof line, "%ld %ld %ld", output.allocationsBeforeLastWrite,
                                   failingnew::Counted(), failingnew::FailedAt());
  if (::write(counts, line, static_cast<std::size_t>(length)) != length) std::_Exit(101);
  std::exit(status);  // the runner's own exit: static destructors still run armed
}

Round RunRound(const testsupport::ScratchDir& scratch, long failAt, bool evenInToolkit = false) {
  // A fresh work directory every round: the files of earlier rounds would change the count of allocations.
  std::filesystem::remove_all(scratch.File("work"));
  std::fflush(nullptr);
  const pid_t child = ::fork();
  if (child == 0) RunChild(scratch, failAt, evenInToolkit);
  int status = 0;
  Round round;
  if (child < 0 || ::waitpid(child, &status, 0) != child) return round;
  if (WIFEXITED(status)) round.status = WEXITSTATUS(status);
  round.out = testsupport::WithoutProcessIds(testsupport::ReadFile(scratch.File("out")));
  round.err = testsupport::ReadFile(scratch.File("err"));
  std::sscanf(testsupport::ReadFile(scratch.File("counts")).c_str(), "%ld %ld %ld", &round.outcomeAt, &round.total,
              &round.failedAt);
  return round;
}

TEST(RunnerAllocationFailure, BeforeTheOutcomeIsToldNeverAPassAndNeverBlamedOnThePlugin) {
  testsupport::ScratchDir scratch;
  const Round clean = RunRound(scratch, 0);
  ASSERT_EQ(clean.status, 0) << clean.err;
  ASSERT_GT(clean.outcomeAt, kOutcomeWindow);
  std::set<long> chosen;
  failingnew::AddSpread(chosen, 1, clean.outcomeAt, kSamples);
  failingnew::AddSpread(chosen, clean.outcomeAt - kOutcomeWindow + 1, kOutcomeWindow, kSamples);
  std::size_t before = 0, diagnosticsLost = 0;
  for (long failAt : chosen) {
    const Round round = RunRound(scratch, failAt);
    const std::string trace = "allocation " + std::to_string(failAt) + " (failed " + std::to_string(round.failedAt) +
                              ")\n" + round.out + round.err;
    ASSERT_NE(round.status, -1) << trace;
    EXPECT_EQ(round.err.find("the plug-in threw"), std::string::npos) << trace;
    if (round.err.find("could not write its diagnostics") != std::string::npos) {
      ++diagnosticsLost;
      EXPECT_EQ(round.status, 2) << trace;
    }
    // Failed after the whole summary was out: the outcome stands.
    if (round.failedAt == 0 || round.out == clean.out) {
      EXPECT_EQ(round.status, 0) << trace;
      EXPECT_EQ(round.out, clean.out) << trace;
      continue;
    }
    ++before;
    // Never a pass; 2 says why; 1 comes from a report that holds the fault.
    EXPECT_NE(round.status, 0) << trace;
    EXPECT_TRUE(round.status != 2 || round.err.find("datahook-runner: ") != std::string::npos) << trace;
    EXPECT_TRUE(round.status != 1 || round.out.find(", failures 0\nreport: ") == std::string::npos) << trace;
  }
  // Only allocations under the toolkit's own code are passed over; the diagnostics' write is among those tried.
  EXPECT_GT(before, chosen.size() / 2);
  EXPECT_GT(diagnosticsLost, 0U);
}

TEST(RunnerAllocationFailure, AfterTheOutcomeIsToldNothingAbortsOrChangesIt) {
  testsupport::ScratchDir scratch;
  const Round clean = RunRound(scratch, 0);
  ASSERT_EQ(clean.status, 0) << clean.err;
  // The toolkit's clean-up allocates after the summary, and the exit's static destructors may.
  ASSERT_GT(clean.total, clean.outcomeAt);
  std::set<long> chosen;
  failingnew::AddSpread(chosen, clean.outcomeAt + 1, clean.total - clean.outcomeAt + 10, kSamples);
  for (long failAt : chosen) {
    const Round round = RunRound(scratch, failAt, true);
    EXPECT_EQ(round.status, 0) << "allocation " << failAt << "\n" << round.err;
    EXPECT_EQ(round.out, clean.out) << "allocation " << failAt;
  }
}

}  // namespace

// The runner end to end where a kept session (testdata/runner/sessions/) cannot show it: reports named at random,
// files that are no plain files, a report of ten thousand failures.
#include "support/report.h"
#include "support/files.h"
#include "support/scratchdir.h"
#include "datahook_runner_child.h"
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

using runnertest::ReportPathIn;
using runnertest::RunRunner;
using testsupport::WriteFile;

TEST(DatahookRunner, JunitDirSwitchesTheDashboardReportOnAndPrintsItsPathLast) {
  testsupport::ScratchDir scratch;
  const auto run = RunRunner({"--junit-dir", "dashboards", "Other Experiment.txt"});
  EXPECT_EQ(run.exitCode, 1) << run.err;
  const std::vector<std::string> reports = testsupport::DashboardReportsIn(scratch.File("dashboards"));
  ASSERT_EQ(reports.size(), 1u) << run.out << run.err;
  EXPECT_NE(run.out.find("failures 1\nreport: " + ReportPathIn(scratch.Path(), run.pid) +
                         "\njunit report: " + reports[0] + "\n"),
            std::string::npos);
  // Where a file stands in for the folder, the run stops: the plug-in says why, the runner that none was written.
  WriteFile(scratch.File("occupied"), "");
  const auto blocked = RunRunner({"--junit-dir", "occupied"});
  EXPECT_EQ(blocked.exitCode, 2);
  EXPECT_NE(blocked.err.find(": cannot create the temporary file: Not a directory"), std::string::npos) << blocked.err;
  EXPECT_NE(blocked.err.find(" was not written\ndatahook-runner: the plug-in wrote no JUnit report"), std::string::npos)
      << blocked.err;
}

const std::string kRecording = runnertest::ToolPath("recording-datahook-plugin.so");

// The stimulus-area file is read by the data files' rules: nothing that blocks, never more than the limit.
TEST(DatahookRunnerStimAreas, OnlyARegularFileWithinTheLimitIsRead) {
  testsupport::ScratchDir scratch;
  ASSERT_EQ(mkfifo(scratch.File("fifo").c_str(), 0600), 0);
  WriteFile(scratch.File("huge"), "");
  std::filesystem::resize_file(scratch.File("huge"), (16 << 20) + 1);
  const struct {
    std::string path;
    const char* says;
  } cases[] = {{"fifo", "not a regular file"},
               {"/dev/zero", "not a regular file"},
               {".", "not a regular file"},
               {"huge", "larger than 16777216 bytes"}};
  for (const auto& c : cases) {
    const auto run = RunRunner({"--plugin", kRecording, "--stim-areas", c.path, "x.txt"});
    EXPECT_EQ(run.exitCode, 2) << c.path << run.err;
    EXPECT_NE(run.err.find("cannot read stimulus-area file '" + c.path + "': " + c.says), std::string::npos) << run.err;
  }
}

// A report of more failures than a summary lists: the first ten thousand are listed, the rest counted, and every
// count stays whole.
TEST(DatahookRunnerReport, FailuresPastTheListedNumberAreCountedNotListed) {
  testsupport::ScratchDir scratch;
  const std::string failure = "><failure message=\"s\">l\nm</failure></testcase>";
  std::string report =
      "<testsuites tests=\"10003\" failures=\"10003\">"
      "<testsuite name=\"A_pid_@PID@\" tests=\"10002\" failures=\"10002\">";
  for (int i = 1; i <= 10002; ++i) report += "<testcase name=\"t" + std::to_string(i) + "\"" + failure;
  report += "</testsuite><testsuite name=\"B_pid_@PID@\" tests=\"1\" failures=\"1\"><testcase name=\"u\"" + failure +
            "</testsuite></testsuites>";
  testsupport::WriteFile(scratch.File("many.xml"), report);
  const auto run = RunRunner({"--plugin", kRecording}, {"RECORDING_PLUGIN_REPORT=" + scratch.File("many.xml")});
  EXPECT_EQ(run.exitCode, 1) << run.err;
  EXPECT_EQ(run.err, "") << "the counts agree with the report's own";
  EXPECT_NE(run.out.find(": tests 10002, failures 10002\n"), std::string::npos);
  EXPECT_NE(run.out.find("  FAILED t10000\n    subject: s\n    message: m\n  ... and 2 more failures, not listed here: "
                         "the report holds them all\nsuite B_pid_"),
            std::string::npos);
  EXPECT_NE(run.out.find(": tests 1, failures 1\n  ... and 1 more failure, not listed here"), std::string::npos);
  EXPECT_NE(run.out.find("total: suites 2, tests 10003, failures 10003\n"), std::string::npos);
}

}  // namespace

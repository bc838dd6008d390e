// The runner end to end where a kept session (testdata/runner/sessions/) cannot show it: reports named at random
// and a report of ten thousand failures.
#include "support/report.h"
#include "support/files.h"
#include "support/scratchdir.h"
#include "datahook_runner_child.h"
#include <gtest/gtest.h>

namespace {

using runnertest::ReportPathIn;
using runnertest::RunRunner;
using testsupport::WriteFile;

TEST(DatahookRunner, JUnitDirSwitchesTheDashboardReportOnAndPrintsItsPathLast) {
  testsupport::ScratchDir scratch;
  const auto run = RunRunner({"--junit-dir", "dashboards", "Other Experiment.txt"});
  EXPECT_EQ(run.exitCode, 1) << run.err;
  const std::vector<std::string> reports = testsupport::DashboardReportsIn(scratch.File("dashboards"));
  ASSERT_EQ(reports.size(), 1u) << run.out << run.err;
  EXPECT_NE(run.out.find("failures 1\nreport: " + ReportPathIn(scratch.Path(), run.pid) +
                         "\njunit report: " + reports[0] + "\n"),
            std::string::npos);
  // Where a file stands in for the folder, the run cannot pass: the plug-in says why, the runner gives its whole
  // summary and then that none was written.
  WriteFile(scratch.File("occupied"), "");
  const auto blocked = RunRunner({"--junit-dir", "occupied"});
  EXPECT_EQ(blocked.exitCode, 2);
  EXPECT_NE(blocked.err.find(": cannot create the temporary file: Not a directory"), std::string::npos) << blocked.err;
  EXPECT_NE(blocked.err.find(" was not written\n"), std::string::npos) << blocked.err;
  EXPECT_NE(
      blocked.out.find("\ntotal: suites 1, tests 1, failures 0\nreport: " + ReportPathIn(scratch.Path(), blocked.pid) +
                       "\njunit report withheld: the plug-in wrote none to " + scratch.File("occupied") +
                       " (standard error says why)\n"),
      std::string::npos)
      << blocked.out;
}

const std::string kRecording = runnertest::ToolPath("recording-datahook-plugin.so");

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

// The runner end to end, as a process of its own: with the real plug-in for exit codes and summaries, and with
// a plug-in double for what exactly it hands over and for reports the real plug-in does not write.
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
using testsupport::FileExists;
using testsupport::ReadFile;
using testsupport::WriteFile;

const std::string kNoVerifier =
    "    subject: no logic was found to test this datafile. one cause could be DUPLICATE NAMES of datafiles\n"
    "    message: we should have found something mapped by name. it should have registered via "
    "DataHookOutputTestingPlugin::RegisterOneSingleVerifier\n";

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
  EXPECT_NE(blocked.err.find("report " + scratch.File("occupied/dh-AutomatedTesting_")), std::string::npos);
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

// Names of any content stay on their one line in the summary and in the diagnostics: nothing in a data file's
// name can start a line of its own (a forged total: or report:) or keep its failure from its found: lines.
TEST(DatahookRunnerReport, EveryNameIsOneLineInTheSummaryAndTheDiagnostics) {
  testsupport::ScratchDir scratch;
  const struct {
    std::string name, shown;
  } names[] = {
      {"nope\ntotal: suites 1, tests 1, failures 0\nreport: fake.xml",
       "nope\\x0Atotal: suites 1, tests 1, failures 0\\x0Areport: fake.xml"},
      {"carriage\rreturn", "carriage\\x0Dreturn"},
      {"tab\tbed", "tab\\x09bed"},
      {"next\u0085line", "next\\u0085line"},
      {"line\u2028separator", "line\\u2028separator"},
  };
  std::vector<std::string> arguments;
  for (const auto& n : names) arguments.push_back(n.name + ".txt");
  const auto run = RunRunner(arguments);
  EXPECT_EQ(run.exitCode, 1) << run.err;
  const std::string report = ReportPathIn(scratch.Path(), run.pid);
  // One total: and one report: line, the last two.
  EXPECT_EQ(run.out.find("\nreport: "), run.out.size() - report.size() - 10) << run.out;
  EXPECT_EQ(run.out.find("\ntotal: "), run.out.rfind("\ntotal: "));
  EXPECT_NE(run.out.find(", failures 5\nreport: "), std::string::npos);
  const std::string diagnostics = ReadFile(report.substr(0, report.size() - 4) + ".diagnostics.txt");
  for (const std::string& text : {run.out, diagnostics}) {
    for (const char* raw : {"\r", "\t", "\u0085", "\u2028"}) EXPECT_EQ(text.find(raw), std::string::npos) << text;
    // Each failure keeps its data file and found: lines.
    for (const auto& n : names) {
      const std::string lines = "locating_verifier_for_" + n.shown + "\n" + (text == run.out ? kNoVerifier : "") +
                                "    data file: " + scratch.File(n.shown) + ".txt\n    found: looked up the registry";
      EXPECT_NE(text.find(lines), std::string::npos) << lines << "\n" << text;
    }
  }
}

}  // namespace

// What exactly the runner hands the plug-in, seen through a plug-in double that records every call, and
// how the runner reads reports that the real plug-in writes only in rare cases.
#include "tests/support/files.h"
#include "tests/support/scratchdir.h"
#include "tests/tools/datahook_runner_child.h"
#include <gtest/gtest.h>

namespace {

using runnertest::RecordingPluginPath;
using runnertest::ReportPathIn;
using runnertest::RunnerResult;
using runnertest::RunRunner;
using testsupport::ReadFile;
using testsupport::WriteFile;

RunnerResult RunRecording(std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), {"--plugin", RecordingPluginPath()});
  return RunRunner(arguments);
}

RunnerResult RunWithReport(const testsupport::ScratchDir& scratch, const std::string& report) {
  WriteFile(scratch.File("prepared.xml"), report);
  return RunRunner({"--plugin", RecordingPluginPath()}, {"RECORDING_PLUGIN_REPORT=" + scratch.File("prepared.xml")});
}

// The calls the double recorded, one per line, in the order it got them (as written in its report, so
// tabs appear as "&#9;").
std::string RecordedCalls(const std::string& workDir, pid_t pid) {
  const std::string report = ReadFile(ReportPathIn(workDir, pid));
  std::string calls;
  const std::string opening = "<testcase name=\"";
  for (std::size_t at = report.find(opening); at != std::string::npos; at = report.find(opening, at + 1)) {
    const std::size_t start = at + opening.size();
    calls += report.substr(start, report.find('"', start) - start) + "\n";
  }
  return calls;
}

std::string Report(const std::string& suites, const std::string& totals = "") {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<testsuites" + totals + ">\n" + suites + "</testsuites>\n";
}

TEST(DatahookRunnerCalls, DataFilesArriveAsAbsolutePathsFromTheStartDirectoryInOrder) {
  testsupport::ScratchDir scratch;
  const auto run = RunRecording({"--workdir", "work", "b.txt", "sub/../a.txt", "./c d.txt", "/elsewhere/e.txt",
                                 "\xc3\xbc.vn5 1.txt"});
  ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
  const std::string s = scratch.Path();
  EXPECT_EQ(RecordedCalls(scratch.File("work"), run.pid),
            "PerformPostProcessing path=" + s + "/b.txt areas=0\n" +
                "PerformPostProcessing path=" + s + "/sub/../a.txt areas=0\n" +
                "PerformPostProcessing path=" + s + "/c d.txt areas=0\n" +
                "PerformPostProcessing path=/elsewhere/e.txt areas=0\n" +
                "PerformPostProcessing path=" + s + "/\xc3\xbc.vn5 1.txt areas=0\n");
  EXPECT_NE(run.out.find("suite RecordingPlugin: tests 5, failures 0\n"), std::string::npos) << run.out;
}

TEST(DatahookRunnerCalls, StimAreasAreParsedAndHandedOverWithEveryDataFile) {
  testsupport::ScratchDir scratch;
  WriteFile(scratch.File("run.stimareas"),
            "\xEF\xBB\xBF-10\t20\t300\t400\t1\tleft button\r\n"
            "\n"
            "0\t0\t0\t0\t-2\t\n"
            "2147483647\t-2147483648\t5\t6\t7\tname\twith tab \xc3\xa9\n");
  const auto run = RunRecording({"--stim-areas", "run.stimareas", "one.txt", "two.txt"});
  ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
  const std::string areas =
      " areas=3"
      " area x=-10 y=20 width=300 height=400 responseId=1 name=left button"
      " area x=0 y=0 width=0 height=0 responseId=-2 name="
      " area x=2147483647 y=-2147483648 width=5 height=6 responseId=7 name=name&#9;with tab \xc3\xa9\n";
  EXPECT_EQ(RecordedCalls(scratch.Path(), run.pid), "PerformPostProcessing path=" + scratch.File("one.txt") + areas +
                                                        "PerformPostProcessing path=" + scratch.File("two.txt") + areas);
}

TEST(DatahookRunnerCalls, EmptyStimAreaFileGivesAnEmptyList) {
  testsupport::ScratchDir scratch;
  WriteFile(scratch.File("none.stimareas"), "\n\r\n");
  const auto run = RunRecording({"--stim-areas=none.stimareas", "one.txt"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(RecordedCalls(scratch.Path(), run.pid), "PerformPostProcessing path=" + scratch.File("one.txt") + " areas=0\n");
}

TEST(DatahookRunnerCalls, WithoutDataFilesThePluginIsOnlyReleased) {
  testsupport::ScratchDir scratch;
  const auto run = RunRecording({});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(RecordedCalls(scratch.Path(), run.pid), "");
  EXPECT_NE(run.out.find("suite RecordingPlugin: tests 0, failures 0\n"), std::string::npos) << run.out;
}

TEST(DatahookRunnerCalls, HostAssertionTextArrivesUnchanged) {
  testsupport::ScratchDir scratch;
  const auto run = RunRecording({"--host-assert", "a.cpp:1\n\tdetail \xe2\x82\xac ]]> end", "--host-assert", ""});
  EXPECT_EQ(run.exitCode, 1) << run.err;
  const std::string report = ReadFile(ReportPathIn(scratch.Path(), run.pid));
  EXPECT_NE(report.find("<![CDATA[recording:1\na.cpp:1\n\tdetail \xe2\x82\xac ]]]]><![CDATA[> end]]>"), std::string::npos)
      << report;
  EXPECT_NE(report.find("<![CDATA[recording:1\n]]>"), std::string::npos) << report;
  EXPECT_NE(run.out.find("total: suites 1, tests 2, failures 2\n"), std::string::npos) << run.out;
}

TEST(DatahookRunnerCalls, ProgressGoesToStandardErrorOnlyForMoreThanFiveFiles) {
  testsupport::ScratchDir scratch;
  const auto five = RunRecording({"1.txt", "2.txt", "3.txt", "4.txt", "5.txt"});
  EXPECT_EQ(five.exitCode, 0);
  EXPECT_EQ(five.err, "");
  const auto six = RunRecording({"1.txt", "2.txt", "3.txt", "4.txt", "5.txt", "6.txt"});
  EXPECT_EQ(six.exitCode, 0);
  EXPECT_NE(six.err.find("[1/6] " + scratch.File("1.txt") + "\n"), std::string::npos) << six.err;
  EXPECT_NE(six.err.find("[6/6] " + scratch.File("6.txt") + "\n"), std::string::npos) << six.err;
}

TEST(DatahookRunnerReport, FailureTextSplitAcrossCharacterDataSectionsIsJoined) {
  testsupport::ScratchDir scratch;
  const auto run = RunWithReport(
      scratch, Report("  <testsuite name=\"S\" tests=\"1\" failures=\"1\">\n"
                      "    <testcase name=\"test001t\">\n    <failure message=\"a &amp; b\" type=\"\">\n\n"
                      " <![CDATA[where:1\nsaw ]]]]><![CDATA[> here\nsecond line]]>\n\n</failure>\n</testcase>\n"
                      "  </testsuite>\n",
                      " tests=\"1\" failures=\"1\""));
  EXPECT_EQ(run.exitCode, 1) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_NE(run.out.find("suite S: tests 1, failures 1\n  FAILED test001t\n    subject: a & b\n"
                         "    message: saw ]]> here\n"),
            std::string::npos)
      << run.out;
}

TEST(DatahookRunnerReport, EverySuiteIsListedAndTotalsCoverThemAll) {
  testsupport::ScratchDir scratch;
  const auto run = RunWithReport(
      scratch,
      Report("  <testsuite name=\"First\" tests=\"2\" failures=\"1\">\n"
             "    <testcase name=\"p\" />\n"
             "    <testcase name=\"onlyLocation\"><failure message=\"s1\"><![CDATA[loc:1]]></failure></testcase>\n"
             "  </testsuite>\n"
             "  <testsuite name=\"Empty\" tests=\"0\" failures=\"0\"/>\n"
             "  <testsuite name=\"Third\" tests=\"1\" failures=\"1\">\n"
             "    <testcase name=\"plainText\"><failure message=\"s2\">\n   loc:2\nfirst\nsecond\n</failure></testcase>\n"
             "  </testsuite>\n",
             " tests=\"3\" failures=\"2\""));
  EXPECT_EQ(run.exitCode, 1) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, "suite First: tests 2, failures 1\n"
                     "  FAILED onlyLocation\n    subject: s1\n    message: \n"
                     "suite Empty: tests 0, failures 0\n"
                     "suite Third: tests 1, failures 1\n"
                     "  FAILED plainText\n    subject: s2\n    message: first\n"
                     "total: suites 3, tests 3, failures 2\n"
                     "report: " + ReportPathIn(scratch.Path(), run.pid) + "\n");
}

TEST(DatahookRunnerReport, CountsThatContradictTheContentsAreWarnedAbout) {
  testsupport::ScratchDir scratch;
  const auto run = RunWithReport(scratch, Report("  <testsuite name=\"S\" tests=\"4\" failures=\"1\">\n"
                                                 "    <testcase name=\"p\" />\n  </testsuite>\n",
                                                 " tests=\"1\""));
  // The verdict follows what the report holds, not what it claims.
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.err.find("warning: suite 'S' declares tests=\"4\" but holds 1\n"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("warning: suite 'S' declares failures=\"1\" but holds 0\n"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("warning: the report declares failures=\"\" but holds 0\n"), std::string::npos) << run.err;
  EXPECT_EQ(run.err.find("the report declares tests"), std::string::npos) << run.err;
  EXPECT_NE(run.out.find("total: suites 1, tests 1, failures 0\n"), std::string::npos) << run.out;
}

TEST(DatahookRunnerReport, ALoneSuiteAsTheRootIsAccepted) {
  testsupport::ScratchDir scratch;
  const auto run = RunWithReport(scratch, "<testsuite name=\"Only\" tests=\"1\" failures=\"1\">"
                                          "<testcase name=\"f\"><failure message=\"m\"><![CDATA[l\nfirst]]></failure>"
                                          "</testcase></testsuite>\n");
  EXPECT_EQ(run.exitCode, 1) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_NE(run.out.find("suite Only: tests 1, failures 1\n  FAILED f\n    subject: m\n    message: first\n"),
            std::string::npos)
      << run.out;
}

}  // namespace

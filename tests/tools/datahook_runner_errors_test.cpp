// Everything that must stop the runner with status 2 and a message, never with a crash or a verdict.
#include "tests/support/files.h"
#include "tests/support/scratchdir.h"
#include "tests/tools/datahook_runner_child.h"
#include <gtest/gtest.h>

namespace {

using runnertest::RunnerResult;
using runnertest::RunRunner;
using testsupport::FileExists;
using testsupport::WriteFile;

void ExpectStopped(const RunnerResult& run, const std::string& expectedMessage) {
  EXPECT_EQ(run.signal, 0);
  EXPECT_EQ(run.exitCode, 2) << run.out << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find(expectedMessage), std::string::npos) << run.err;
}

struct UsageCase {
  const char* label;
  std::vector<std::string> arguments;
  const char* message;
};

class DatahookRunnerUsage : public testing::TestWithParam<UsageCase> {};

TEST_P(DatahookRunnerUsage, StopsBeforeTouchingAnything) {
  testsupport::ScratchDir scratch;
  const auto run = RunRunner(GetParam().arguments);
  ExpectStopped(run, GetParam().message);
  EXPECT_NE(run.err.find("--help"), std::string::npos) << run.err;
  EXPECT_FALSE(FileExists(scratch.File("scons-out")));
}

INSTANTIATE_TEST_SUITE_P(
    Errors, DatahookRunnerUsage,
    testing::Values(UsageCase{"UnknownOption", {"--verbose", "a.txt"}, "unknown option '--verbose'"},
                    UsageCase{"UnknownOptionWithValue", {"--plug=x.so"}, "unknown option '--plug'"},
                    UsageCase{"MissingValue", {"a.txt", "--workdir"}, "option --workdir needs a value"},
                    UsageCase{"EmptyValue", {"--plugin="}, "option --plugin needs a non-empty value"},
                    UsageCase{"RepeatedWorkDir", {"--workdir", "a", "--workdir", "b"}, "--workdir given more than once"},
                    UsageCase{"EmptyDataFile", {""}, "an empty data file path"},
                    UsageCase{"DataFileNotUtf8", {"bad\xff.txt"}, "data file path is not valid UTF-8"},
                    UsageCase{"AssertionNotUtf8", {"--host-assert", "\xc3("}, "--host-assert text is not valid UTF-8"},
                    UsageCase{"MissingStimAreaFile", {"--stim-areas", "absent.stimareas"},
                              "cannot read stimulus-area file 'absent.stimareas'"}),
    [](const testing::TestParamInfo<UsageCase>& info) { return std::string(info.param.label); });

TEST(DatahookRunnerUsage, DoubleDashMakesTheRestDataFiles) {
  testsupport::ScratchDir scratch;
  const auto run = RunRunner({"--", "--workdir"});
  EXPECT_EQ(run.exitCode, 1) << run.err;
  EXPECT_NE(run.out.find("locating_verifier_for_--workdir"), std::string::npos) << run.out;
}

TEST(DatahookRunnerUsage, HelpDescribesEveryOptionAndExitStatus) {
  testsupport::ScratchDir scratch;
  const auto run = RunRunner({"--help", "--no-such-option"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  for (const char* expected : {"--plugin PATH", "--workdir DIR", "--stim-areas FILE", "--host-assert TEXT",
                               "DATAFILE", "x  y  width  height  responseId  areaName",
                               "FakeUnitTestsDataHookExperimentRunning_<pid>.xml", "  0  ", "  1  ", "  2  "}) {
    EXPECT_NE(run.out.find(expected), std::string::npos) << expected;
  }
  EXPECT_FALSE(FileExists(scratch.File("scons-out")));
}

TEST(DatahookRunnerPlugin, MissingLibraryIsReportedWithTheLoadersReason) {
  testsupport::ScratchDir scratch;
  ExpectStopped(RunRunner({"--plugin", "/nonexistent/dir/plugin.so"}),
                "cannot load plug-in '/nonexistent/dir/plugin.so': /nonexistent/dir/plugin.so: cannot open shared "
                "object file: No such file or directory");
}

TEST(DatahookRunnerPlugin, FileThatIsNoLibraryIsReported) {
  testsupport::ScratchDir scratch;
  WriteFile(scratch.File("fake.so"), std::string(200, 'x'));
  const auto run = RunRunner({"--plugin", "fake.so"});
  ExpectStopped(run, "cannot load plug-in '" + scratch.File("fake.so") + "'");
  EXPECT_NE(run.err.find("invalid ELF header"), std::string::npos) << run.err;
}

TEST(DatahookRunnerPlugin, LibraryWithoutTheFactoryIsReported) {
  testsupport::ScratchDir scratch;
  const std::string sdk = DH_BINARY_DIR "/bin/libVNPlugInCommon.so";
  ExpectStopped(RunRunner({"--plugin", sdk}), "plug-in '" + sdk + "': the plug-in does not export VNSdkGetObjectPtr");
}

TEST(DatahookRunnerPlugin, ReportThatWasNeverWrittenIsReported) {
  testsupport::ScratchDir scratch;
  const auto run = RunRunner({"--plugin", runnertest::RecordingPluginPath()},
                             {"RECORDING_PLUGIN_REPORT=" + scratch.File("there-is-no-such-report.xml")});
  ExpectStopped(run, "the plug-in wrote no report; expected " + runnertest::ReportPathIn(scratch.Path(), run.pid));
}

TEST(DatahookRunnerPlugin, ReportThatIsNotXmlIsReportedWithItsLine) {
  testsupport::ScratchDir scratch;
  WriteFile(scratch.File("broken.xml"), "<?xml version=\"1.0\"?>\n<testsuites>\n<testsuite name=\"a\">\n</testsuites>\n");
  const auto run = RunRunner({"--plugin", runnertest::RecordingPluginPath()},
                             {"RECORDING_PLUGIN_REPORT=" + scratch.File("broken.xml")});
  ExpectStopped(run, "cannot parse report '" + runnertest::ReportPathIn(scratch.Path(), run.pid) + "' (line 4): Opening and ending tag mismatch: testsuite line 3 and testsuites");
}

TEST(DatahookRunnerPlugin, XmlThatIsNoTestReportIsReported) {
  testsupport::ScratchDir scratch;
  WriteFile(scratch.File("other.xml"), "<?xml version=\"1.0\"?>\n<html><body/></html>\n");
  ExpectStopped(RunRunner({"--plugin", runnertest::RecordingPluginPath()},
                          {"RECORDING_PLUGIN_REPORT=" + scratch.File("other.xml")}),
                "not a test report: the root element is <html>");
}

TEST(DatahookRunnerPlugin, WorkDirThatCannotBeCreatedIsReported) {
  testsupport::ScratchDir scratch;
  WriteFile(scratch.File("occupied"), "a file, not a directory\n");
  ExpectStopped(RunRunner({"--workdir", "occupied/sub"}),
                "cannot prepare work directory '" + scratch.File("occupied/sub") + "'");
}

struct StimAreaCase {
  const char* label;
  std::string contents;
  int badLine;
  const char* problem;
};

class DatahookRunnerStimAreas : public testing::TestWithParam<StimAreaCase> {};

TEST_P(DatahookRunnerStimAreas, MalformedLineIsAUsageErrorNamingFileAndLine) {
  testsupport::ScratchDir scratch;
  WriteFile(scratch.File("areas.stimareas"), GetParam().contents);
  const auto run = RunRunner({"--stim-areas", "areas.stimareas", "x.txt"});
  ExpectStopped(run, "areas.stimareas:" + std::to_string(GetParam().badLine) + ": malformed stimulus area (" +
                         GetParam().problem + "); expected x<TAB>y<TAB>width<TAB>height<TAB>responseId<TAB>areaName");
  EXPECT_FALSE(FileExists(scratch.File("scons-out")));
}

const std::string kGoodLine = "1\t2\t3\t4\t5\tname\n";

INSTANTIATE_TEST_SUITE_P(
    Errors, DatahookRunnerStimAreas,
    testing::Values(
        StimAreaCase{"TooFewFields", kGoodLine + "1\t2\t3\t4\t5\n", 2, "fewer than 6 tab-separated fields"},
        StimAreaCase{"BlanksInsteadOfTabs", "1 2 3 4 5 name\n", 1, "fewer than 6 tab-separated fields"},
        StimAreaCase{"LineNumbersCountEmptyLines", "\n" + kGoodLine + "\r\n\n" + "1\t2\t3\t4\tfive\tn\n", 5,
                     "responseId is not an integer: 'five'"},
        StimAreaCase{"TrailingText", "10px\t2\t3\t4\t5\tn\n", 1, "x is not an integer: '10px'"},
        StimAreaCase{"EmptyNumber", "1\t\t3\t4\t5\tn\n", 1, "y is not an integer: ''"},
        StimAreaCase{"PlusSign", "1\t2\t+3\t4\t5\tn\n", 1, "width is not an integer: '+3'"},
        StimAreaCase{"BlankAroundNumber", "1\t2\t3\t 4\t5\tn\n", 1, "height is not an integer: ' 4'"},
        StimAreaCase{"Fraction", "1.5\t2\t3\t4\t5\tn\n", 1, "x is not an integer: '1.5'"},
        StimAreaCase{"TooLarge", "1\t2\t3\t4\t2147483648\tn\n", 1, "responseId is not an integer: '2147483648'"},
        StimAreaCase{"NegativeWidth", kGoodLine + kGoodLine + "1\t2\t-3\t4\t5\tn\n", 3,
                     "width and height must not be negative"},
        StimAreaCase{"NameNotUtf8", "1\t2\t3\t4\t5\tbad\xff\n", 1, "areaName is not valid UTF-8"},
        StimAreaCase{"LastLineWithoutLineEnd", kGoodLine + "1\t2", 2, "fewer than 6 tab-separated fields"}),
    [](const testing::TestParamInfo<StimAreaCase>& info) { return std::string(info.param.label); });

}  // namespace

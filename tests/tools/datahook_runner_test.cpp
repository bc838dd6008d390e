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

TEST(DatahookRunner, SummaryAndExitStatusFollowTheReport) {
  testsupport::ScratchDir scratch;
  const auto empty = RunRunner({});
  const std::string suite = "suite DefaultInitialTestSuite_ConcreteFakeJUnitPrinter_pid_" + std::to_string(empty.pid);
  EXPECT_EQ(empty.exitCode, 0) << empty.err;
  EXPECT_EQ(empty.out, suite +
                           ": tests 1, failures 0\n  data file: (none)\ntotal: suites 1, tests 1, failures 0\n"
                           "report: " +
                           ReportPathIn(scratch.Path(), empty.pid) + "\n");
  EXPECT_EQ(testsupport::SchemaErrors(ReportPathIn(scratch.Path(), empty.pid)), "");

  // One letter short of a registered name: that name comes first among the closest.
  const auto one = RunRunner({"import_v4_macro.vn4 P01.txt"});
  EXPECT_EQ(one.exitCode, 1) << one.err;
  EXPECT_EQ(one.out, "suite DefaultInitialTestSuite_ConcreteFakeJUnitPrinter_pid_" + std::to_string(one.pid) +
                         ": tests 3, failures 1\n  data file: (none)\n  FAILED "
                         "test003locating_verifier_for_import_v4_macro.vn4 P01\n" +
                         kNoVerifier + "    data file: " + scratch.File("import_v4_macro.vn4 P01.txt") +
                         "\n    found: looked up the registry key {IMPORT_V4_MACRO.VN4}\n"
                         "    found: closest registered names: {import_v4_macros.vn4}, {2772_2_macro_1_reg.vn4}, "
                         "{tessel_2807_test.vn5}\n"
                         "total: suites 1, tests 3, failures 1\nreport: " +
                         ReportPathIn(scratch.Path(), one.pid) + "\n");
}

TEST(DatahookRunner, JunitDirSwitchesTheDashboardReportOnAndPrintsItsPathLast) {
  testsupport::ScratchDir scratch;
  const auto run = RunRunner({"--junit-dir", "dashboards", "Other Experiment.txt"});
  EXPECT_EQ(run.exitCode, 1) << run.err;
  const std::vector<std::string> reports = testsupport::DashboardReportsIn(scratch.File("dashboards"));
  ASSERT_EQ(reports.size(), 1u) << run.out << run.err;
  EXPECT_NE(run.out.find("failures 1\nreport: " + ReportPathIn(scratch.Path(), run.pid) +
                         "\njunit report: " + reports[0] + "\n"),
            std::string::npos);
}

TEST(DatahookRunner, DataFilesInOrderThenHostAssertionsShowingTheirFirstLine) {
  testsupport::ScratchDir scratch;
  const auto run = RunRunner({"--no-findings", "--host-assert", "first.cpp:10\nsecond line", "--workdir", "runs/one",
                              "zeta.txt", "--host-assert=second.cpp:20", "alpha.txt"});
  EXPECT_EQ(run.exitCode, 1) << run.err;
  EXPECT_NE(run.out.find("  FAILED test003locating_verifier_for_zeta\n" + kNoVerifier +
                         "  FAILED test005locating_verifier_for_alpha\n" + kNoVerifier +
                         "  FAILED test006TestingPluginDH_AssertionFailure_00001\n"
                         "    subject: actual file and line number shown in DETAILED TEXT\n"
                         "    message: first.cpp:10\n"
                         "  FAILED test007TestingPluginDH_AssertionFailure_00002\n"),
            std::string::npos)
      << run.out;
  EXPECT_EQ(run.out.find("second line"), std::string::npos);
  // The work directory is created; the report is written there and holds the whole text.
  const std::string report = ReportPathIn(scratch.File("runs/one"), run.pid);
  EXPECT_NE(run.out.find("report: " + report + "\n"), std::string::npos) << run.out;
  EXPECT_NE(ReadFile(report).find("first.cpp:10\nsecond line"), std::string::npos);
}

struct StopCase {
  const char* label;
  std::vector<std::string> arguments;
  std::string message;
  std::string file = "", contents = "";  // written to the scratch directory first
  std::vector<std::string> environment = {};
};

class DatahookRunnerStops : public testing::TestWithParam<StopCase> {};

TEST_P(DatahookRunnerStops, WithStatus2AndAMessage) {
  testsupport::ScratchDir scratch;
  if (!GetParam().file.empty()) WriteFile(scratch.File(GetParam().file), GetParam().contents);
  const auto run = RunRunner(GetParam().arguments, GetParam().environment);
  EXPECT_EQ(run.exitCode, 2) << run.out << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find(GetParam().message), std::string::npos) << run.err;
}

const std::string kRecording = runnertest::ToolPath("recording-datahook-plugin.so");

// The plug-in double hands over testdata/runner/NAME as its report.
std::string HandOver(const std::string& name) {
  return "RECORDING_PLUGIN_REPORT=" + testsupport::TestData("runner/" + name);
}

// The plug-in double hands over testdata/runner/NAME as its report, its diagnostics spoiled as said.
StopCase HandedOver(const char* label, const std::string& name, const std::string& message,
                    const std::string& spoil = "") {
  StopCase handed{label, {"--plugin", kRecording}, message};
  handed.environment = {HandOver(name)};
  if (!spoil.empty()) handed.environment.push_back("RECORDING_PLUGIN_STAMP=" + spoil);
  return handed;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DatahookRunnerStops,
    testing::Values(
        StopCase{"UnknownOption", {"--verbose", "a.txt"}, "unknown option '--verbose'"},
        StopCase{"EmptyDataFilePath", {"a.txt", ""}, "an empty data file path was given"},
        StopCase{"DataFileNotUtf8", {"bad\xff.txt"}, "data file path is not valid UTF-8"},
        StopCase{"MissingPlugin",
                 {"--plugin", "/nonexistent/p.so"},
                 "cannot load plug-in '/nonexistent/p.so': Failed to load shared library '/nonexistent/p.so': "
                 "/nonexistent/p.so: cannot open shared object file"},
        StopCase{"PluginWithoutFactory",
                 {"--plugin", runnertest::ToolPath("libVNPlugInCommon.so")},
                 "the plug-in does not export VNSdkGetObjectPtr"},
        StopCase{"WorkDirNotCreatable", {"--workdir", "occupied/sub"}, "cannot prepare work directory", "occupied"},
        StopCase{"PluginThrows",
                 {"--plugin", kRecording, "a.txt"},
                 "datahook-runner: the plug-in threw an exception: thrown on purpose",
                 "",
                 "",
                 {"RECORDING_PLUGIN_THROW=1"}},
        HandedOver("NoReport", "absent.xml", "the plug-in wrote no report; expected "),
        HandedOver("ReportNotXml", "broken.xml",
                   "(line 4): Opening and ending tag mismatch: testsuite line 3 and testsuites"),
        HandedOver("XmlButNoReport", "html.xml", "not a test report: the root element is <html>"),
        // What makes a report's XML malformed, at the line it shows.
        HandedOver("NameBeginningWithADigit", "xml/name beginning with a digit.xml",
                   "(line 1): expected an element name after '<'"),
        HandedOver("ReferenceToAControlCharacter", "xml/reference to a control character.xml",
                   "(line 1): xmlParseCharRef: invalid xmlChar value 1"),
        HandedOver("ReferenceToASurrogate", "xml/reference to a surrogate.xml",
                   "(line 1): xmlParseCharRef: invalid xmlChar value 55296"),
        HandedOver("ReferenceBeyondUnicode", "xml/reference beyond unicode.xml",
                   "(line 2): xmlParseCharRef: invalid xmlChar value 1114112"),
        HandedOver("ReferencePastTheLargestNumber", "xml/reference past the largest number.xml",
                   "(line 1): invalid character reference &#11141120;"),
        HandedOver("DecimalReferenceWithALetter", "xml/decimal reference with a letter.xml",
                   "(line 1): invalid character reference &#6a;"),
        HandedOver("AttributeWithoutAValue", "xml/attribute without a value.xml", "(line 1): attribute a has no value"),
        HandedOver("AttributesNotSeparated", "xml/attributes not separated.xml",
                   "(line 1): malformed attributes in the tag testsuites"),
        HandedOver("ElementLeftOpen", "xml/element left open.xml",
                   "(line 3): Premature end of data in tag testsuite line 2"),
        HandedOver("LineEndsCrLfAndCr", "xml/element left open at CR LF and CR line ends.xml",
                   "(line 3): Premature end of data in tag testsuite line 2"),
        // A report under this run's name that another process wrote is not summed up.
        HandedOver("ReportOfAnotherProcess", "another-process.xml",
                   "is not this run's: its suite 'S_pid_1' is not named with _pid_"),
        // A report this run's plug-in did not write, or not as it stands, is not summed up: the stamp in the
        // diagnostics beside it must name this run's host instance and the digest of the bytes read.
        HandedOver("NoDiagnosticsBesideTheReport", "own.xml",
                   "cannot read the diagnostics file the plug-in writes beside its report: ", "absent"),
        HandedOver("DiagnosticsOfAnotherHostInstance", "own.xml",
                   "the diagnostics beside it are not this run's; another process wrote the same report name",
                   "foreign"),
        HandedOver("ReportBytesNotTheOnesWritten", "own.xml",
                   "its bytes are not those this run's plug-in wrote; another process wrote the same report name",
                   "altered"),
        StopCase{"NoJunitReport",
                 {"--plugin", kRecording, "--junit-dir", "dashboards"},
                 "the plug-in wrote no JUnit report to the --junit-dir folder"},
        StopCase{"JunitDirIsAFile", {"--junit-dir", "occupied"}, "was not written", "occupied"}),
    [](const testing::TestParamInfo<StopCase>& generated) { return std::string(generated.param.label); });

TEST(DatahookRunnerStimAreas, BadLineIsAUsageErrorNamingFileAndLine) {
  const std::string good = "1\t2\t3\t4\t5\tname\n";
  const struct {
    std::string contents;
    int line;
    const char* problem;
  } cases[] = {{good + "1\t2\t3\t4\t5\n", 2, "fewer than 6 tab-separated fields"},
               {"\n" + good + "\r\n\n1\t2\t3\t4\tfive\tn\n", 5, "responseId is not an integer: 'five'"},
               {good + "1\t2\t-3\t4\t5\tn\n", 2, "width and height must not be negative"},
               {"1\t+2\t3\t4\t5\tn\n", 1, "y is not an integer: '+2'"},
               {"1\t2\t\t4\t5\tn\n", 1, "width is not an integer: ''"},
               {"1\t2\t3\t4\t5\tbad\xff\n", 1, "areaName is not valid UTF-8"}};
  testsupport::ScratchDir scratch;
  for (const auto& c : cases) {
    WriteFile(scratch.File("a.stimareas"), c.contents);
    const auto run = RunRunner({"--stim-areas", "a.stimareas", "x.txt"});
    EXPECT_EQ(run.exitCode, 2) << run.out;
    EXPECT_NE(run.err.find("a.stimareas:" + std::to_string(c.line) + ": malformed stimulus area (" + c.problem +
                           "); expected x<TAB>y<TAB>width<TAB>height<TAB>responseId<TAB>areaName"),
              std::string::npos)
        << run.err;
    EXPECT_FALSE(FileExists(scratch.File("scons-out")));
  }
}

TEST(DatahookRunnerCalls, AbsolutePathsInOrderEachWithTheStimAreas) {
  testsupport::ScratchDir scratch;
  WriteFile(scratch.File("run.stimareas"),
            "\xEF\xBB\xBF-10\t20\t300\t400\t1\tleft button\r\n\n0\t0\t0\t0\t-2\t\n"
            "2147483647\t-2147483648\t5\t6\t7\tname\twith tab\n");
  const auto run = RunRunner({"--plugin", kRecording, "--workdir", "work", "--stim-areas", "run.stimareas", "b.txt",
                              "sub/../a.txt", "/elsewhere/e.txt"});
  ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
  const std::string areas =
      " areas=[-10 20 300 400 1 left button][0 0 0 0 -2 ][2147483647 -2147483648 5 6 7 name\twith tab]\n";
  EXPECT_EQ(ReadFile(scratch.File("work/recorded-calls.txt")), "path=" + scratch.File("b.txt") + areas +
                                                                   "path=" + scratch.File("sub/../a.txt") + areas +
                                                                   "path=/elsewhere/e.txt" + areas);

  // Without the option, and with a file of empty lines only, the list is empty.
  WriteFile(scratch.File("none.stimareas"), "\n\r\n");
  RunRunner({"--plugin", kRecording, "--workdir=w2", "one.txt"});
  RunRunner({"--plugin", kRecording, "--workdir=w2", "--stim-areas=none.stimareas", "one.txt"});
  EXPECT_EQ(ReadFile(scratch.File("w2/recorded-calls.txt")),
            "path=" + scratch.File("one.txt") + " areas=\n" + "path=" + scratch.File("one.txt") + " areas=\n");
}

TEST(DatahookRunnerCalls, AreasBesideADataFileAreItsOwnWithStimAreasBeside) {
  testsupport::ScratchDir scratch;
  WriteFile(scratch.File("own.stimareas"), "1\t2\t3\t4\t5\tmine\n");
  WriteFile(scratch.File("shared.stimareas"), "9\t9\t9\t9\t9\tall\n");
  const auto run = RunRunner({"--plugin", kRecording, "--workdir", "w", "--stim-areas", "shared.stimareas",
                              "--stim-areas-beside", "own.txt", "other.txt"});
  ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
  EXPECT_EQ(ReadFile(scratch.File("w/recorded-calls.txt")),
            "path=" + scratch.File("own.txt") + " areas=[1 2 3 4 5 mine]\npath=" + scratch.File("other.txt") +
                " areas=[9 9 9 9 9 all]\n");
}

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

// A long run tells its progress, one line a data file, on standard error.
TEST(DatahookRunnerCalls, ProgressOfMoreThanFiveFilesGoesToStandardError) {
  testsupport::ScratchDir scratch;
  const auto run = RunRunner({"--plugin", kRecording, "1.txt", "2.txt", "3.txt", "4.txt", "5.txt", "6.txt"});
  EXPECT_NE(run.err.find("[1/6] " + scratch.File("1.txt") + "\n"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("[6/6] " + scratch.File("6.txt") + "\n"), std::string::npos) << run.err;
}

// The report takes every form of XML: names of every allowed character, blanks between attributes, character
// references, character data split where "]]>" falls.
TEST(DatahookRunnerReport, EverySuiteAndFailureIsListedAndTheVerdictFollowsTheContents) {
  testsupport::ScratchDir scratch;
  const auto run = RunRunner({"--plugin", kRecording}, {HandOver("every-suite.xml")});
  const std::string pid = "_pid_" + std::to_string(run.pid);
  EXPECT_EQ(run.exitCode, 1) << run.err;
  EXPECT_EQ(run.out, "suite First" + pid +
                         ": tests 2, failures 1\n  FAILED split\n    subject: a & b\n    message: saw ]]> here\n" +
                         "suite Empty" + pid + ": tests 0, failures 0\n" + "suite Third" + pid +
                         ": tests 1, failures 1\n  FAILED plain\n    subject: s2\n    message: first\n"
                         "total: suites 3, tests 3, failures 2\n"
                         "report: " +
                         ReportPathIn(scratch.Path(), run.pid) + "\n");
  EXPECT_EQ(run.err, "datahook-runner: warning: the report declares tests=\"4\" but holds 3\n");

  // Counts that claim failures the report does not hold are warned about; the verdict is a pass. A lone suite as
  // the root declares no totals.
  const auto claims = RunRunner({"--plugin", kRecording}, {HandOver("declared-failure.xml")});
  EXPECT_EQ(claims.exitCode, 0) << claims.err;
  EXPECT_EQ(claims.err, "datahook-runner: warning: suite 'S_pid_" + std::to_string(claims.pid) +
                            "' declares failures=\"1\" but holds 0\n");
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

// The diagnostics beside the report add data files and findings only where suite and test names pair up in order:
// a failure they do not name next gets nothing, nor does a suite they do not name next.
TEST(DatahookRunnerReport, FindingsAndDataFilesComeFromTheDiagnosticsBesideTheReport) {
  testsupport::ScratchDir scratch;
  const std::vector<std::string> environment = {
      HandOver("findings.xml"),
      "RECORDING_PLUGIN_DIAGNOSTICS=" + testsupport::TestData("runner/findings-diagnostics.txt")};
  const std::string failureLines = "    subject: s\n    message: m\n";
  // The summary of a run of the process pid, with or without the found: lines of the first failure.
  const auto summary = [&](int pid, const std::string& findings) {
    const std::string suffix = "_pid_" + std::to_string(pid);
    return "suite First" + suffix + ": tests 2, failures 2\n  data file: /d/1.txt\n  FAILED test001split\n" +
           failureLines + findings + "  FAILED test002plain\n" + failureLines + "suite Third" + suffix +
           ": tests 0, failures 0\ntotal: suites 2, tests 2, failures 2\n";
  };
  const auto withFindings = RunRunner({"--plugin", kRecording}, environment);
  EXPECT_EQ(withFindings.out.find(summary(withFindings.pid, "    data file: /d/2.txt\n    found: x\n    found: y\n")),
            0u)
      << withFindings.out << withFindings.err;
  const auto withoutFindings = RunRunner({"--no-findings", "--plugin", kRecording}, environment);
  EXPECT_EQ(withoutFindings.out.find(summary(withoutFindings.pid, "")), 0u) << withoutFindings.out;
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

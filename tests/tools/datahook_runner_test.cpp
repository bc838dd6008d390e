// The runner driving the real plug-in, run as the host would run it: as a process of its own.
#include "tests/support/files.h"
#include "tests/support/scratchdir.h"
#include "tests/tools/datahook_runner_child.h"
#include <gtest/gtest.h>

namespace {

using runnertest::ReportPathIn;
using runnertest::RunRunner;
using testsupport::FileExists;
using testsupport::ReadFile;
using testsupport::SchemaErrors;

std::string DefaultSuite(pid_t pid) {
  return "DefaultInitialTestSuite_ConcreteFakeJUnitPrinter_pid_" + std::to_string(pid);
}

TEST(DatahookRunner, WithoutDataFilesShowsTheStartingReportAndPasses) {
  testsupport::ScratchDir scratch;
  const auto run = RunRunner({});
  ASSERT_EQ(run.signal, 0) << run.err;
  EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
  const std::string report = ReportPathIn(scratch.Path(), run.pid);
  EXPECT_EQ(run.out, "suite " + DefaultSuite(run.pid) + ": tests 1, failures 0\n" +
                         "total: suites 1, tests 1, failures 0\n" + "report: " + report + "\n");
  ASSERT_TRUE(FileExists(report));
  EXPECT_NE(ReadFile(report).find("test001SingleDummyPassingTest"), std::string::npos);
  EXPECT_EQ(SchemaErrors(report), "");
}

TEST(DatahookRunner, DataFileWithoutVerifierFailsWithSubjectAndFirstMessageLine) {
  testsupport::ScratchDir scratch;
  const auto run = RunRunner({"Other Experiment.txt"});
  ASSERT_EQ(run.signal, 0) << run.err;
  EXPECT_EQ(run.exitCode, 1) << run.out << run.err;
  EXPECT_EQ(run.out,
            "suite " + DefaultSuite(run.pid) + ": tests 3, failures 1\n" +
                "  FAILED test003locating_verifier_for_Other Experiment\n"
                "    subject: no logic was found to test this datafile. one cause could be DUPLICATE NAMES of "
                "datafiles\n"
                "    message: we should have found something mapped by name. it should have registered via "
                "DataHookOutputTestingPlugin::RegisterOneSingleVerifier\n"
                "total: suites 1, tests 3, failures 1\n"
                "report: " +
                ReportPathIn(scratch.Path(), run.pid) + "\n");
  EXPECT_EQ(SchemaErrors(ReportPathIn(scratch.Path(), run.pid)), "");
}

TEST(DatahookRunner, DataFilesAreHandedOverInTheOrderGiven) {
  testsupport::ScratchDir scratch;
  const auto run = RunRunner({"zeta.txt", "alpha.txt"});
  EXPECT_EQ(run.exitCode, 1) << run.err;
  const std::size_t zeta = run.out.find("FAILED test003locating_verifier_for_zeta\n");
  const std::size_t alpha = run.out.find("FAILED test005locating_verifier_for_alpha\n");
  ASSERT_NE(zeta, std::string::npos) << run.out;
  ASSERT_NE(alpha, std::string::npos) << run.out;
  EXPECT_LT(zeta, alpha);
  EXPECT_NE(run.out.find("total: suites 1, tests 5, failures 2\n"), std::string::npos) << run.out;
}

TEST(DatahookRunner, HostAssertionsFailInOrderShowingOnlyTheFirstLineOfTheirText) {
  testsupport::ScratchDir scratch;
  const auto run = RunRunner({"--host-assert", "first.cpp:10\nsecond line of the first", "--host-assert=second.cpp:20"});
  ASSERT_EQ(run.signal, 0) << run.err;
  EXPECT_EQ(run.exitCode, 1) << run.out << run.err;
  EXPECT_NE(run.out.find("  FAILED test002TestingPluginDH_AssertionFailure_00001\n"
                         "    subject: actual file and line number shown in DETAILED TEXT\n"
                         "    message: first.cpp:10\n"
                         "  FAILED test003TestingPluginDH_AssertionFailure_00002\n"
                         "    subject: actual file and line number shown in DETAILED TEXT\n"
                         "    message: second.cpp:20\n"),
            std::string::npos)
      << run.out;
  EXPECT_EQ(run.out.find("second line of the first"), std::string::npos) << run.out;
  const std::string report = ReadFile(ReportPathIn(scratch.Path(), run.pid));
  EXPECT_NE(report.find("first.cpp:10\nsecond line of the first"), std::string::npos) << report;
}

TEST(DatahookRunner, HostAssertionsComeAfterAllDataFiles) {
  testsupport::ScratchDir scratch;
  const auto run = RunRunner({"--host-assert", "early.cpp:1", "late experiment.txt"});
  EXPECT_EQ(run.exitCode, 1) << run.err;
  EXPECT_NE(run.out.find("FAILED test003locating_verifier_for_late experiment\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("FAILED test004TestingPluginDH_AssertionFailure_00001\n"), std::string::npos) << run.out;
}

TEST(DatahookRunner, ReportIsWrittenInTheWorkDirWhichIsCreatedWhenMissing) {
  testsupport::ScratchDir scratch;
  const auto run = RunRunner({"--workdir", "runs/first", "Other Experiment.txt"});
  EXPECT_EQ(run.exitCode, 1) << run.err;
  const std::string report = ReportPathIn(scratch.File("runs/first"), run.pid);
  ASSERT_TRUE(FileExists(report)) << run.out << run.err;
  EXPECT_FALSE(FileExists(scratch.File("scons-out")));
  EXPECT_NE(run.out.find("report: " + report + "\n"), std::string::npos) << run.out;
  EXPECT_TRUE(FileExists(scratch.File("runs/first/scons-out/opt/tests/auto_experiment_tests/special_flag_file_" +
                                      std::to_string(run.pid) + ".dat")));
  EXPECT_EQ(SchemaErrors(report), "");
}

TEST(DatahookRunner, ExplicitPluginPathIsUsedRelativeToTheStartDirectory) {
  testsupport::ScratchDir scratch;
  testsupport::WriteFile(scratch.File("not-a-library.so"), "plain text\n");
  const auto real = RunRunner({"--plugin", runnertest::PluginPath(), "--workdir", "elsewhere"});
  EXPECT_EQ(real.exitCode, 0) << real.err;
  // Resolved against the start directory, not the work directory and not the library search path.
  const auto relative = RunRunner({"--plugin", "not-a-library.so", "--workdir", "elsewhere"});
  EXPECT_EQ(relative.exitCode, 2);
  EXPECT_NE(relative.err.find(scratch.File("not-a-library.so")), std::string::npos) << relative.err;
}

}  // namespace

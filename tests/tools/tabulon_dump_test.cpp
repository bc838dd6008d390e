// tabulon-dump end to end: the data-file corpus through either parser (its usage errors are runner sessions).
#include "support/files.h"
#include "support/scratchdir.h"
#include "datahook_runner_child.h"
#include <gtest/gtest.h>

namespace {

runnertest::RunnerResult Dump(std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), runnertest::ToolPath("tabulon-dump"));
  return runnertest::RunProgram(arguments);
}

// The data-file corpus under testdata/tabulon/: beside each X.txt, X.dump holds what tabulon-dump prints for it
// through the text parser, then "--in-memory" and what it prints through the in-memory parser, each followed by
// its exit status. The folder in the file's path reads "testdata/tabulon/". DH_WRITE_EXPECTED=1 writes the X.dump
// files from this build instead of comparing (then read the diff).
std::string DumpThroughBothParsers(const std::string& file) {
  std::string both;
  for (const std::vector<std::string>& options : {std::vector<std::string>{}, {"--in-memory"}}) {
    std::vector<std::string> arguments = options;
    arguments.push_back(file);
    const auto run = Dump(arguments);
    both += (options.empty() ? "" : "--in-memory\n") + run.out + "exit\t" + std::to_string(run.exitCode) + "\n";
  }
  return testsupport::ReplaceAll(both, testsupport::TestData("tabulon/"), "testdata/tabulon/");
}

class TabulonCorpus : public ::testing::TestWithParam<std::string> {};

TEST_P(TabulonCorpus, DumpsAsKeptBesideIt) {
  testsupport::ScratchDir scratch;  // the child's output files go here
  const std::string& file = GetParam();
  testsupport::ExpectSameAsKept(DumpThroughBothParsers(file), file.substr(0, file.size() - 4) + ".dump");
}

INSTANTIATE_TEST_SUITE_P(EveryFile, TabulonCorpus,
                         ::testing::ValuesIn(testsupport::FilesIn(testsupport::TestData("tabulon"), ".txt")),
                         [](const ::testing::TestParamInfo<std::string>& generated) {
                           return testsupport::TestNameOf(generated.param);
                         });

}  // namespace

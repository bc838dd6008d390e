// The README's examples are real: its data file, written by the command it shows and run through the built tools,
// gives exactly the output, report and verifier source the README shows.
#include "support/files.h"
#include "support/scratchdir.h"
#include <gtest/gtest.h>
#include <map>
#include <string>

namespace {

const std::string kDataFile = "2012_3_16_tessel_2670_loop_guard_block_level.vn6 P01.txt";

// The fenced blocks that follow a "<!-- checked: NAME -->" line, by name.
std::map<std::string, std::string> CheckedBlocks() {
  const std::string readme = testsupport::ReadFile(DH_SOURCE_DIR "/README.md");
  const std::string marker = "<!-- checked: ";
  std::map<std::string, std::string> blocks;
  for (size_t at = readme.find(marker); at != std::string::npos; at = readme.find(marker, at + 1)) {
    const size_t nameEnd = readme.find(" -->\n```", at);
    const size_t start = readme.find('\n', nameEnd + 5) + 1;
    const size_t end = readme.find("```", start);
    if (nameEnd == std::string::npos || end == std::string::npos) break;
    blocks[readme.substr(at + marker.size(), nameEnd - at - marker.size())] = readme.substr(start, end - start);
  }
  return blocks;
}

class ReadmeExamples : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(blocks_.count("datafile"), 1u);
    testsupport::WriteFile(scratch_.File(kDataFile), blocks_["datafile"]);
  }
  std::map<std::string, std::string> blocks_ = CheckedBlocks();
  testsupport::ScratchDir scratch_;
};

TEST_F(ReadmeExamples, DumpShowsWhatTheReaderSees) {
  ASSERT_EQ(blocks_["dump-command"], "$ tabulon-dump \"" + kDataFile + "\"\n");
  EXPECT_EQ(testsupport::CommandOutput(DH_BINARY_DIR "/bin/tabulon-dump \"" + kDataFile + "\""),
            blocks_["dump-output"]);
}

TEST_F(ReadmeExamples, RunnerSummaryAndReportAreTheOnesShown) {
  ASSERT_EQ(blocks_["runner-command"], "$ datahook-runner --workdir run \"" + kDataFile + "\"\n");
  std::string summary =
      testsupport::CommandOutput(DH_BINARY_DIR "/bin/datahook-runner --workdir run \"" + kDataFile + "\"");
  testsupport::ReplaceAll(summary, scratch_.Path(), "<workdir>");
  EXPECT_EQ(testsupport::WithoutProcessIds(summary), blocks_["runner-output"]);

  const size_t report = summary.find("report: <workdir>/");
  ASSERT_NE(report, std::string::npos);
  const std::string reportPath = summary.substr(report + 18, summary.find('\n', report) - report - 18);
  EXPECT_EQ(testsupport::WithoutProcessIds(testsupport::ReadFile(scratch_.File(reportPath))), blocks_["report"]);
}

// The command shown, run from the tree's root, writes the example data file.
TEST_F(ReadmeExamples, DataFileCommandWritesTheExampleDataFile) {
  const std::string prompt = "$ scripts/datafile.py \"" + kDataFile + "\" ";
  ASSERT_EQ(blocks_["datafile-command"].rfind(prompt, 0), 0u);
  const std::string written = scratch_.File("written.txt");
  const std::string command =
      DH_SOURCE_DIR "/scripts/datafile.py \"" + written + "\" " + blocks_["datafile-command"].substr(prompt.size());
  EXPECT_EQ(testsupport::CommandOutput(command + " 2>&1"), "");
  EXPECT_EQ(testsupport::ReadFile(written), blocks_["datafile"]);
}

TEST_F(ReadmeExamples, VerifierWalkThroughIsTheRealSource) {
  EXPECT_EQ(blocks_["verifier"],
            testsupport::ReadFile(DH_SOURCE_DIR "/verifiers/cases/macro_family/block_loop_guard.cpp"));
}

}  // namespace

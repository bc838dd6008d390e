// The README's examples are real: its data file, run through the built tools, gives exactly the output, report
// and verifier source the README shows.
#include "tests/support/files.h"
#include "tests/support/scratchdir.h"
#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <map>
#include <regex>
#include <string>

namespace {

const std::string kDataFile = "2012_3_16_tessel_2670_loop_guard_block_level.vn6 P01.txt";

// The fenced blocks that follow a "<!-- checked: NAME -->" line, by name.
std::map<std::string, std::string> CheckedBlocks() {
  const std::string readme = testsupport::ReadFile(DH_SOURCE_DIR "/README.md");
  const std::regex block("<!-- checked: ([a-z-]+) -->\n```[a-z]*\n([^`]*)```");
  std::map<std::string, std::string> blocks;
  for (std::sregex_iterator it(readme.begin(), readme.end(), block), end; it != end; ++it) {
    blocks[(*it)[1]] = (*it)[2];
  }
  return blocks;
}

std::string Output(const std::string& command) {
  FILE* pipe = popen(command.c_str(), "r");
  std::string output;
  if (pipe == nullptr) return output;
  std::array<char, 4096> chunk;
  for (size_t n; (n = fread(chunk.data(), 1, chunk.size(), pipe)) > 0;) output.append(chunk.data(), n);
  pclose(pipe);
  return output;
}

std::string WithoutProcessIds(std::string text) {
  text = std::regex_replace(text, std::regex("_pid_[0-9]+"), "_pid_<pid>");
  return std::regex_replace(text, std::regex("Running_[0-9]+\\.xml"), "Running_<pid>.xml");
}

class ReadmeExamples : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(blocks.count("datafile"), 1u);
    testsupport::WriteFile(scratch.File(kDataFile), blocks["datafile"]);
  }
  std::map<std::string, std::string> blocks = CheckedBlocks();
  testsupport::ScratchDir scratch;
};

TEST_F(ReadmeExamples, DumpShowsWhatTheReaderSees) {
  ASSERT_EQ(blocks["dump-command"], "$ tabulon-dump \"" + kDataFile + "\"\n");
  EXPECT_EQ(Output(DH_BINARY_DIR "/bin/tabulon-dump \"" + kDataFile + "\""), blocks["dump-output"]);
}

TEST_F(ReadmeExamples, RunnerSummaryAndReportAreTheOnesShown) {
  ASSERT_EQ(blocks["runner-command"], "$ datahook-runner --workdir run \"" + kDataFile + "\"\n");
  std::string summary = Output(DH_BINARY_DIR "/bin/datahook-runner --workdir run \"" + kDataFile + "\"");
  const size_t at = summary.find(scratch.Path());
  if (at != std::string::npos) summary.replace(at, scratch.Path().size(), "<workdir>");
  EXPECT_EQ(WithoutProcessIds(summary), blocks["runner-output"]);

  const std::smatch found = [&] {
    std::smatch match;
    std::regex_search(summary, match, std::regex("report: <workdir>/(.*\\.xml)"));
    return match;
  }();
  ASSERT_FALSE(found.empty());
  EXPECT_EQ(WithoutProcessIds(testsupport::ReadFile(scratch.File(found[1]))), blocks["report"]);
}

TEST_F(ReadmeExamples, VerifierWalkThroughIsTheRealSource) {
  EXPECT_EQ(blocks["verifier"],
            testsupport::ReadFile(DH_SOURCE_DIR "/verifiers/cases/test_2012_3_16_tessel_2670_loop_guard_block_level.cpp"));
}

}  // namespace

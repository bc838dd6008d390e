// The README's examples are real: its data file, written by the command it shows and run through the built tools,
// gives exactly the output, report and verifier source the README shows.
#include "tests/support/files.h"
#include "tests/support/scratchdir.h"
#include <array>
#include <cctype>
#include <cstdio>
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

std::string Output(const std::string& command) {
  FILE* pipe = popen(command.c_str(), "r");
  std::string output;
  if (pipe == nullptr) return output;
  std::array<char, 4096> chunk;
  for (size_t n; (n = fread(chunk.data(), 1, chunk.size(), pipe)) > 0;) output.append(chunk.data(), n);
  pclose(pipe);
  return output;
}

// Process ids (after "_pid_" and in the report's name) read "<pid>".
std::string WithoutProcessIds(std::string text) {
  for (const std::string before : {"_pid_", "Running_"}) {
    for (size_t at = text.find(before); at != std::string::npos; at = text.find(before, at + 1)) {
      const size_t digits = at + before.size();
      size_t end = digits;
      while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end]))) ++end;
      if (end > digits) text.replace(digits, end - digits, "<pid>");
    }
  }
  return text;
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
  for (size_t at = summary.find(scratch.Path()); at != std::string::npos; at = summary.find(scratch.Path(), at)) {
    summary.replace(at, scratch.Path().size(), "<workdir>");
  }
  EXPECT_EQ(WithoutProcessIds(summary), blocks["runner-output"]);

  const size_t report = summary.find("report: <workdir>/");
  ASSERT_NE(report, std::string::npos);
  const std::string reportPath = summary.substr(report + 18, summary.find('\n', report) - report - 18);
  EXPECT_EQ(WithoutProcessIds(testsupport::ReadFile(scratch.File(reportPath))), blocks["report"]);
}

// The command shown, run from the tree's root, writes the example data file.
TEST_F(ReadmeExamples, DataFileCommandWritesTheExampleDataFile) {
  const std::string prompt = "$ scripts/datafile.py \"" + kDataFile + "\" ";
  ASSERT_EQ(blocks["datafile-command"].rfind(prompt, 0), 0u);
  const std::string written = scratch.File("written.txt");
  const std::string command =
      DH_SOURCE_DIR "/scripts/datafile.py \"" + written + "\" " + blocks["datafile-command"].substr(prompt.size());
  EXPECT_EQ(Output(command + " 2>&1"), "");
  EXPECT_EQ(testsupport::ReadFile(written), blocks["datafile"]);
}

TEST_F(ReadmeExamples, VerifierWalkThroughIsTheRealSource) {
  EXPECT_EQ(blocks["verifier"],
            testsupport::ReadFile(DH_SOURCE_DIR "/verifiers/cases/macro_family/block_loop_guard.cpp"));
}

}  // namespace

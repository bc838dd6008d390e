// tabulon-dump end to end: output lines for good files (text and in-memory parser), a file that fails to load,
// and usage errors.
#include "tests/support/files.h"
#include "tests/support/scratchdir.h"
#include <gtest/gtest.h>
#include <array>
#include <cstdio>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

struct DumpRun {
  int status = -1;
  std::vector<std::string> lines;
};

DumpRun Dump(const std::string& arguments) {
  const std::string command = std::string(DH_BINARY_DIR "/bin/tabulon-dump ") + arguments + " 2>/dev/null";
  DumpRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  std::string output;
  std::array<char, 4096> chunk;
  for (std::size_t n; (n = fread(chunk.data(), 1, chunk.size(), pipe)) > 0;) output.append(chunk.data(), n);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  std::istringstream stream(output);
  for (std::string line; std::getline(stream, line);) run.lines.push_back(line);
  return run;
}

std::string Quoted(const std::string& path) { return "'" + path + "'"; }

const std::string kGoodFile =
    "  Ann Lee \n"
    "Stroop\n"
    "1/2/2024 3:04:05 PM\n"
    "\n"
    "Block\tTrial\tFont Color\tNote\n"
    "Name\tName\t(Trial Variable)\t\n"
    "B1\tT1\tred\tback\\slash\n"
    "B1\tT2\tblue\n";

class TabulonDump : public ::testing::Test {
 protected:
  testsupport::ScratchDir dir;
  std::string good = dir.File("good file.txt");
  void SetUp() override { testsupport::WriteFile(good, kGoodFile); }
};

TEST_F(TabulonDump, PrintsTheWholeTable) {
  const DumpRun run = Dump(Quoted(good));
  EXPECT_EQ(run.status, 0);
  const std::vector<std::string> expected = {
      "report\t0\tSuccess",
      "status\tok",
      "header\tPNPNPN_PNPNPN_01zx\tAnn Lee",
      "header\tFFFFF1\t" + good,
      "header\tSFSFSF1\tgood file.txt",
      "header\tEXPEXPEXPEXPEXP\tStroop",
      "header\tEXPDT_EXPDT_EXPDT_\t1/2/2024 3:04:05 PM",
      "rows\t2",
      "columns\t4",
      "column\t0\tBlock\\nName\t0\t2",
      "column\t1\tTrial\\nName\t0\t2",
      "column\t2\tFont Color\\n(Trial Variable)\t1\t2",
      "column\t3\tNote\t0\t2",
      "row\t0\tB1\tT1\tred\tback\\\\slash",
      "row\t1\tB1\tT2\tblue\t",
  };
  EXPECT_EQ(run.lines, expected);
}

TEST_F(TabulonDump, InMemoryParserLeavesFlagsAndKindsUnset) {
  const DumpRun run = Dump("--in-memory " + Quoted(good));
  EXPECT_EQ(run.status, 0);
  ASSERT_GE(run.lines.size(), 15u);
  EXPECT_EQ(run.lines[0], "report\t0\tSuccess");
  EXPECT_EQ(run.lines[1], "status\tok");
  EXPECT_EQ(run.lines[11], "column\t2\tFont Color\\n(Trial Variable)\t0\t0");
  EXPECT_EQ(run.lines[13], "row\t0\tB1\tT1\tred\tback\\\\slash");
}

TEST_F(TabulonDump, ControlCharactersAreEscapedInFields) {
  testsupport::WriteFile(good, "P\r\nE\r\nD\r\n\r\nA\tB\r\n\t\r\nx\t\x01y\r\n");
  const DumpRun run = Dump(Quoted(good));
  EXPECT_EQ(run.status, 0);
  ASSERT_FALSE(run.lines.empty());
  EXPECT_EQ(run.lines.back(), "row\t0\tx\t^Ay");
}

TEST_F(TabulonDump, AnEmptyDataLineIsARowOfEmptyCells) {
  testsupport::WriteFile(good, "P\nE\nD\n\nA\tC\nB\t\n\n");
  const DumpRun run = Dump(Quoted(good));
  ASSERT_EQ(run.status, 0);
  ASSERT_EQ(run.lines.size(), 12u);
  EXPECT_EQ(std::vector<std::string>(run.lines.begin() + 7, run.lines.end()),
            (std::vector<std::string>{"rows\t1", "columns\t2", "column\t0\tA\\nB\t0\t2", "column\t1\tC\t0\t2",
                                      "row\t0\t\t"}));
}

TEST_F(TabulonDump, AFileTooShortFailsWithItsReport) {
  testsupport::WriteFile(good, "P\nE\nD\n\nA\nB\n");
  const DumpRun run = Dump(Quoted(good));
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.lines,
            (std::vector<std::string>{"report\t6\tThis file does not appear long enough to be a valid datafile.  "
                                      "There should be 6 lines of header information followed by one or more rows "
                                      "of data.",
                                      "status\tfailed"}));
}

TEST_F(TabulonDump, AMissingFileFailsWithOpenReports) {
  for (const char* option : {"", "--in-memory "}) {
    const DumpRun run = Dump(std::string(option) + Quoted(dir.File("missing.txt")));
    EXPECT_EQ(run.status, 1) << option;
    ASSERT_GE(run.lines.size(), 2u) << option;
    EXPECT_EQ(run.lines.front().rfind("report\t8\t", 0), 0u) << run.lines.front();
    EXPECT_EQ(run.lines.back(), "status\tfailed");
  }
}

TEST_F(TabulonDump, UsageErrors) {
  for (const std::string& arguments : {std::string(), std::string("--bogus ") + Quoted(good),
                                      Quoted(good) + " " + Quoted(good)}) {
    const DumpRun run = Dump(arguments);
    EXPECT_EQ(run.status, 2) << arguments;
    EXPECT_TRUE(run.lines.empty()) << arguments;
  }
}

TEST_F(TabulonDump, HelpExplainsAndSucceeds) {
  const DumpRun run = Dump("--help");
  EXPECT_EQ(run.status, 0);
  ASSERT_FALSE(run.lines.empty());
  EXPECT_EQ(run.lines[0].rfind("Usage: tabulon-dump", 0), 0u);
}

}  // namespace

// tabulon-dump end to end: the output lines for a good file through either parser, failing files, usage errors.
#include "tests/support/files.h"
#include "tests/support/scratchdir.h"
#include "tests/tools/datahook_runner_child.h"
#include <gtest/gtest.h>
#include <sstream>

namespace {

struct DumpRun {
  int status;
  std::vector<std::string> lines;
};

DumpRun Dump(std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), runnertest::ToolPath("tabulon-dump"));
  const auto run = runnertest::RunProgram(arguments);
  DumpRun dump{run.exitCode, {}};
  std::istringstream stream(run.out);
  for (std::string line; std::getline(stream, line);) dump.lines.push_back(line);
  return dump;
}

class TabulonDump : public ::testing::Test {
 protected:
  void SetUp() override {
    testsupport::WriteFile(good,
                           "  Ann Lee \nStroop\n1/2/2024 3:04:05 PM\n\nBlock\tTrial\tFont Color\tNote\n"
                           "Name\tName\t(Trial Variable)\t\nB1\tT1\tred\tback\\slash\nB1\tT2\tblue\n");
  }
  testsupport::ScratchDir dir;
  std::string good = dir.File("good file.txt");
};

TEST_F(TabulonDump, PrintsTheWholeTableThroughEitherParser) {
  std::vector<std::string> expected = {
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
  const DumpRun text = Dump({good});
  EXPECT_EQ(text.status, 0);
  EXPECT_EQ(text.lines, expected);
  // The in-memory parser sets neither flags nor kinds.
  expected[9] = "column\t0\tBlock\\nName\t0\t0";
  expected[10] = "column\t1\tTrial\\nName\t0\t0";
  expected[11] = "column\t2\tFont Color\\n(Trial Variable)\t0\t0";
  expected[12] = "column\t3\tNote\t0\t0";
  const DumpRun inMemory = Dump({"--in-memory", good});
  EXPECT_EQ(inMemory.status, 0);
  EXPECT_EQ(inMemory.lines, expected);
}

TEST_F(TabulonDump, FailingFilesShowTheirReports) {
  testsupport::WriteFile(good, "P\nE\nD\n\nA\nB\n");
  const DumpRun tooShort = Dump({good});
  EXPECT_EQ(tooShort.status, 1);
  EXPECT_EQ(tooShort.lines, (std::vector<std::string>{"report\t6\tThis file does not appear long enough to be a valid "
                                                      "datafile.  There should be 6 lines of header information "
                                                      "followed by one or more rows of data.",
                                                      "status\tfailed"}));
  for (auto arguments : std::vector<std::vector<std::string>>{{}, {"--in-memory"}}) {
    arguments.push_back(dir.File("missing.txt"));
    const DumpRun missing = Dump(arguments);
    EXPECT_EQ(missing.status, 1);
    ASSERT_GE(missing.lines.size(), 2u);
    EXPECT_EQ(missing.lines.front().rfind("report\t8\t", 0), 0u) << missing.lines.front();
    EXPECT_EQ(missing.lines.back(), "status\tfailed");
  }
}

TEST_F(TabulonDump, UsageErrorsAndHelp) {
  for (const auto& arguments : std::vector<std::vector<std::string>>{{}, {"--bogus", good}, {good, good}}) {
    const DumpRun run = Dump(arguments);
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.lines.empty());
  }
  const DumpRun help = Dump({"--help"});
  EXPECT_EQ(help.status, 0);
  ASSERT_FALSE(help.lines.empty());
  EXPECT_EQ(help.lines[0], "Usage: tabulon-dump [--in-memory] FILE");
}

}  // namespace

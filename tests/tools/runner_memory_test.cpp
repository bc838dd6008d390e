// A data file within the size limit keeps the runner below 64 MiB however it is shaped, with the dashboard report
// off and on: names the reader must invent for stray cells and very many headings stay within the columns' budget,
// and a report that grows with the rows waits in a file, not in memory.
#include "support/files.h"
#include "support/scratchdir.h"
#include "datahook_runner_child.h"
#include "peakmemory.h"
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace {

constexpr std::size_t kSizeLimit = 1048576;
constexpr long kPeakLimitKibibytes = 64 * 1024;
const std::string kHeader = "P01\nloop guard block level\n2026-12-06 10:15:42\nData file version 5\n";

// The shapes that cost the most per byte: names the reader must invent, many columns, many rows.
// Trailing empty cells are dropped, so each stray cell holds a character.
std::string RowOfStrayCells() {
  std::string text = kHeader + "Event\nName\nevent 1";
  while (text.size() + 4 < kSizeLimit) text += "\tx";
  return text + "\n";
}

std::string HundredThousandColumns() {
  std::string headings;
  for (int column = 0; column < 100000; ++column) headings += (column ? "\t" : "") + std::to_string(column);
  return kHeader + headings + "\n\nevent 1\n";
}

// Rows past a very wide one hold only their own cells.
std::string WideRowThenShortRows() {
  std::string text = kHeader + "Event\nName\nevent 1";
  for (int cell = 0; cell < 3000; ++cell) text += "\tx";
  text += "\n";
  while (text.size() + 8 < kSizeLimit) text += "event 1\n";
  return text;
}

// Very many rows: each costs its record and nothing per column, and no check copies a column.
std::string Lines(const std::string& line, std::size_t most = kSizeLimit) {
  std::string text = kHeader + "Event\nName\n";
  for (std::size_t rows = 0; rows < most && text.size() + line.size() < kSizeLimit; ++rows) text += line;
  return text;
}

TEST(RunnerMemory, WorstShapedDataFilesPeakBelowTheLimit) {
  if (std::getenv("DH_SANITIZED_RUN") != nullptr) GTEST_SKIP() << "the sanitizers' own memory swamps the figure";
  testsupport::ScratchDir scratch;
  const std::string loopGuard = "2012_3_16_tessel_2670_loop_guard_block_level.vn6";
  // Two experiments whose report grows with the rows: a failure for every row, every row's name in one message.
  const std::string failurePerRow = "2014-06-16_sync_trials.vn5";
  const std::string nameOfEveryRow = "fake_input_when_resp_is_fb_test.vn5";
  const struct {
    std::string experiment;
    const char* shape;
    std::string bytes;
  } cases[] = {{loopGuard, "a row of stray cells", RowOfStrayCells()},
               {loopGuard, "100,000 columns", HundredThousandColumns()},
               {loopGuard, "a wide row then short rows", WideRowThenShortRows()},
               {loopGuard, "one cell per line", Lines("e\n")},
               {loopGuard, "a million empty lines", Lines("\n")},
               {loopGuard, "the corpus file",
                testsupport::ReadFile(DH_SOURCE_DIR "/testdata/faulty/2012_3_16_tessel_2670_loop_guard_block_"
                                                    "level.vn6 a row with far more cells than headings.txt")},
               // 36 MB of report; the whole file's million would take seconds to write.
               {failurePerRow, "100,000 rows without a time", Lines("\n", 100000)},
               {nameOfEveryRow, "a million empty lines", Lines("\n")}};
  for (const auto& c : cases) {
    ASSERT_LE(c.bytes.size(), kSizeLimit) << c.shape;
    const std::string path = scratch.File(c.experiment + " " + c.shape);
    testsupport::WriteFile(path + ".txt", c.bytes);
    // The dashboard report off, then on: its test cases wait in a file too.
    for (const std::vector<std::string>& dashboard :
         {std::vector<std::string>(), {"--junit-dir", scratch.File("jd")}}) {
      std::vector<std::string> arguments = {runnertest::ToolPath("datahook-runner"), "--workdir", scratch.File("run")};
      arguments.insert(arguments.end(), dashboard.begin(), dashboard.end());
      arguments.push_back(path + ".txt");
      const runnertest::PeakMemory run = runnertest::RunMeasuringPeakMemory(arguments);
      const std::string which = c.experiment + ", " + c.shape + (dashboard.empty() ? "" : ", dashboard report on");
      EXPECT_TRUE(run.exitCode == 0 || run.exitCode == 1) << which << ": exit " << run.exitCode;
      EXPECT_LT(run.peakKibibytes, kPeakLimitKibibytes) << which << ": peak " << run.peakKibibytes << " KiB";
    }
  }
}

}  // namespace

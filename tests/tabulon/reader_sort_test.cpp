// Sorting the table by a column: text order by the first 18 characters with long texts after short ones,
// descending order, reaction times, stability, hidden rows, and clearing the sort.
#include "tabulon/src/muexperimenttextreadermultifile.h"
#include "tabulon/src/murowrecord.h"
#include "tabulon/src/murowsorting.h"
#include "tests/support/scratchdir.h"
#include "tests/tabulon/reader_test_files.h"
#include <gtest/gtest.h>

using namespace readertest;

namespace {

const std::string k18(18, 'm');           // covered by the sort keys
const std::string k19a = k18 + "a";       // first character past the keys
const std::string k19z = k18 + "z";
const std::string k20 = k18 + "aa";

class ReaderSort : public ::testing::Test {
 protected:
  std::shared_ptr<MUExperimentTextReaderMultiFile> Load(const std::vector<std::string>& texts,
                                                        const std::vector<std::string>& reactionTimes = {}) {
    std::vector<Cells> rows;
    for (std::size_t i = 0; i < texts.size(); ++i) {
      rows.push_back({"R" + std::to_string(i), texts[i], i < reactionTimes.size() ? reactionTimes[i] : "0"});
    }
    const std::string path =
        WriteDataFile(dir.File("sort" + std::to_string(files++) + ".txt"), {"Row", "Word", "Reaction"},
                      {"", "", "Time"}, rows);
    return LoadReader(path);
  }
  // The row labels top to bottom after sorting by the column.
  static std::vector<wxString> Order(MUExperimentTextReaderMultiFile& reader, const wxString& column, int direction) {
    reader.SetSortSettings(column, direction);
    return ColumnTexts(reader, "Row");
  }

  testsupport::ScratchDir dir;
  int files = 0;
};

TEST_F(ReaderSort, AscendingText) {
  auto reader = Load({"pear", "apple", "fig", "banana", "Zebra"});
  EXPECT_EQ(Order(*reader, "Word", 0), WxList({"R4", "R1", "R3", "R2", "R0"}));
}

TEST_F(ReaderSort, DescendingText) {
  auto reader = Load({"pear", "apple", "fig", "banana", "Zebra"});
  EXPECT_EQ(Order(*reader, "Word", 1), WxList({"R0", "R2", "R3", "R1", "R4"}));
  EXPECT_EQ(Order(*reader, "Word", -5), WxList({"R0", "R2", "R3", "R1", "R4"}));
}

TEST_F(ReaderSort, ShorterTextSortsFirstWhenItIsAPrefix) {
  auto reader = Load({"abc", "ab", "abcd", "a"});
  EXPECT_EQ(Order(*reader, "Word", 0), WxList({"R3", "R1", "R0", "R2"}));
  EXPECT_EQ(Order(*reader, "Word", 1), WxList({"R2", "R0", "R1", "R3"}));
}

TEST_F(ReaderSort, AcrossTheKeyPartBoundaries) {
  // Differences in characters 6/7 and 12/13 decide through the second and third keys.
  auto reader = Load({"aaaaaab", "aaaaaaa", "aaaaaaaaaaaac", "aaaaaaaaaaaab", "aaaaab"});
  EXPECT_EQ(Order(*reader, "Word", 0), WxList({"R1", "R3", "R2", "R0", "R4"}));
}

TEST_F(ReaderSort, LongTextsFollowShortOnesWithEqualKeysAscending) {
  auto reader = Load({k19z, k20, k18, k19a, "a", "z"});
  EXPECT_EQ(Order(*reader, "Word", 0), WxList({"R4", "R2", "R3", "R1", "R0", "R5"}));
}

TEST_F(ReaderSort, LongTextsPrecedeShortOnesWithEqualKeysDescending) {
  auto reader = Load({k19z, k20, k18, k19a, "a", "z"});
  EXPECT_EQ(Order(*reader, "Word", 1), WxList({"R5", "R0", "R1", "R3", "R2", "R4"}));
}

TEST_F(ReaderSort, OnlyLongTexts) {
  auto reader = Load({k20, k19z, k19a});
  EXPECT_EQ(Order(*reader, "Word", 0), WxList({"R2", "R0", "R1"}));
  EXPECT_EQ(Order(*reader, "Word", 1), WxList({"R1", "R0", "R2"}));
}

TEST_F(ReaderSort, EqualTextsKeepTheirOrder) {
  auto reader = Load({"b", "a", "b", "a", "b", k19a, k19a});
  EXPECT_EQ(Order(*reader, "Word", 0), WxList({"R1", "R3", "R0", "R2", "R4", "R5", "R6"}));
  EXPECT_EQ(Order(*reader, "Word", 1), WxList({"R5", "R6", "R0", "R2", "R4", "R1", "R3"}));
}

TEST_F(ReaderSort, ReactionTimesSortAsNumbers) {
  auto reader = Load({"a", "b", "c", "d", "e"}, {"100", "25", "abc", "25", "3.5"});
  EXPECT_EQ(Order(*reader, "Reaction\nTime", 0), WxList({"R2", "R4", "R1", "R3", "R0"}));
  EXPECT_EQ(Order(*reader, "Reaction\nTime", 1), WxList({"R0", "R1", "R3", "R4", "R2"}));
}

TEST_F(ReaderSort, SortingRecordsKeysAndPositions) {
  auto reader = Load({"c", "a", "b"});
  reader->SetSortSettings("Word", 0);
  for (int i = 0; i < 3; ++i) {
    const RowRecord* record = reader->GetRowRecord(i, MURowScope_All);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->positions[1], i);
    EXPECT_EQ(record->positions[3], i);
  }
  EXPECT_EQ(reader->GetRowRecord(0, MURowScope_All)->positions[0], 1);
  EXPECT_EQ(reader->GetRowRecord(2, MURowScope_All)->positions[0], 0);
  // Queries over all rows list positions in key order.
  EXPECT_EQ(reader->GetRowIndicesWhereBitStringAbsent(0, MURowScope_All), (std::vector<int>{2, 0, 1}));
  EXPECT_EQ(reader->GetRowIndicesWhereBitStringAbsent(0, MURowScope_Shown), (std::vector<int>{0, 1, 2}));
}

TEST_F(ReaderSort, HiddenRowsStayAfterTheShownOnesInKeyOrder) {
  auto reader = Load({"d", "c", "b", "a"});
  reader->HideRow(1);
  reader->HideRow(3);
  reader->Refresh();
  EXPECT_EQ(Order(*reader, "Word", 0), WxList({"R2", "R0"}));
  std::vector<wxString> all;
  for (int i = 0; i < 4; ++i) all.push_back(reader->GetRowRecord(i, MURowScope_All)->CellText("Row"));
  EXPECT_EQ(all, WxList({"R2", "R0", "R1", "R3"}));
}

TEST_F(ReaderSort, RefreshKeepsTheSortOrder) {
  auto reader = Load({"c", "a", "b"});
  reader->SetSortSettings("Word", 0);
  reader->Refresh();
  EXPECT_EQ(ColumnTexts(*reader, "Row"), WxList({"R1", "R2", "R0"}));
}

TEST_F(ReaderSort, ClearingTheSortRestoresKeyOrder) {
  auto reader = Load({"c", "a", "b"});
  reader->SetSortSettings("Word", 1);
  wxString column;
  int direction = 0;
  reader->GetSortSettings(column, direction);
  EXPECT_EQ(column, "Word");
  EXPECT_EQ(direction, 1);
  reader->ClearSortSettings();
  reader->GetSortSettings(column, direction);
  EXPECT_EQ(column, "");
  EXPECT_EQ(ColumnTexts(*reader, "Row"), WxList({"R0", "R1", "R2"}));
}

TEST_F(ReaderSort, AColumnNoSelectedFileHasLeavesTheOrder) {
  auto reader = Load({"c", "a", "b"});
  EXPECT_EQ(Order(*reader, "No Such Column", 0), WxList({"R0", "R1", "R2"}));
  EXPECT_EQ(reader->GetStatusText(), "");
}

TEST_F(ReaderSort, FinishingASortShowsAStatusText) {
  auto reader = Load({"c", "a", "b"});
  reader->SetSortSettings("Word", 0);
  EXPECT_TRUE(reader->GetStatusText().StartsWith("Finished sorting by \"Word\""));
  EXPECT_TRUE(reader->GetStatusText() == "Finished sorting by \"Word\"" ||
              reader->GetStatusText().EndsWith(" milliseconds."));
}

TEST_F(ReaderSort, ColumnsSortOnlyTheirOwnRows) {
  // A row from a file without the column has no cell; it still takes part without harm.
  const std::string first = WriteDataFile(dir.File("a.txt"), {"Row", "Word"}, {"", ""}, {{"R0", "b"}, {"R1", "a"}});
  const std::string second = WriteDataFile(dir.File("b.txt"), {"Row"}, {""}, {{"R2"}});
  auto reader = LoadReader(first);
  ASSERT_TRUE(reader->AddSelectedFile(wxFileName(Wx(second)), false));
  const std::vector<wxString> order = Order(*reader, "Word", 0);
  ASSERT_EQ(order.size(), 3u);
  EXPECT_EQ(order[1], "R1");
  EXPECT_EQ(order[2], "R0");
}

// The sort function itself, on records built in memory.
TEST(RowSorting, ShownRowsFirstThenTheRestInTheirOrder) {
  std::vector<std::unique_ptr<RowRecord>> records;
  std::vector<RowSortEntry> entries;
  const char* texts[] = {"d", "c", "b", "a"};
  for (unsigned i = 0; i < 4; ++i) {
    records.push_back(std::make_unique<RowRecord>());
    records.back()->SetCell("W", texts[i]);
    entries.push_back({i, records.back().get()});
  }
  records[0]->flags = 4;
  records[2]->flags = 16;
  SortRowsByColumn(entries, "W", false);
  std::vector<unsigned> keys;
  for (const auto& entry : entries) keys.push_back(entry.key);
  EXPECT_EQ(keys, (std::vector<unsigned>{3, 1, 0, 2}));
}

}  // namespace

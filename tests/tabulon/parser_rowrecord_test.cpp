// A row record reads as a map from column name to cell, however its cells are shared or stored.
#include "tabulon/src/mucelltext.h"
#include "tabulon/src/murowrecord.h"
#include <gtest/gtest.h>
#include <memory>

namespace {

TEST(ParserRowRecord, EmptyRecordHasNoCells) {
  RowRecord record;
  EXPECT_FALSE(record.HasCell("A"));
  EXPECT_EQ(record.CellText("A"), "");
  EXPECT_EQ(record.SortKey("A", 0), 0.0);
  EXPECT_TRUE(record.IsCoveredBySortKeys("A"));
  EXPECT_EQ(record.flags, 0u);
  EXPECT_EQ(record.reactionTime, -999999.0);
  for (int position : record.positions) EXPECT_EQ(position, -1);
}

TEST(ParserRowRecord, SetCellEntersAndReplaces) {
  RowRecord record;
  record.SetCell("A", "one");
  record.SetCell("B", "a text of twenty chars");
  record.SetCell("A", "two");
  EXPECT_EQ(record.CellText("A"), "two");
  EXPECT_EQ(record.SortKey("A", 0), SortKeyOfSix("two"));
  EXPECT_FALSE(record.IsCoveredBySortKeys("B"));
  EXPECT_FALSE(record.HasCell("a"));
  EXPECT_EQ(record.SortKey("A", 3), 0.0);
  EXPECT_EQ(record.SortKey("A", -1), 0.0);
}

TEST(ParserRowRecord, RecordsSharingALayoutStayIndependent) {
  auto layout = std::make_shared<RowRecordLayout>();
  layout->SetCommonCell("MARK", "file value");
  layout->AddColumn("A");
  layout->AddColumn("B");
  RowRecord first(layout, 2);
  RowRecord second(layout, 2);
  first.SetColumnText(0, "1");
  second.SetColumnText(0, "2");
  second.SetColumnText(1, "x");

  EXPECT_EQ(first.CellText("A"), "1");
  EXPECT_EQ(second.CellText("A"), "2");
  EXPECT_TRUE(first.HasCell("B"));
  EXPECT_EQ(first.SortKey("B", 0), 0.0);
  EXPECT_EQ(second.SortKey("B", 0), SortKeyOfSix("x"));
  EXPECT_EQ(first.CellText("MARK"), "file value");
  EXPECT_EQ(first.SortKey("MARK", 0), SortKeyOfSix("file value"));

  // A name new to one record must not appear in the others.
  first.SetCell("C", "only here");
  first.SetCell("MARK", "own value");
  EXPECT_EQ(first.CellText("C"), "only here");
  EXPECT_FALSE(second.HasCell("C"));
  EXPECT_EQ(first.CellText("MARK"), "own value");
  EXPECT_EQ(second.CellText("MARK"), "file value");
  EXPECT_EQ(layout->ColumnSlot("C"), RowRecordLayout::npos);
}

TEST(ParserRowRecord, ColumnsAddedLaterAreAbsentFromEarlierRecords) {
  auto layout = std::make_shared<RowRecordLayout>();
  layout->AddColumn("A");
  RowRecord early(layout, 1);
  layout->AddColumn("Late");
  RowRecord late(layout, 2);
  EXPECT_FALSE(early.HasCell("Late"));
  EXPECT_TRUE(late.HasCell("Late"));
  // Filling in the late column of the early record later is still possible, and leaves the others as they were.
  early.SetCell("Late", "z");
  EXPECT_EQ(early.CellText("Late"), "z");
  EXPECT_EQ(late.CellText("Late"), "");
}

TEST(ParserRowRecord, CopiesAreIndependent) {
  RowRecord original;
  original.SetCell("A", "1");
  RowRecord copy = original;
  copy.SetCell("A", "2");
  copy.SetCell("B", "3");
  EXPECT_EQ(original.CellText("A"), "1");
  EXPECT_FALSE(original.HasCell("B"));
  EXPECT_EQ(copy.CellText("B"), "3");
}

TEST(ParserRowRecord, PresentColumnsAreBoundedByTheLayout) {
  auto layout = std::make_shared<RowRecordLayout>();
  layout->AddColumn("A");
  RowRecord record(layout, 5);
  record.SetColumnText(3, "ignored");
  EXPECT_TRUE(record.HasCell("A"));
  EXPECT_EQ(record.CellText("A"), "");
}

}  // namespace

// Row flags through the table: hiding and showing rows, marking rows, and what views are told on a refresh.
#include "tabulon/src/muexperimenttextreadermultifile.h"
#include "tabulon/src/murowrecord.h"
#include "tests/support/scratchdir.h"
#include "tests/tabulon/reader_test_files.h"
#include <gtest/gtest.h>

using namespace readertest;

namespace {

class ReaderRows : public ::testing::Test {
 protected:
  testsupport::ScratchDir dir;
  std::string path = WriteDataFile(dir.File("rows.txt"), {"Event", "Value"}, {"Name", ""},
                                   {{"E0", "0"}, {"E1", "1"}, {"E2", "2"}, {"E3", "3"}});
  std::shared_ptr<MUExperimentTextReaderMultiFile> reader = LoadReader(path);
};

TEST_F(ReaderRows, HiddenRowLeavesTheTableAtTheNextRefresh) {
  reader->HideRow(0);
  EXPECT_TRUE(reader->IsRefreshNeeded());
  EXPECT_EQ(reader->GetRowCount(), 4);
  reader->Refresh();
  EXPECT_EQ(reader->GetRowCount(), 3);
  EXPECT_EQ(reader->GetCellText(0, 0), "E1");
  EXPECT_EQ(reader->GetCellText(3, 0), "?");
  EXPECT_EQ(reader->GetAllRowCount(), 4);
}

TEST_F(ReaderRows, ShowAllRowsBringsHiddenRowsBack) {
  reader->HideRow(0);
  reader->HideRow(2);  // the shown rows do not change before a refresh: this is E2
  reader->Refresh();
  EXPECT_EQ(ColumnTexts(*reader, "Event\nName"), WxList({"E1", "E3"}));
  reader->ShowAllRows();
  EXPECT_TRUE(reader->IsRefreshNeeded());
  reader->Refresh();
  EXPECT_EQ(ColumnTexts(*reader, "Event\nName"), WxList({"E0", "E1", "E2", "E3"}));
}

TEST_F(ReaderRows, HidingOutsideTheShownRowsDoesNothing) {
  for (int index : {-1, 4, 1000}) reader->HideRow(index);
  EXPECT_FALSE(reader->IsRefreshNeeded());
  reader->Refresh();
  EXPECT_EQ(reader->GetRowCount(), 4);
}

TEST_F(ReaderRows, PositionsOfAHiddenRow) {
  reader->HideRow(1);
  reader->Refresh();
  const RowRecord* hidden = reader->GetRowRecord(1, MURowScope_All);
  ASSERT_NE(hidden, nullptr);
  EXPECT_EQ(hidden->CellText("Event\nName"), "E1");
  EXPECT_EQ(hidden->flags & MURowFlag_Hidden, MURowFlag_Hidden);
  EXPECT_EQ(hidden->positions[1], 1);
  EXPECT_EQ(hidden->positions[2], 1);
  EXPECT_EQ(hidden->positions[3], -1);
  const RowRecord* after = reader->GetRowRecord(1, MURowScope_Shown);
  ASSERT_NE(after, nullptr);
  EXPECT_EQ(after->CellText("Event\nName"), "E2");
  EXPECT_EQ(after->positions[3], 1);
  EXPECT_EQ(after->positions[1], 2);
  EXPECT_EQ(reader->GetRowRecord(3, MURowScope_Unfiltered)->CellText("Event\nName"), "E3");
}

TEST_F(ReaderRows, MarkingRows) {
  EXPECT_FALSE(reader->IsRowMarked(2));
  reader->SetRowMarked(2, true);
  EXPECT_TRUE(reader->IsRowMarked(2));
  EXPECT_FALSE(reader->IsRowMarked(1));
  reader->ToggleRowMarked(2);
  EXPECT_FALSE(reader->IsRowMarked(2));
  reader->ToggleRowMarked(0);
  EXPECT_TRUE(reader->IsRowMarked(0));
  reader->SetRowMarked(0, false);
  EXPECT_FALSE(reader->IsRowMarked(0));
}

TEST_F(ReaderRows, MarkingOutsideTheShownRowsDoesNothing) {
  for (int index : {-1, 4}) {
    reader->SetRowMarked(index, true);
    reader->ToggleRowMarked(index);
    EXPECT_FALSE(reader->IsRowMarked(index));
  }
  EXPECT_TRUE(reader->GetRowIndicesWhereBitStringMatches(MURowFlag_Marked, MURowScope_All).empty());
}

TEST_F(ReaderRows, MarksSurviveARefreshAndDoNotHideRows) {
  reader->SetRowMarked(3, true);
  reader->Refresh();
  EXPECT_EQ(reader->GetRowCount(), 4);
  EXPECT_TRUE(reader->IsRowMarked(3));
}

class RecordingView : public MUInterfaceFileObserver {
 public:
  struct Notice {
    int shownRows, shownColumns, allRows, firstRow, firstColumn;
  };
  void OnTableChanged(int shownRows, int shownColumns, int allRows, int firstRow, int firstColumn) override {
    notices.push_back({shownRows, shownColumns, allRows, firstRow, firstColumn});
  }
  void SimultaneousFileRequestsSuppressAndUnsuppress(MUCommandEvent& event) override {
    eventTypes.push_back(event.GetEventType());
  }
  std::vector<Notice> notices;
  std::vector<wxEventType> eventTypes;
};

TEST_F(ReaderRows, ViewsHearOfEveryRefreshWithTheFirstChangedIndices) {
  RecordingView view;
  reader->AddView(&view);
  reader->AddView(&view);
  reader->Refresh();
  ASSERT_EQ(view.notices.size(), 1u);
  EXPECT_EQ(view.notices[0].shownRows, 4);
  EXPECT_EQ(view.notices[0].shownColumns, 2);
  EXPECT_EQ(view.notices[0].allRows, 4);
  EXPECT_EQ(view.notices[0].firstRow, -1);
  EXPECT_EQ(view.notices[0].firstColumn, -1);
  ASSERT_EQ(view.eventTypes.size(), 1u);
  EXPECT_EQ(view.eventTypes[0], MUEVT_TABULON_DATA_CHANGED);

  reader->HideRow(2);
  reader->HideColumn("Value");
  reader->Refresh();
  ASSERT_EQ(view.notices.size(), 2u);
  EXPECT_EQ(view.notices[1].shownRows, 3);
  EXPECT_EQ(view.notices[1].shownColumns, 1);
  EXPECT_EQ(view.notices[1].firstRow, 2);
  EXPECT_EQ(view.notices[1].firstColumn, 1);

  reader->RemoveView(&view);
  reader->Refresh();
  EXPECT_EQ(view.notices.size(), 2u);
}

TEST_F(ReaderRows, AReaderDoesNotBecomeItsOwnView) {
  RecordingView view;
  reader->AddView(reader.get());
  reader->AddView(&view);
  reader->Refresh();
  EXPECT_EQ(view.notices.size(), 1u);
  // Relayed notices pass the reader's own counts on.
  reader->OnTableChanged(0, 0, 0, 5, 6);
  ASSERT_EQ(view.notices.size(), 2u);
  EXPECT_EQ(view.notices[1].shownRows, 4);
  EXPECT_EQ(view.notices[1].firstRow, 5);
  EXPECT_EQ(view.notices[1].firstColumn, 6);
}

TEST_F(ReaderRows, HidingAndShowingColumns) {
  reader->HideColumn("Event\nName");
  reader->HideColumn("no such column");
  reader->Refresh();
  EXPECT_EQ(reader->GetColumnNames(), WxList({"Value"}));
  EXPECT_EQ(reader->GetColumnIndex("Event\nName"), -1);
  EXPECT_TRUE(reader->ColumnHasFlags("Event\nName", ColumnFlag_HiddenByUser));
  reader->ShowColumn("Event\nName");
  reader->Refresh();
  EXPECT_EQ(reader->GetColumnNames(), WxList({"Event\nName", "Value"}));
}

}  // namespace

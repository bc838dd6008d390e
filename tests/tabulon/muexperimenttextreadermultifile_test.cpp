// The reader's table: loading files, out-of-range access, merging a second file, hiding, showing and marking
// rows, and what views and the application hear.
#include "tabulon/columnmerge.h"
#include "tabulon/opendatafile.h"
#include "support/datafile.h"
#include "support/scratchdir.h"
#include "tabulon_test_files.h"
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/file.h>

using namespace tabulon;

using namespace tabtest;

namespace {

const std::vector<std::string> kColumns = {"Block\nName", "Trial\nName", "Event\nName", "Reaction\nTime",
                                           "Font Color\n(Trial Variable)"};
const std::vector<std::vector<std::string>> kRows = {
    {"B1", "T1", "Fix", "310", "red"}, {"B1", "T1", "Target", "455", "red"}, {"B1", "T2", "Fix", "298", "blue"}};

class ReaderLoad : public ::testing::Test {
 protected:
  void SetUp() override { testsupport::WriteDataFile(path_, kColumns, kRows); }
  testsupport::ScratchDir dir_;
  std::string path_ = dir_.File("data.txt");
};

TEST_F(ReaderLoad, OutsideTheTableGivesQuestionMarksAndMinusOne) {
  auto reader = LoadReader(path_);
  MUExperimentTextReaderMultiFile empty;
  const struct { int row, column; } outside[] = {{3, 0}, {0, 5}, {-1, 0}, {0, -1}, {-2147483647 - 1, 0}};
  for (const auto& cell : outside) EXPECT_EQ(reader->GetCellText(cell.row, cell.column), "?") << cell.row;
  for (int index : {-1, 5}) EXPECT_EQ(reader->GetColumnName(index), "?");
  EXPECT_EQ(empty.GetCellText(0, 0), "?");
  EXPECT_EQ(empty.GetColumnName(0), "?");
  const struct {
    const char* name;
    int index;
  } names[] = {{"Trial\nName", 1}, {"trial\nname", -1}, {"Trial Name", -1}, {"Trial\nName ", -1}, {"", -1}};
  for (const auto& c : names) EXPECT_EQ(reader->GetColumnIndex(W(c.name)), c.index) << c.name;
  EXPECT_EQ(empty.GetColumnIndex("Trial\nName"), -1);
  for (int scope : {0, 3, 8}) EXPECT_EQ(reader->GetRowRecord(0, scope), nullptr) << scope;
  EXPECT_EQ(reader->GetRowRecord(3, tabulon::RowScope::All), nullptr);
}

TEST_F(ReaderLoad, FailedAddLeavesTheTableAsItWas) {
  CollectingSink sink;
  MUExperimentTextReaderMultiFile reader(&sink);
  ASSERT_TRUE(reader.AddSelectedFile(wxFileName(W(path_)), false));
  testsupport::WriteFile(dir_.File("short.txt"), "P\nE\nD\n\nBlock\nName\n");
  testsupport::WriteFile(dir_.File("large.txt"), std::string(1048577, 'x'));
  for (const std::string& bad : {dir_.File("missing.txt"), dir_.File("short.txt"), dir_.File("large.txt"), path_}) {
    if (bad == path_) testsupport::WriteFile(path_, "only one line\n");  // a file already loaded stays selected
    EXPECT_FALSE(reader.AddSelectedFile(wxFileName(W(bad)), false)) << bad;
    EXPECT_EQ(reader.GetRowCount(), 3);
    EXPECT_EQ(reader.GetColumnCount(), 5);
    EXPECT_EQ(reader.GetAllRowCount(), 3);
    EXPECT_EQ(reader.GetSelectedFiles(), std::vector<wxString>{wxFileName(W(path_)).GetFullPath()});
  }
  ASSERT_EQ(sink.batches.size(), 5u);
  EXPECT_EQ(sink.batches[0][0].code, tabulon::ParseReportCode::Success);
  EXPECT_EQ(sink.batches[1][0].code, tabulon::ParseReportCode::OpenFailed);
  // Initialising again empties the table as the constructor left it.
  EXPECT_TRUE(reader.Initialise());
  EXPECT_TRUE(reader.GetAllRowCount() == 0 && reader.GetColumnCount() == 0 && reader.GetSelectedFiles().empty());
}

// The caller's file may stand anywhere: it is read from the start and its position put back.
TEST_F(ReaderLoad, OpenDataFileGivesALoadedTableOrNothing) {
  wxFile file(W(path_));
  file.Seek(13);
  for (wxFile* open : {static_cast<wxFile*>(nullptr), &file}) {
    const auto reader = OpenDataFile(wxFileName(W(path_)), open);
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(reader->GetRowCount(), 3);
    EXPECT_EQ(reader->GetCellText(1, 2), "Target");
    // Only the text parser sets column flags: the open file went through the in-memory one.
    EXPECT_EQ(reader->IsTrialVariableColumn("Font Color\n(Trial Variable)"), open == nullptr);
  }
  EXPECT_EQ(file.Tell(), 13);
  EXPECT_EQ(OpenDataFile(wxFileName(W(dir_.File("missing.txt")))), nullptr);
}

ColumnPropertyQueue Incoming(const std::vector<std::string>& names, const std::string& path) {
  ColumnPropertyQueue queue;
  for (const auto& name : names) queue.push_back(std::make_unique<ColumnProperty>(W(name), W(path)));
  return queue;
}

TEST(ColumnMerge, ListOrder) {
  const struct {
    std::vector<std::string> first, second;
    bool insertNextTo;
    std::vector<std::string> expected;
  } cases[] = {{{"A", "B", "C"}, {"A", "X", "B", "C", "Y"}, true, {"A", "X", "B", "C", "Y"}},
               {{"A", "B", "C"}, {"X", "A"}, true, {"X", "A", "B", "C"}},
               {{"A", "B", "C"}, {"C", "X"}, true, {"A", "B", "C", "X"}},
               {{"A", "B", "C"}, {"B", "X", "A"}, true, {"A", "B", "X", "C"}},
               {{"A", "B"}, {"A", "X", "Y", "B"}, true, {"A", "X", "Y", "B"}},
               {{"A", "B"}, {"X", "Y"}, true, {"X", "Y", "A", "B"}},
               {{"Trial\nName"}, {"trial\nname"}, true, {"trial\nname", "Trial\nName"}},
               {{"A", "B"}, {"X", "A", "Y"}, false, {"A", "B", "X", "Y"}}};
  for (const auto& c : cases) {
    ColumnList columns;
    MergeColumnsInto(columns, Incoming(c.first, "one"), "one", c.insertNextTo);
    MergeColumnsInto(columns, Incoming(c.second, "two"), "two", c.insertNextTo);
    std::vector<wxString> names;
    for (const auto& column : columns) names.push_back(column->name);
    EXPECT_EQ(names, WxList(c.expected)) << c.second.front();
  }
}

TEST_F(ReaderLoad, ASecondFileWithExtraColumnsMergesIntoTheTable) {
  const std::string second = dir_.File("second.txt");
  testsupport::WriteDataFile(second, {"Block\nName", "Code", "Trial\nName", "Tag"}, {{"B9", "c1", "T9", "g1"}});
  auto reader = LoadReader(path_);
  ASSERT_TRUE(reader->AddSelectedFile(wxFileName(W(second)), false));
  EXPECT_EQ(reader->GetColumnNames(), WxList({"Block\nName", "Code", "Trial\nName", "Tag", "Event\nName",
                                              "Reaction\nTime", "Font Color\n(Trial Variable)"}));
  EXPECT_EQ(ColumnTexts(*reader, "Code"), WxList({"", "", "", "c1"}));
  EXPECT_EQ(ColumnTexts(*reader, "Trial\nName"), WxList({"T1", "T1", "T2", "T9"}));
  EXPECT_EQ(ColumnTexts(*reader, "Event\nName"), WxList({"Fix", "Target", "Fix", ""}));
  EXPECT_EQ(reader->FindColumnProperty("Block\nName")->sourceFiles.size(), 2u);

  // Deselecting the second file (as a view asks, which refreshes) filters its rows and the columns only it has;
  // removing it takes them out.
  const wxString secondPath = wxFileName(W(second)).GetFullPath();
  tabulon::CommandEvent deselect;
  deselect.SetString("unknown path\n" + secondPath);  // SetInt(0): deselect
  reader->SimultaneousFileRequestsSuppressAndUnsuppress(deselect);
  EXPECT_TRUE(reader->IsFileSelected(wxFileName(W(path_)).GetFullPath()) && !reader->IsFileSelected(secondPath));
  EXPECT_EQ(reader->GetRowCount(), 3);
  EXPECT_EQ(reader->GetColumnCount(), 5);
  EXPECT_EQ(reader->GetAllRowCount(), 4);
  EXPECT_EQ(reader->GetRowRecord(3, tabulon::RowScope::Unfiltered), nullptr);
  // A file added without selecting it stays unselected and brings none of those columns back.
  const std::string third = dir_.File("third.txt");
  testsupport::WriteDataFile(third, {"Block\nName"}, {{"B3"}});
  ASSERT_TRUE(reader->AddFile(wxFileName(W(third)), true));
  reader->Refresh();
  EXPECT_EQ(reader->GetColumnCount(), 5);
  EXPECT_EQ(reader->GetSelectedFiles(), std::vector<wxString>{wxFileName(W(path_)).GetFullPath()});
  reader->RemoveMultipleFiles({secondPath, wxFileName(W(third)).GetFullPath()});
  EXPECT_EQ(reader->GetAllRowCount(), 3);
  EXPECT_EQ(reader->GetColumnNames(), WxList(kColumns));
  EXPECT_EQ(reader->FindColumnProperty("Block\nName")->sourceFiles.size(), 1u);
}

TEST_F(ReaderLoad, HiddenRowsLeaveAtTheNextRefreshAndComeBack) {
  auto reader = LoadReader(path_);
  for (int outside : {-1, 3}) reader->HideRow(outside);
  EXPECT_FALSE(reader->IsRefreshNeeded());
  reader->HideRow(0);
  reader->HideRow(1);  // the shown rows do not change before a refresh: this is Target
  EXPECT_TRUE(reader->IsRefreshNeeded());
  reader->SetSortSettings("Trial\nName", 0);  // leaves one row shown, but the counts wait for a refresh
  EXPECT_EQ(reader->GetRowCount(), 3);
  EXPECT_EQ(reader->GetCellText(2, 0), "?");
  reader->Refresh();
  EXPECT_EQ(ColumnTexts(*reader, "Event\nName"), WxList({"Fix"}));
  EXPECT_EQ(reader->GetCellText(0, 1), "T2");
  const RowRecord* hidden = reader->GetRowRecord(1, tabulon::RowScope::All);
  EXPECT_EQ(hidden->flags & tabulon::RowFlag::Hidden, tabulon::RowFlag::Hidden);
  EXPECT_EQ((std::vector<int>{hidden->positions[1], hidden->positions[2], hidden->positions[3]}),
            (std::vector<int>{1, 1, -1}));
  EXPECT_EQ(reader->GetRowRecord(0, tabulon::RowScope::Shown)->positions[3], 0);
  reader->ShowAllRows();
  reader->ClearSortSettings();  // brings the rows back at once, but the counts wait for a refresh
  EXPECT_EQ(reader->GetCellText(1, 0), "?");
  reader->Refresh();
  EXPECT_EQ(ColumnTexts(*reader, "Event\nName"), WxList({"Fix", "Target", "Fix"}));
}

class RecordingView : public MUInterfaceFileObserver {
 public:
  void OnTableChanged(int shownRows, int shownColumns, int, int firstRow, int firstColumn) override {
    notices.push_back({shownRows, shownColumns, firstRow, firstColumn});
  }
  void SimultaneousFileRequestsSuppressAndUnsuppress(tabulon::CommandEvent& event) override {
    eventTypes.push_back(event.GetEventType());
  }
  std::vector<std::vector<int>> notices;
  std::vector<wxEventType> eventTypes;
};

TEST_F(ReaderLoad, ViewsHearOfEveryRefreshWithTheFirstChangedIndices) {
  auto reader = LoadReader(path_);
  RecordingView view;
  reader->AddView(&view);
  reader->AddView(reader.get());  // a reader never becomes its own view
  reader->Refresh();
  reader->HideRow(2);
  reader->HideColumn("Event\nName");
  reader->Refresh();
  reader->RemoveView(&view);
  reader->Refresh();
  EXPECT_EQ(view.notices, (std::vector<std::vector<int>>{{3, 5, -1, -1}, {2, 4, 2, 2}}));
  EXPECT_EQ(view.eventTypes, (std::vector<wxEventType>{tabulon::EVT_DATA_CHANGED, tabulon::EVT_DATA_CHANGED}));
}

// Installs a console application object, as a host with an event loop would have.
class ScopedApplication : public wxAppConsole {
 public:
  ScopedApplication() { wxAppConsole::SetInstance(this); }
  ~ScopedApplication() override { wxAppConsole::SetInstance(nullptr); }
};

TEST_F(ReaderLoad, EventsGoThroughTheApplicationOnlyWhenThereIsOne) {
  {
    ASSERT_EQ(wxAppConsole::GetInstance(), nullptr);
    auto reader = LoadReader(path_);
    reader->SetRowMarked(0, true);
    reader->SetSortSettings("Event\nName", 1);
    reader->Refresh();
    EXPECT_TRUE(reader->IsRowMarked(1));  // the marked row moved with its mark
  }
  ScopedApplication application;
  int received = 0;
  application.Bind(tabulon::EVT_ROW_MARKING_CHANGED, [&](tabulon::CommandEvent&) { ++received; });
  {
    auto reader = LoadReader(path_);
    reader->SetRowMarked(1, true);
    reader->ToggleRowMarked(1);
    EXPECT_EQ(received, 0);
    application.ProcessPendingEvents();
    EXPECT_EQ(received, 2);
    reader->Refresh();
    EXPECT_FALSE(application.HasPendingEvents());  // no sort, no status
    reader->SetSortSettings("Event\nName", 1);
    reader->Refresh();
    EXPECT_TRUE(application.HasPendingEvents());
  }
  // A reader destroyed with events pending leaves nothing behind.
  EXPECT_FALSE(application.HasPendingEvents());
  application.ProcessPendingEvents();
}

}  // namespace

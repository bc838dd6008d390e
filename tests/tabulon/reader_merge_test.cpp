// Merging the columns of several files into one list, and how a second file's rows and columns show.
#include "tabulon/src/mucolumnmerge.h"
#include "tabulon/src/muexperimenttextreadermultifile.h"
#include "tabulon/src/murowrecord.h"
#include "tests/support/scratchdir.h"
#include "tests/tabulon/reader_test_files.h"
#include <gtest/gtest.h>

using namespace readertest;

namespace {

ColumnPropertyQueue Incoming(const std::vector<std::string>& names, const std::string& path) {
  ColumnPropertyQueue queue;
  for (const auto& name : names) queue.push_back(std::make_unique<ColumnProperty>(Wx(name), Wx(path)));
  return queue;
}

std::vector<std::string> Names(const ColumnList& columns) {
  std::vector<std::string> names;
  for (const auto& column : columns) names.push_back(column->name.utf8_string());
  return names;
}

struct MergeCase {
  const char* what;
  std::vector<std::string> first;
  std::vector<std::string> second;
  bool insertNextTo;
  std::vector<std::string> expected;
};

class ColumnMerge : public ::testing::TestWithParam<MergeCase> {};

TEST_P(ColumnMerge, ListOrder) {
  const MergeCase& c = GetParam();
  ColumnList columns;
  MergeColumnsInto(columns, Incoming(c.first, "one"), Wx("one"), c.insertNextTo);
  MergeColumnsInto(columns, Incoming(c.second, "two"), Wx("two"), c.insertNextTo);
  EXPECT_EQ(Names(columns), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ColumnMerge,
    ::testing::Values(
        MergeCase{"first file in heading order", {"A", "B", "C"}, {}, true, {"A", "B", "C"}},
        MergeCase{"superset", {"A", "B", "C"}, {"A", "X", "B", "C", "Y"}, true, {"A", "X", "B", "C", "Y"}},
        MergeCase{"new column first", {"A", "B", "C"}, {"X", "A"}, true, {"X", "A", "B", "C"}},
        MergeCase{"after the last shared column", {"A", "B", "C"}, {"C", "X"}, true, {"A", "B", "C", "X"}},
        MergeCase{"lands before the next shared one", {"A", "B", "C"}, {"B", "X", "A"}, true, {"A", "B", "X", "C"}},
        MergeCase{"two new in a row", {"A", "B"}, {"A", "X", "Y", "B"}, true, {"A", "X", "Y", "B"}},
        MergeCase{"nothing shared", {"A", "B"}, {"X", "Y"}, true, {"X", "Y", "A", "B"}},
        MergeCase{"names are case-sensitive", {"Trial\nName"}, {"trial\nname"}, true, {"trial\nname", "Trial\nName"}},
        MergeCase{"appending", {"A", "B"}, {"X", "A", "Y"}, false, {"A", "B", "X", "Y"}}),
    [](const ::testing::TestParamInfo<MergeCase>& info) {
      std::string name = info.param.what;
      for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
      }
      return name;
    });

TEST(ColumnMergeSources, ASharedColumnGainsTheSecondFile) {
  ColumnList columns;
  MergeColumnsInto(columns, Incoming({"A", "B"}, "one"), Wx("one"), true);
  MergeColumnsInto(columns, Incoming({"B", "C"}, "two"), Wx("two"), true);
  ASSERT_EQ(columns.size(), 3u);
  const ColumnProperty* shared = FindColumn(columns, "B");
  ASSERT_NE(shared, nullptr);
  ASSERT_EQ(shared->sourceFiles.size(), 2u);
  EXPECT_EQ(shared->sourceFiles[0].first, "one");
  EXPECT_EQ(shared->sourceFiles[1].first, "two");
  EXPECT_EQ(shared->sourceFiles[1].second, 0);
  EXPECT_EQ(FindColumn(columns, "A")->sourceFiles.size(), 1u);
}

TEST(ColumnVisibility, PresentFilesClearTheAbsentFlag) {
  ColumnList columns;
  MergeColumnsInto(columns, Incoming({"A", "B"}, "one"), Wx("one"), true);
  for (auto& column : columns) {
    column->flags |= ColumnFlag_NotInPresentFile;
    column->sourceFiles[0].second = 1;
  }
  MergeColumnsInto(columns, Incoming({"B"}, "two"), Wx("two"), true);
  FindColumn(columns, "B")->sourceFiles[1].second = 1;
  ApplyColumnVisibility(columns, {Wx("two")});
  EXPECT_TRUE(FindColumn(columns, "A")->flags & ColumnFlag_NotInPresentFile);
  EXPECT_FALSE(FindColumn(columns, "B")->flags & ColumnFlag_NotInPresentFile);
  EXPECT_EQ(FindColumn(columns, "B")->sourceFiles[0].second, 1);
  EXPECT_EQ(FindColumn(columns, "B")->sourceFiles[1].second, 0);
}

class TwoFiles : public ::testing::Test {
 protected:
  testsupport::ScratchDir dir;
  std::string first = WriteDataFile(dir.File("first.txt"), {"Block", "Trial", "Event"}, {"Name", "Name", "Name"},
                                    {{"B1", "T1", "E1"}, {"B1", "T2", "E2"}});
  std::string second = WriteDataFile(dir.File("second.txt"), {"Block", "Code", "Trial", "Event", "Tag"},
                                     {"Name", "", "Name", "Name", ""}, {{"B9", "c1", "T9", "E9", "g1"}});
};

TEST_F(TwoFiles, SharedColumnsKeepTheirPlacesAndNewOnesFollowTheirPredecessor) {
  auto reader = LoadReader(first);
  ASSERT_TRUE(reader->AddSelectedFile(wxFileName(Wx(second)), false));
  EXPECT_EQ(reader->GetColumnNames(), WxList({"Block\nName", "Code", "Trial\nName", "Event\nName", "Tag"}));
  EXPECT_EQ(reader->GetRowCount(), 3);
  EXPECT_EQ(reader->GetSelectedFiles().size(), 2u);
}

TEST_F(TwoFiles, RowsOfAFileWithoutAColumnReadEmpty) {
  auto reader = LoadReader(first);
  ASSERT_TRUE(reader->AddSelectedFile(wxFileName(Wx(second)), false));
  EXPECT_EQ(ColumnTexts(*reader, "Code"), WxList({"", "", "c1"}));
  EXPECT_EQ(ColumnTexts(*reader, "Trial\nName"), WxList({"T1", "T2", "T9"}));
  EXPECT_EQ(ColumnTexts(*reader, "Tag"), WxList({"", "", "g1"}));
}

TEST_F(TwoFiles, RowKeysContinueAcrossFiles) {
  auto reader = LoadReader(first);
  ASSERT_TRUE(reader->AddSelectedFile(wxFileName(Wx(second)), false));
  reader->SetSortSettings("Block\nName", 1);
  // Sorting records each row's key: the second file's row came third.
  EXPECT_EQ(reader->GetRowRecord(0, MURowScope_Shown)->positions[0], 2);
  EXPECT_EQ(reader->GetRowRecord(0, MURowScope_Shown)->CellText("Block\nName"), "B9");
}

TEST_F(TwoFiles, DeselectingAFileFiltersItsRowsAndItsOwnColumns) {
  auto reader = LoadReader(first);
  ASSERT_TRUE(reader->AddSelectedFile(wxFileName(Wx(second)), false));
  const wxString secondPath = wxFileName(Wx(second)).GetFullPath();
  ASSERT_TRUE(reader->SetFileSelected(secondPath, false));
  reader->Refresh();
  EXPECT_EQ(reader->GetRowCount(), 2);
  EXPECT_EQ(reader->GetColumnNames(), WxList({"Block\nName", "Trial\nName", "Event\nName"}));
  EXPECT_EQ(reader->GetAllRowCount(), 3);
  EXPECT_EQ(reader->GetSelectedFiles().size(), 1u);

  ASSERT_TRUE(reader->SetFileSelected(secondPath, true));
  reader->Refresh();
  EXPECT_EQ(reader->GetRowCount(), 3);
  EXPECT_EQ(reader->GetColumnCount(), 5);
}

TEST_F(TwoFiles, SelectingAnUnknownPathChangesNothing) {
  auto reader = LoadReader(first);
  EXPECT_FALSE(reader->SetFileSelected("/no/such/file.txt", false));
  EXPECT_FALSE(reader->IsRefreshNeeded());
  EXPECT_EQ(reader->GetSelectedFiles().size(), 1u);
}

TEST_F(TwoFiles, SelectionRequestsArriveAsCommandEvents) {
  auto reader = LoadReader(first);
  ASSERT_TRUE(reader->AddSelectedFile(wxFileName(Wx(second)), false));
  MUCommandEvent request;
  request.SetString("/no/such/file.txt\n" + wxFileName(Wx(second)).GetFullPath());
  request.SetInt(0);
  reader->SimultaneousFileRequestsSuppressAndUnsuppress(request);
  EXPECT_EQ(reader->GetRowCount(), 2);
  request.SetInt(1);
  reader->SimultaneousFileRequestsSuppressAndUnsuppress(request);
  EXPECT_EQ(reader->GetRowCount(), 3);
}

TEST_F(TwoFiles, RemovingAFileTakesItsRowsAndOwnColumnsOut) {
  auto reader = LoadReader(first);
  ASSERT_TRUE(reader->AddSelectedFile(wxFileName(Wx(second)), false));
  reader->RemoveMultipleFiles({wxFileName(Wx(second)).GetFullPath()});
  EXPECT_EQ(reader->GetRowCount(), 2);
  EXPECT_EQ(reader->GetAllRowCount(), 2);
  EXPECT_EQ(reader->GetColumnNames(), WxList({"Block\nName", "Trial\nName", "Event\nName"}));
  EXPECT_EQ(reader->GetStatusText(), "Done removing 1 file(s).");
  EXPECT_EQ(reader->GetSelectedFiles().size(), 1u);
  ASSERT_NE(reader->FindColumnProperty("Block\nName"), nullptr);
  EXPECT_EQ(reader->FindColumnProperty("Block\nName")->sourceFiles.size(), 1u);
}

TEST_F(TwoFiles, AddingSeveralFilesAtOnce) {
  MUExperimentTextReaderMultiFile reader;
  const int loaded = reader.AddMultipleFiles(
      {wxFileName(Wx(first)), wxFileName(Wx(dir.File("missing.txt"))), wxFileName(Wx(second))});
  EXPECT_EQ(loaded, 2);
  EXPECT_EQ(reader.GetRowCount(), 3);
  EXPECT_EQ(reader.GetColumnCount(), 5);
  EXPECT_EQ(reader.GetSelectedFiles().size(), 2u);
}

}  // namespace

// Loading data files into the reader and reading its table back: counts, cells, names, out-of-range access.
#include "tabulon/src/muexperimenttextreadermultifile.h"
#include "tabulon/src/muparsereport.h"
#include "tabulon/src/murowrecord.h"
#include "tests/support/scratchdir.h"
#include "tests/tabulon/reader_test_files.h"
#include <gtest/gtest.h>
#include <wx/file.h>

using namespace readertest;

namespace {

const Cells kTop = {"Block", "Trial", "Event", "Reaction", "Font Color"};
const Cells kBottom = {"Name", "Name", "Name", "Time", "(Trial Variable)"};
const std::vector<Cells> kRows = {
    {"B1", "T1", "Fix", "310", "red"},
    {"B1", "T1", "Target", "455", "red"},
    {"B1", "T2", "Fix", "298", "blue"},
};

class ReaderLoad : public ::testing::Test {
 protected:
  testsupport::ScratchDir dir;
  std::string path = WriteDataFile(dir.File("data.txt"), kTop, kBottom, kRows);
};

class CollectingSink : public ParseReportSink {
 public:
  void ReceiveReports(const std::vector<ParseReport>& batch) override {
    reports.insert(reports.end(), batch.begin(), batch.end());
  }
  std::vector<ParseReport> reports;
};

TEST_F(ReaderLoad, CountsAreTheDataLinesAndHeadingColumns) {
  auto reader = LoadReader(path);
  EXPECT_EQ(reader->GetRowCount(), 3);
  EXPECT_EQ(reader->GetColumnCount(), 5);
  EXPECT_EQ(reader->GetAllRowCount(), 3);
  EXPECT_FALSE(reader->IsRefreshNeeded());
}

TEST_F(ReaderLoad, ColumnNamesFollowTheHeadingOrder) {
  auto reader = LoadReader(path);
  const std::vector<wxString> expected = {"Block\nName", "Trial\nName", "Event\nName", "Reaction\nTime",
                                          "Font Color\n(Trial Variable)"};
  EXPECT_EQ(reader->GetColumnNames(), expected);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(reader->GetColumnName(i), expected[static_cast<std::size_t>(i)]);
}

TEST_F(ReaderLoad, CellsReadBackByRowAndColumn) {
  auto reader = LoadReader(path);
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 5; ++column) {
      EXPECT_EQ(reader->GetCellText(row, column), Wx(kRows[row][column])) << row << "," << column;
    }
  }
}

TEST_F(ReaderLoad, AccessOutsideTheTableGivesAQuestionMark) {
  auto reader = LoadReader(path);
  const struct {
    int row, column;
  } outside[] = {{3, 0}, {0, 5}, {-1, 0}, {0, -1}, {3, 5}, {1000000, 2}, {-2147483647 - 1, 0}};
  for (const auto& cell : outside) {
    EXPECT_EQ(reader->GetCellText(cell.row, cell.column), "?") << cell.row << "," << cell.column;
  }
  EXPECT_EQ(reader->GetColumnName(-1), "?");
  EXPECT_EQ(reader->GetColumnName(5), "?");
}

TEST_F(ReaderLoad, ColumnIndexMatchesNamesExactly) {
  auto reader = LoadReader(path);
  const struct {
    const char* name;
    int index;
  } cases[] = {{"Trial\nName", 1},  {"trial\nname", -1}, {"Trial Name", -1}, {"", -1},
               {"Trial\nName ", -1}, {"Block\nName", 0}, {"Font Color\n(Trial Variable)", 4}};
  for (const auto& c : cases) EXPECT_EQ(reader->GetColumnIndex(Wx(c.name)), c.index) << c.name;
}

TEST_F(ReaderLoad, AnEmptyReaderIsAnEmptyTable) {
  MUExperimentTextReaderMultiFile reader;
  EXPECT_EQ(reader.GetRowCount(), 0);
  EXPECT_EQ(reader.GetColumnCount(), 0);
  EXPECT_EQ(reader.GetCellText(0, 0), "?");
  EXPECT_EQ(reader.GetColumnName(0), "?");
  EXPECT_EQ(reader.GetColumnIndex("Trial\nName"), -1);
  EXPECT_EQ(reader.GetRowRecord(0, MURowScope_All), nullptr);
  EXPECT_TRUE(reader.GetSelectedFiles().empty());
}

TEST_F(ReaderLoad, FailedAddLeavesTheTableAsItWas) {
  auto reader = LoadReader(path);
  const std::string shortFile = dir.File("short.txt");
  testsupport::WriteFile(shortFile, "P\nE\nD\n\nBlock\nName\n");
  const std::string tooLarge = dir.File("large.txt");
  testsupport::WriteFile(tooLarge, DataFileText(kTop, kBottom, kRows) + std::string(1048577, 'x'));
  for (const std::string& bad : {dir.File("missing.txt"), shortFile, tooLarge}) {
    EXPECT_FALSE(reader->AddSelectedFile(wxFileName(Wx(bad)), false)) << bad;
    EXPECT_EQ(reader->GetRowCount(), 3);
    EXPECT_EQ(reader->GetColumnCount(), 5);
    EXPECT_EQ(reader->GetAllRowCount(), 3);
    EXPECT_EQ(reader->GetSelectedFiles(), std::vector<wxString>{wxFileName(Wx(path)).GetFullPath()});
  }
}

TEST_F(ReaderLoad, FailedLoadOfAFileAlreadyLoadedKeepsItsSelection) {
  auto reader = LoadReader(path);
  testsupport::WriteFile(path, "only one line\n");
  EXPECT_FALSE(reader->AddSelectedFile(wxFileName(Wx(path)), false));
  EXPECT_EQ(reader->GetSelectedFiles().size(), 1u);
  EXPECT_EQ(reader->GetRowCount(), 3);
}

TEST_F(ReaderLoad, ParserReportsReachTheSink) {
  CollectingSink sink;
  MUExperimentTextReaderMultiFile reader(&sink);
  EXPECT_TRUE(reader.AddSelectedFile(wxFileName(Wx(path)), false));
  EXPECT_FALSE(reader.AddSelectedFile(wxFileName(Wx(dir.File("missing.txt"))), false));
  ASSERT_GE(sink.reports.size(), 2u);
  EXPECT_EQ(sink.reports.front().code, ParseReport_Success);
  EXPECT_EQ(sink.reports.back().code, ParseReport_OpenFailed);
}

TEST_F(ReaderLoad, AddFileLoadsRowsWithoutSelectingOrRefreshing) {
  MUExperimentTextReaderMultiFile reader;
  EXPECT_TRUE(reader.AddFile(wxFileName(Wx(path)), true));
  EXPECT_TRUE(reader.GetSelectedFiles().empty());
  EXPECT_EQ(reader.GetRowCount(), 0);
  EXPECT_TRUE(reader.IsRefreshNeeded());
  reader.Refresh();
  EXPECT_EQ(reader.GetRowCount(), 3);
  EXPECT_EQ(reader.GetColumnCount(), 5);
  EXPECT_FALSE(reader.IsRefreshNeeded());
}

TEST_F(ReaderLoad, RowRecordsOfEachScope) {
  auto reader = LoadReader(path);
  for (int scope : {MURowScope_Shown, MURowScope_All, MURowScope_Unfiltered}) {
    for (int i = 0; i < 3; ++i) {
      const RowRecord* record = reader->GetRowRecord(i, scope);
      ASSERT_NE(record, nullptr);
      EXPECT_EQ(record->CellText("Event\nName"), Wx(kRows[i][2]));
      EXPECT_EQ(record->positions[0], -1);
      EXPECT_EQ(record->positions[1], i);
      EXPECT_EQ(record->positions[2], i);
      EXPECT_EQ(record->positions[3], i);
    }
    EXPECT_EQ(reader->GetRowRecord(3, scope), nullptr);
    EXPECT_EQ(reader->GetRowRecord(-1, scope), nullptr);
  }
  for (int scope : {0, 3, 5, 8, -1}) EXPECT_EQ(reader->GetRowRecord(0, scope), nullptr) << scope;
}

TEST_F(ReaderLoad, RowsCarryTheHeaderValuesAndReactionTime) {
  auto reader = LoadReader(path);
  const RowRecord* record = reader->GetRowRecord(1, MURowScope_Shown);
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->CellText("FFFFF1"), wxFileName(Wx(path)).GetFullPath());
  EXPECT_EQ(record->CellText("EXPEXPEXPEXPEXP"), "Experiment One");
  EXPECT_DOUBLE_EQ(record->reactionTime, 455.0);
}

TEST_F(ReaderLoad, ColumnFlagsAndKindsFromTheTextParser) {
  auto reader = LoadReader(path);
  EXPECT_TRUE(reader->IsTrialVariableColumn("Font Color\n(Trial Variable)"));
  EXPECT_FALSE(reader->IsTrialVariableColumn("Trial\nName"));
  EXPECT_FALSE(reader->IsTrialVariableColumn("no such column"));
  EXPECT_FALSE(reader->IsFirstSegmentAbsentColumn("Trial\nName"));
  EXPECT_TRUE(reader->ColumnHasFlags("Font Color\n(Trial Variable)", ColumnFlag_TrialVariable));
  EXPECT_TRUE(reader->ColumnHasFlags("Trial\nName", 0));
  EXPECT_FALSE(reader->ColumnHasFlags("Trial\nName", ColumnFlag_TrialVariable));
  EXPECT_FALSE(reader->ColumnHasFlags("no such column", 0));
  const ColumnProperty* reaction = reader->FindColumnProperty("Reaction\nTime");
  ASSERT_NE(reaction, nullptr);
  EXPECT_EQ(reaction->kind, ColumnKind_Numeric);
  EXPECT_EQ(reader->FindColumnProperty("Reaction Time"), nullptr);
}

TEST_F(ReaderLoad, FirstSegmentAbsentColumn) {
  const std::string file = WriteDataFile(dir.File("absent.txt"), {"Block"}, {"Name", "Extra"}, {{"B1", "x"}});
  auto reader = LoadReader(file);
  ASSERT_EQ(reader->GetColumnCount(), 2);
  EXPECT_EQ(reader->GetColumnName(1), "Extra");
  EXPECT_TRUE(reader->IsFirstSegmentAbsentColumn("Extra"));
}

TEST_F(ReaderLoad, AnOpenFileIsReadThroughTheInMemoryParser) {
  wxFile file(Wx(path));
  ASSERT_TRUE(file.IsOpened());
  MUExperimentTextReaderMultiFile reader;
  ASSERT_TRUE(reader.AddSelectedFile(wxFileName(Wx(path)), false, &file));
  EXPECT_EQ(reader.GetRowCount(), 3);
  EXPECT_EQ(reader.GetColumnCount(), 5);
  EXPECT_EQ(reader.GetCellText(1, 2), "Target");
  // That parser leaves flags and kinds unset, which tells it apart from the text parser.
  EXPECT_FALSE(reader.IsTrialVariableColumn("Font Color\n(Trial Variable)"));
  EXPECT_EQ(reader.FindColumnProperty("Reaction\nTime")->kind, ColumnKind_Unset);
  EXPECT_EQ(file.Tell(), 0);
}

TEST_F(ReaderLoad, AFileObjectThatIsNotOpenFallsBackToTheTextParser) {
  wxFile notOpen;
  MUExperimentTextReaderMultiFile reader;
  ASSERT_TRUE(reader.AddSelectedFile(wxFileName(Wx(path)), false, &notOpen));
  EXPECT_EQ(reader.GetRowCount(), 3);
  EXPECT_TRUE(reader.IsTrialVariableColumn("Font Color\n(Trial Variable)"));
}

TEST_F(ReaderLoad, ShortRowsReadEmptyAndExtraCellsGetAColumn) {
  const std::string file =
      WriteDataFile(dir.File("ragged.txt"), {"A", "B"}, {"x", "y"}, {{"1"}, {"1", "2", "3"}, {"4", "5"}});
  auto reader = LoadReader(file);
  ASSERT_EQ(reader->GetColumnCount(), 3);
  EXPECT_EQ(reader->GetCellText(0, 1), "");
  EXPECT_EQ(reader->GetCellText(1, 2), "3");
  EXPECT_EQ(reader->GetCellText(2, 2), "");
}

}  // namespace

// Every input under testdata/fuzz-regressions once broke a fuzz target (or is kept as a hard case): each goes
// through both parsers and the reader again and must give a defined outcome.
#include "hostkit/parsereporttally.h"
#include "tabulon/src/muinterfaceexperimentdatafileinputreader.h"
#include "tabulon/src/murowpredicate.h"
#include "tabulon/src/rowrecord.h"
#include "tests/support/files.h"
#include "tests/support/scratchdir.h"
#include "tests/tabulon/tabulon_test_files.h"
#include <algorithm>
#include <dirent.h>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>
#include <wx/file.h>
#include <wx/filename.h>
#include <wx/log.h>

using namespace tabulon;

namespace {

const std::string kFolder = std::string(DH_SOURCE_DIR) + "/testdata/fuzz-regressions";

std::vector<std::string> RegressionFiles() {
  std::vector<std::string> names;
  if (DIR* dir = ::opendir(kFolder.c_str())) {
    while (const dirent* entry = ::readdir(dir)) {
      const std::string name = entry->d_name;
      if (name == "." || name == ".." || name.rfind("README", 0) == 0) continue;
      names.push_back(name);
    }
    ::closedir(dir);
  }
  std::sort(names.begin(), names.end());
  return names;
}

wxString W(const std::string& path) { return wxString(path.c_str(), wxConvFile); }

// A parser either failed (and said why, and has no rows) or succeeded (and said so) and hands out at most the
// rows it counted.
void ExpectDefinedParse(MUInterfaceExperimentDataFileInputReader* parser, const hostkit::ParseReportTally& sink) {
  ASSERT_NE(parser, nullptr);
  EXPECT_TRUE(sink.AgreesWith(parser->HasFailed())) << sink.received << " reports, " << sink.failures << " failing";
  unsigned read = 0;
  parser->SetNextRowIndex(0);
  while (std::unique_ptr<RowRecord> row = parser->ReadNextRow(true)) ++read;
  EXPECT_TRUE(hostkit::DefinedRows(parser->HasFailed(), read, parser->GetDataRowCount())) << read << " rows read";
  const ColumnPropertyQueue columns = parser->ReleaseColumnProperties();
  for (const auto& column : columns) EXPECT_NE(column, nullptr);
}

class EveryOtherRow : public MURowPredicate {
 public:
  int Test(const RowRecord& record) const override { return record.positions[1] % 2 == 0 ? 1 : 0; }
  int TestCellText(const wxString& cellText) const override { return cellText.empty() ? 0 : 1; }
  bool MayCacheResults() const override { return true; }
  wxString Description() const override { return "every other row"; }
};

class FuzzRegressions : public ::testing::Test {
 protected:
  // The file as the host would hand it over: copied into a scratch directory under a data file name.
  std::string Copy(const std::string& name, const std::string& as) {
    const std::string path = scratch.File(as);
    testsupport::WriteFile(path, testsupport::ReadFile(kFolder + "/" + name));
    return path;
  }
  testsupport::ScratchDir scratch;
  // Undecodable files make the toolkit log errors, which are expected here.
  wxLogNull quietToolkit;
};

TEST_F(FuzzRegressions, FolderHoldsAReadmeThatNamesEveryFile) {
  ASSERT_TRUE(testsupport::FileExists(kFolder + "/README.md"));
  const std::string readme = testsupport::ReadFile(kFolder + "/README.md");
  for (const std::string& name : RegressionFiles()) EXPECT_NE(readme.find(name), std::string::npos) << name;
}

TEST_F(FuzzRegressions, TextParserGivesADefinedOutcome) {
  for (const std::string& name : RegressionFiles()) {
    SCOPED_TRACE(name);
    const std::string path = Copy(name, "input P01.txt");
    for (DataFileParserKind kind :
         {DataFileParser_TextWithHeader, DataFileParser_TextWithoutHeader, DataFileParser_TextWithHeaderToo}) {
      hostkit::ParseReportTally sink;
      std::unique_ptr<MUInterfaceExperimentDataFileInputReader> parser = CreateDataFileParser(W(path), kind, &sink);
      ExpectDefinedParse(parser.get(), sink);
    }
  }
}

TEST_F(FuzzRegressions, InMemoryParserGivesADefinedOutcome) {
  for (const std::string& name : RegressionFiles()) {
    SCOPED_TRACE(name);
    const std::string path = Copy(name, "input P01.txt");
    wxFile file(W(path));
    ASSERT_TRUE(file.IsOpened());
    hostkit::ParseReportTally sink;
    std::unique_ptr<MUInterfaceExperimentDataFileInputReader> parser =
        CreateDataFileParser(W(path), DataFileParser_InMemoryWithHeader, &sink, &file);
    EXPECT_EQ(file.Tell(), 0);
    ExpectDefinedParse(parser.get(), sink);
  }
}

TEST_F(FuzzRegressions, ReaderLoadsSortsAndQueriesOrRefuses) {
  for (const std::string& name : RegressionFiles()) {
    SCOPED_TRACE(name);
    const std::string first = Copy(name, "first P01.txt");
    const std::string second = Copy(name, "second P02.txt");

    hostkit::ParseReportTally sink;
    std::unique_ptr<MUInterfaceExperimentDataFileInputReader> parser =
        CreateDataFileParser(W(first), DataFileParser_TextWithHeader, &sink);
    ASSERT_NE(parser, nullptr);
    const bool readable = !parser->HasFailed();

    wxFile open(W(second));
    std::unique_ptr<MUInterfaceExperimentDataFileInputReader> inMemory =
        CreateDataFileParser(W(second), DataFileParser_InMemoryWithHeader, nullptr, &open);
    ASSERT_NE(inMemory, nullptr);
    const bool readableInMemory = !inMemory->HasFailed();

    // The reader loads a file exactly when its parser succeeds; the second copy merges into the first.
    MUExperimentTextReaderMultiFile reader;
    EXPECT_EQ(reader.AddSelectedFile(wxFileName(W(first)), true), readable);
    EXPECT_EQ(reader.AddSelectedFile(wxFileName(W(second)), true, &open), readableInMemory);
    reader.Refresh();
    EXPECT_EQ(reader.GetColumnCount(), static_cast<int>(reader.GetColumnNames().size()));
    EXPECT_LE(reader.GetRowCount(), reader.GetAllRowCount());

    // Sorting by a dozen columns is enough; a file of thousands of columns would otherwise take minutes.
    std::vector<wxString> names = reader.GetColumnNames();
    if (names.size() > 12) names.resize(12);
    names.push_back("Reaction\nTime");
    for (const wxString& column : names) {
      for (int direction : {0, 1}) {
        reader.SetSortSettings(column, direction);
        reader.Refresh();
        EXPECT_EQ(reader.GetCellText(-1, 0), "?");
        EXPECT_EQ(reader.GetCellText(reader.GetRowCount(), 0), "?");
        for (int row = 0; row < std::min(reader.GetRowCount(), 8); ++row) (void)reader.GetCellText(row, 0);
      }
      (void)reader.SelectDistinctPerColumn(column, MURowScope_Shown, true);
      (void)reader.SelectDistinctPerColumn(column, MURowScope_All, false);
    }
    reader.ClearSortSettings();

    reader.SetRowMarked(0, true);
    reader.ToggleRowMarked(1);
    reader.HideRow(0);
    reader.HideRow(-1);
    reader.HideRow(reader.GetRowCount());
    reader.Refresh();
    for (std::uint32_t bits : {0u, 32u, 64u, 60u}) {
      for (int scope : {int{MURowScope_Shown}, int{MURowScope_All}, int{MURowScope_Unfiltered}, 3}) {
        for (int index : reader.GetRowIndicesWhereBitStringMatches(bits, scope))
          (void)reader.GetRowRecord(index, scope);
        (void)reader.GetRowIndicesWhereBitStringAbsent(bits, scope);
        (void)reader.GetRowIndicesWhereBitStringHasXAbsentY(bits, 64, scope);
      }
      (void)reader.GetColumnNamesWhereBitStringMatches(bits);
      (void)reader.GetColumnNamesWhereBitStringHasXAbsentY(bits, 4);
    }
    const EveryOtherRow predicate;
    for (bool all : {false, true}) {
      const std::vector<int> indices = reader.GetRowIndicesWherePredicateReturnsTrue(predicate, all);
      EXPECT_TRUE(std::is_sorted(indices.begin(), indices.end()));
      (void)reader.GetRowIndicesWherePredicateReturnsTrue(predicate, all, -1, 3);
    }
    reader.HideEmptyColumnsBasedOnCurrentlyShownRows();
    reader.ShowAllRows();
    reader.RemoveMultipleFiles({W(second)});
    reader.Refresh();
    EXPECT_EQ(reader.GetColumnName(-1), "?");
    EXPECT_EQ(reader.GetColumnName(reader.GetColumnCount()), "?");
  }
}

}  // namespace

// The reader's cached queries (bit-string row and column queries, distinct values, predicates, the cache
// invalidation rules, empty-column hiding) and sorting.
#include "tabulon/murowpredicate.h"
#include "support/datafile.h"
#include "support/files.h"
#include "support/scratchdir.h"
#include "tabulon_test_files.h"
#include <gtest/gtest.h>
#include <sstream>

using tabulon::ColumnFlag_HiddenByUser;
using tabulon::ColumnFlag_TrialVariable;
using tabulon::RowRecord;

using namespace tabtest;
using Rows = std::vector<int>;

namespace {

// Holds for rows whose "Value" cell is an odd number; counts how often it was asked.
class OddValue : public MURowPredicate {
 public:
  explicit OddValue(bool cache = true) : cacheable(cache) {}
  int Test(const RowRecord& record) const override {
    ++calls;
    return TestCellText(record.CellText("Value"));
  }
  int TestCellText(const wxString& text) const override {
    long value = 0;
    return text.ToLong(&value) && value % 2 != 0 ? 1 : 0;
  }
  bool MayCacheResults() const override { return cacheable; }
  wxString Description() const override { return "odd value"; }
  mutable int calls = 0;
  bool cacheable;
};

class ReaderQueries : public ::testing::Test {
 protected:
  void SetUp() override {
    testsupport::WriteDataFile(dir.File("q.txt"), {"Event\nName", "Value", "Text", "Blank", "Color\n(Trial Variable)"},
                               {{"E0", "0", "a", "", "red"},
                                {"E1", "1", " a", " ", "red"},
                                {"E2", "2", "b", "", "blue"},
                                {"E3", "3", "a", "  ", "red"},
                                {"E4", "4", "b ", "", "green"},
                                {"E5", "5", "c", "", "blue"},
                                {"E6", "6", "a", "", "red"}});
    reader = LoadReader(dir.File("q.txt"));
  }
  testsupport::ScratchDir dir;
  std::shared_ptr<MUExperimentTextReaderMultiFile> reader;
};

TEST_F(ReaderQueries, ColumnQueriesAreCachedUntilARefresh) {
  EXPECT_EQ(reader->GetColumnNamesWhereBitStringAbsent(60),
            WxList({"Event\nName", "Value", "Text", "Blank", "Color\n(Trial Variable)"}));
  EXPECT_EQ(reader->GetColumnNamesWhereBitStringMatches(ColumnFlag_TrialVariable), WxList({"Color\n(Trial Variable)"}));
  EXPECT_EQ(reader->GetColumnNamesWhereBitStringHasXAbsentY(0, ColumnFlag_TrialVariable).size(), 4u);
  reader->HideColumn("Text");
  EXPECT_EQ(reader->GetColumnNamesWhereBitStringAbsent(60).size(), 5u);
  reader->Refresh();
  EXPECT_EQ(reader->GetColumnNamesWhereBitStringMatches(ColumnFlag_HiddenByUser), WxList({"Text"}));
  EXPECT_EQ(reader->GetColumnIndex("Text"), -1);
  reader->ShowColumn("Text");
  reader->Refresh();
  EXPECT_EQ(reader->GetColumnIndex("Text"), 2);
}

TEST_F(ReaderQueries, RowQueriesFollowTheScope) {
  reader->HideRow(0);
  reader->Refresh();
  reader->SetRowMarked(1, true);  // E2
  reader->SetRowMarked(4, true);  // E5
  EXPECT_EQ(reader->GetRowIndicesWhereBitStringMatches(0, MURowScope_Shown), (Rows{0, 1, 2, 3, 4, 5}));
  EXPECT_EQ(reader->GetRowIndicesWhereBitStringAbsent(0, MURowScope_Shown), (Rows{0, 1, 2, 3, 4, 5}));
  EXPECT_EQ(reader->GetRowIndicesWhereBitStringMatches(0, MURowScope_All), (Rows{0, 1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(reader->GetRowIndicesWhereBitStringAbsent(0, MURowScope_Unfiltered), (Rows{0, 1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(reader->GetRowIndicesWhereBitStringMatches(MURowFlag_Hidden, MURowScope_All), Rows{0});
  EXPECT_EQ(reader->GetRowIndicesWhereBitStringMatches(MURowFlag_Marked, MURowScope_Shown), (Rows{1, 4}));
  EXPECT_EQ(reader->GetRowIndicesWhereBitStringMatches(MURowFlag_Marked, MURowScope_All), (Rows{2, 5}));
  EXPECT_EQ(reader->GetRowIndicesWhereBitStringHasXAbsentY(0, MURowFlag_Marked | MURowFlag_Hidden, MURowScope_All),
            (Rows{1, 3, 4, 6}));
}

TEST_F(ReaderQueries, MarkingRecomputesOnlyQueriesOnTheMarkedBit) {
  EXPECT_TRUE(reader->GetRowIndicesWhereBitStringMatches(MURowFlag_Marked, MURowScope_All).empty());
  EXPECT_EQ(reader->GetRowIndicesWhereBitStringHasXAbsentY(0, MURowFlag_Marked, MURowScope_Shown).size(), 7u);
  EXPECT_EQ(reader->GetRowIndicesWhereBitStringAbsent(MURowFlag_Hidden, MURowScope_All).size(), 7u);
  reader->HideRow(0);  // leaves the cached answer on the hidden bit stale until the next refresh
  reader->SetRowMarked(2, true);
  EXPECT_EQ(reader->GetRowIndicesWhereBitStringMatches(MURowFlag_Marked, MURowScope_All), Rows{2});
  EXPECT_EQ(reader->GetRowIndicesWhereBitStringHasXAbsentY(0, MURowFlag_Marked, MURowScope_Shown),
            (Rows{0, 1, 3, 4, 5, 6}));
  EXPECT_EQ(reader->GetRowIndicesWhereBitStringAbsent(MURowFlag_Hidden, MURowScope_All).size(), 7u);
  reader->Refresh();
  EXPECT_EQ(reader->GetRowIndicesWhereBitStringAbsent(MURowFlag_Hidden, MURowScope_All).size(), 6u);
}

TEST_F(ReaderQueries, DistinctValuesWithAndWithoutTrimming) {
  EXPECT_EQ(reader->SelectDistinctPerColumn("Text", MURowScope_Shown, false), WxList({"a", " a", "b", "b ", "c"}));
  EXPECT_EQ(reader->SelectDistinctPerColumn("Text", MURowScope_Shown, true), WxList({"a", "b", "c"}));
  EXPECT_EQ(reader->SelectDistinctPerColumn("no such column", MURowScope_All, false), WxList({""}));
  reader->HideRow(1);
  reader->Refresh();
  EXPECT_EQ(reader->SelectDistinctPerColumn("Text", MURowScope_Shown, false), WxList({"a", "b", "b ", "c"}));
  EXPECT_EQ(reader->SelectDistinctPerColumn("Text", MURowScope_All, false), WxList({"a", " a", "b", "b ", "c"}));
}

TEST_F(ReaderQueries, PredicatesOverTheSequenceAndRanges) {
  OddValue odd;
  reader->HideRow(0);
  reader->Refresh();
  EXPECT_EQ(reader->GetRowIndicesWherePredicateReturnsTrue(odd, false), (Rows{0, 2, 4}));
  EXPECT_EQ(reader->GetRowIndicesWherePredicateReturnsTrue(odd, true), (Rows{1, 3, 5}));
  const struct {
    int first, last;
    Rows expected;
  } ranges[] = {{2, 5, {3, 5}},      {5, 2, {3, 5}}, {-1, 2, {1}}, {4, -1, {5}},
                {-3, -9, {1, 3, 5}}, {0, 7, {}},     {7, 0, {}},   {3, 3, {3}}};
  for (const auto& r : ranges) {
    EXPECT_EQ(reader->GetRowIndicesWherePredicateReturnsTrue(odd, true, r.first, r.last), r.expected)
        << r.first << ".." << r.last;
  }
  MUExperimentTextReaderMultiFile empty;
  EXPECT_TRUE(empty.GetRowIndicesWherePredicateReturnsTrue(odd, true).empty());
  EXPECT_TRUE(empty.GetRowIndicesWherePredicateReturnsTrue(odd, false, -1, -1).empty());
}

TEST_F(ReaderQueries, PredicateResultsAreCachedWhenThePredicateAllows) {
  OddValue cacheable, uncacheable(false);
  reader->GetRowIndicesWherePredicateReturnsTrue(cacheable, true, 5, 2);
  EXPECT_EQ(reader->GetRowIndicesWherePredicateReturnsTrue(cacheable, true, 2, 5), (Rows{3, 5}));
  EXPECT_EQ(cacheable.calls, 4);
  reader->GetRowIndicesWherePredicateReturnsTrue(cacheable, false, 2, 5);
  EXPECT_EQ(cacheable.calls, 8);
  reader->Refresh();
  reader->GetRowIndicesWherePredicateReturnsTrue(cacheable, true, 2, 5);
  EXPECT_EQ(cacheable.calls, 12);
  reader->GetRowIndicesWherePredicateReturnsTrue(uncacheable, true);
  reader->GetRowIndicesWherePredicateReturnsTrue(uncacheable, true);
  EXPECT_EQ(uncacheable.calls, 14);
  cacheable.calls = 0;  // scope 3 is never cached
  reader->GetRowIndicesWherePredicateReturnsTrueInScope(cacheable, 3, 0, 6);
  reader->GetRowIndicesWherePredicateReturnsTrueInScope(cacheable, 3, 0, 6);
  EXPECT_EQ(cacheable.calls, 14);
}

TEST_F(ReaderQueries, EmptyColumnsAreJudgedOnTheShownRows) {
  reader->HideEmptyColumnsBasedOnCurrentlyShownRows();
  reader->Refresh();
  EXPECT_EQ(reader->GetColumnNames(), WxList({"Event\nName", "Value", "Text", "Color\n(Trial Variable)"}));

  testsupport::WriteDataFile(dir.File("e.txt"), {"A", "B"}, {{"x", ""}, {"y", "only here"}});
  auto other = LoadReader(dir.File("e.txt"));
  other->HideRow(0);
  other->HideRow(1);
  other->Refresh();
  other->HideEmptyColumnsBasedOnCurrentlyShownRows();  // without shown rows nothing is hidden
  EXPECT_FALSE(other->IsRefreshNeeded());
  other->ShowAllRows();
  other->Refresh();
  other->HideRow(1);
  other->Refresh();
  other->HideEmptyColumnsBasedOnCurrentlyShownRows();
  other->Refresh();
  EXPECT_EQ(other->GetColumnNames(), WxList({"A"}));
}

// The cases are testdata/sorting.tsv's, a line each.
TEST(Sorting, OrdersTheShownRows) {
  testsupport::ScratchDir dir;
  std::istringstream lines(testsupport::ReadFile(testsupport::TestData("sorting.tsv")));
  int cases = 0;
  for (std::string line; std::getline(lines, line);) {
    if (line.empty() || line[0] == '#') continue;
    ++cases;
    const std::vector<std::string> fields = testsupport::Split(line, '\t');
    ASSERT_EQ(fields.size(), 6u) << line;
    std::vector<std::vector<std::string>> rows;
    for (const std::string& text : testsupport::Split(fields[3], '|'))
      rows.push_back({"R" + std::to_string(rows.size()), text, text});
    testsupport::WriteDataFile(dir.File("s.txt"), {"Row", "Word", "Reaction\nTime"}, rows);
    auto reader = LoadReader(dir.File("s.txt"));
    wxString column = W(fields[1]);
    column.Replace("\\n", "\n");
    reader->SetSortSettings(column, 0);
    EXPECT_EQ(ColumnTexts(*reader, "Row"), WxList(testsupport::Split(fields[4], ' '))) << fields[0];
    reader->SetSortSettings(column, std::stoi(fields[2]));
    EXPECT_EQ(ColumnTexts(*reader, "Row"), WxList(testsupport::Split(fields[5], ' '))) << fields[0];
  }
  EXPECT_EQ(cases, 9);
}

TEST_F(ReaderQueries, SortKeepsHiddenRowsLastAndRecordsRowKeys) {
  reader->HideRow(1);
  reader->Refresh();
  reader->SetSortSettings("Value", 1);
  EXPECT_TRUE(reader->GetStatusText().StartsWith("Finished sorting by \"Value\""));
  reader->Refresh();
  EXPECT_EQ(ColumnTexts(*reader, "Value"), WxList({"6", "5", "4", "3", "2", "0"}));
  EXPECT_EQ(reader->GetRowRecord(6, MURowScope_All)->CellText("Value"), "1");
  EXPECT_EQ(reader->GetRowRecord(0, MURowScope_All)->positions[0], 6);
  // Queries over all rows list positions in row-key order.
  EXPECT_EQ(reader->GetRowIndicesWhereBitStringAbsent(0, MURowScope_All), (Rows{5, 6, 4, 3, 2, 1, 0}));
  EXPECT_EQ(reader->GetRowIndicesWhereBitStringAbsent(0, MURowScope_Shown), (Rows{0, 1, 2, 3, 4, 5}));

  wxString column;
  int direction = 0;
  reader->GetSortSettings(column, direction);
  EXPECT_EQ(column, "Value");
  EXPECT_EQ(direction, 1);
  reader->ClearSortSettings();
  EXPECT_EQ(ColumnTexts(*reader, "Value"), WxList({"0", "2", "3", "4", "5", "6"}));
}

}  // namespace

// The reader's cached queries (bit-string row and column queries, distinct values, predicates, the cache
// invalidation rules, empty-column hiding) and sorting.
#include "tabulon/rowpredicate.h"
#include "support/datafile.h"
#include "support/files.h"
#include "support/scratchdir.h"
#include "tabulon_test_files.h"
#include <gtest/gtest.h>
#include <sstream>

using tabulon::RowRecord;

using namespace tabtest;
using Rows = std::vector<int>;

namespace {

// Holds for rows whose "Value" cell is an odd number; counts how often it was asked.
class OddValue : public tabulon::RowPredicate {
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
    testsupport::WriteDataFile(dir_.File("q.txt"), {"Event\nName", "Value", "Text", "Blank", "Color\n(Trial Variable)"},
                               {{"E0", "0", "a", "", "red"},
                                {"E1", "1", " a", " ", "red"},
                                {"E2", "2", "b", "", "blue"},
                                {"E3", "3", "a", "  ", "red"},
                                {"E4", "4", "b ", "", "green"},
                                {"E5", "5", "c", "", "blue"},
                                {"E6", "6", "a", "", "red"}});
    reader_ = LoadReader(dir_.File("q.txt"));
  }
  testsupport::ScratchDir dir_;
  std::shared_ptr<MUExperimentTextReaderMultiFile> reader_;
};

TEST_F(ReaderQueries, ColumnQueriesAreCachedUntilARefresh) {
  EXPECT_EQ(reader_->GetColumnNamesWhereBitStringAbsent(60),
            WxList({"Event\nName", "Value", "Text", "Blank", "Color\n(Trial Variable)"}));
  EXPECT_EQ(reader_->GetColumnNamesWhereBitStringMatches(tabulon::ColumnFlag::TrialVariable),
            WxList({"Color\n(Trial Variable)"}));
  EXPECT_EQ(reader_->GetColumnNamesWhereBitStringHasXAbsentY(0, tabulon::ColumnFlag::TrialVariable).size(), 4u);
  reader_->HideColumn("Text");
  EXPECT_EQ(reader_->GetColumnNamesWhereBitStringAbsent(60).size(), 5u);
  reader_->Refresh();
  EXPECT_EQ(reader_->GetColumnNamesWhereBitStringMatches(tabulon::ColumnFlag::HiddenByUser), WxList({"Text"}));
  EXPECT_EQ(reader_->GetColumnIndex("Text"), -1);
  reader_->ShowColumn("Text");
  reader_->Refresh();
  EXPECT_EQ(reader_->GetColumnIndex("Text"), 2);
}

TEST_F(ReaderQueries, RowQueriesFollowTheScope) {
  reader_->HideRow(0);
  reader_->Refresh();
  reader_->SetRowMarked(1, true);  // E2
  reader_->SetRowMarked(4, true);  // E5
  EXPECT_EQ(reader_->GetRowIndicesWhereBitStringMatches(0, tabulon::RowScope::Shown), (Rows{0, 1, 2, 3, 4, 5}));
  EXPECT_EQ(reader_->GetRowIndicesWhereBitStringAbsent(0, tabulon::RowScope::Shown), (Rows{0, 1, 2, 3, 4, 5}));
  EXPECT_EQ(reader_->GetRowIndicesWhereBitStringMatches(0, tabulon::RowScope::All), (Rows{0, 1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(reader_->GetRowIndicesWhereBitStringAbsent(0, tabulon::RowScope::Unfiltered), (Rows{0, 1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(reader_->GetRowIndicesWhereBitStringMatches(tabulon::RowFlag::Hidden, tabulon::RowScope::All), Rows{0});
  EXPECT_EQ(reader_->GetRowIndicesWhereBitStringMatches(tabulon::RowFlag::Marked, tabulon::RowScope::Shown),
            (Rows{1, 4}));
  EXPECT_EQ(reader_->GetRowIndicesWhereBitStringMatches(tabulon::RowFlag::Marked, tabulon::RowScope::All),
            (Rows{2, 5}));
  EXPECT_EQ(reader_->GetRowIndicesWhereBitStringHasXAbsentY(0, tabulon::RowFlag::Marked | tabulon::RowFlag::Hidden,
                                                            tabulon::RowScope::All),
            (Rows{1, 3, 4, 6}));
}

TEST_F(ReaderQueries, MarkingRecomputesOnlyQueriesOnTheMarkedBit) {
  EXPECT_TRUE(reader_->GetRowIndicesWhereBitStringMatches(tabulon::RowFlag::Marked, tabulon::RowScope::All).empty());
  EXPECT_EQ(
      reader_->GetRowIndicesWhereBitStringHasXAbsentY(0, tabulon::RowFlag::Marked, tabulon::RowScope::Shown).size(),
      7u);
  EXPECT_EQ(reader_->GetRowIndicesWhereBitStringAbsent(tabulon::RowFlag::Hidden, tabulon::RowScope::All).size(), 7u);
  reader_->HideRow(0);  // leaves the cached answer on the hidden bit stale until the next refresh
  reader_->SetRowMarked(2, true);
  EXPECT_EQ(reader_->GetRowIndicesWhereBitStringMatches(tabulon::RowFlag::Marked, tabulon::RowScope::All), Rows{2});
  EXPECT_EQ(reader_->GetRowIndicesWhereBitStringHasXAbsentY(0, tabulon::RowFlag::Marked, tabulon::RowScope::Shown),
            (Rows{0, 1, 3, 4, 5, 6}));
  EXPECT_EQ(reader_->GetRowIndicesWhereBitStringAbsent(tabulon::RowFlag::Hidden, tabulon::RowScope::All).size(), 7u);
  reader_->Refresh();
  EXPECT_EQ(reader_->GetRowIndicesWhereBitStringAbsent(tabulon::RowFlag::Hidden, tabulon::RowScope::All).size(), 6u);
}

TEST_F(ReaderQueries, DistinctValuesWithAndWithoutTrimming) {
  EXPECT_EQ(reader_->SelectDistinctPerColumn("Text", tabulon::RowScope::Shown, false),
            WxList({"a", " a", "b", "b ", "c"}));
  EXPECT_EQ(reader_->SelectDistinctPerColumn("Text", tabulon::RowScope::Shown, true), WxList({"a", "b", "c"}));
  EXPECT_EQ(reader_->SelectDistinctPerColumn("no such column", tabulon::RowScope::All, false), WxList({""}));
  reader_->HideRow(1);
  reader_->Refresh();
  EXPECT_EQ(reader_->SelectDistinctPerColumn("Text", tabulon::RowScope::Shown, false), WxList({"a", "b", "b ", "c"}));
  EXPECT_EQ(reader_->SelectDistinctPerColumn("Text", tabulon::RowScope::All, false),
            WxList({"a", " a", "b", "b ", "c"}));
}

TEST_F(ReaderQueries, PredicatesOverTheSequenceAndRanges) {
  OddValue odd;
  reader_->HideRow(0);
  reader_->Refresh();
  EXPECT_EQ(reader_->GetRowIndicesWherePredicateReturnsTrue(odd, false), (Rows{0, 2, 4}));
  EXPECT_EQ(reader_->GetRowIndicesWherePredicateReturnsTrue(odd, true), (Rows{1, 3, 5}));
  const struct {
    int first, last;
    Rows expected;
  } ranges[] = {{2, 5, {3, 5}},      {5, 2, {3, 5}}, {-1, 2, {1}}, {4, -1, {5}},
                {-3, -9, {1, 3, 5}}, {0, 7, {}},     {7, 0, {}},   {3, 3, {3}}};
  for (const auto& r : ranges) {
    EXPECT_EQ(reader_->GetRowIndicesWherePredicateReturnsTrue(odd, true, r.first, r.last), r.expected)
        << r.first << ".." << r.last;
  }
  MUExperimentTextReaderMultiFile empty;
  EXPECT_TRUE(empty.GetRowIndicesWherePredicateReturnsTrue(odd, true).empty());
  EXPECT_TRUE(empty.GetRowIndicesWherePredicateReturnsTrue(odd, false, -1, -1).empty());
}

TEST_F(ReaderQueries, PredicateResultsAreCachedWhenThePredicateAllows) {
  OddValue cacheable, uncacheable(false);
  reader_->GetRowIndicesWherePredicateReturnsTrue(cacheable, true, 5, 2);
  EXPECT_EQ(reader_->GetRowIndicesWherePredicateReturnsTrue(cacheable, true, 2, 5), (Rows{3, 5}));
  EXPECT_EQ(cacheable.calls, 4);
  reader_->GetRowIndicesWherePredicateReturnsTrue(cacheable, false, 2, 5);
  EXPECT_EQ(cacheable.calls, 8);
  reader_->Refresh();
  reader_->GetRowIndicesWherePredicateReturnsTrue(cacheable, true, 2, 5);
  EXPECT_EQ(cacheable.calls, 12);
  reader_->GetRowIndicesWherePredicateReturnsTrue(uncacheable, true);
  reader_->GetRowIndicesWherePredicateReturnsTrue(uncacheable, true);
  EXPECT_EQ(uncacheable.calls, 14);
  cacheable.calls = 0;  // scope 3 is never cached
  reader_->GetRowIndicesWherePredicateReturnsTrueInScope(cacheable, 3, 0, 6);
  reader_->GetRowIndicesWherePredicateReturnsTrueInScope(cacheable, 3, 0, 6);
  EXPECT_EQ(cacheable.calls, 14);
}

TEST_F(ReaderQueries, EmptyColumnsAreJudgedOnTheShownRows) {
  reader_->HideEmptyColumnsBasedOnCurrentlyShownRows();
  reader_->Refresh();
  EXPECT_EQ(reader_->GetColumnNames(), WxList({"Event\nName", "Value", "Text", "Color\n(Trial Variable)"}));

  testsupport::WriteDataFile(dir_.File("e.txt"), {"A", "B"}, {{"x", ""}, {"y", "only here"}});
  auto other = LoadReader(dir_.File("e.txt"));
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
  reader_->HideRow(1);
  reader_->Refresh();
  reader_->SetSortSettings("Value", 1);
  EXPECT_TRUE(reader_->GetStatusText().StartsWith("Finished sorting by \"Value\""));
  reader_->Refresh();
  EXPECT_EQ(ColumnTexts(*reader_, "Value"), WxList({"6", "5", "4", "3", "2", "0"}));
  EXPECT_EQ(reader_->GetRowRecord(6, tabulon::RowScope::All)->CellText("Value"), "1");
  EXPECT_EQ(reader_->GetRowRecord(0, tabulon::RowScope::All)->positions[0], 6);
  // Queries over all rows list positions in row-key order.
  EXPECT_EQ(reader_->GetRowIndicesWhereBitStringAbsent(0, tabulon::RowScope::All), (Rows{5, 6, 4, 3, 2, 1, 0}));
  EXPECT_EQ(reader_->GetRowIndicesWhereBitStringAbsent(0, tabulon::RowScope::Shown), (Rows{0, 1, 2, 3, 4, 5}));

  wxString column;
  int direction = 0;
  reader_->GetSortSettings(column, direction);
  EXPECT_EQ(column, "Value");
  EXPECT_EQ(direction, 1);
  reader_->ClearSortSettings();
  EXPECT_EQ(ColumnTexts(*reader_, "Value"), WxList({"0", "2", "3", "4", "5", "6"}));
}

}  // namespace

// The reader's cached queries: keys, bit-string row and column queries, predicates, distinct values, the cache
// invalidation rules and the hiding of empty columns.
#include "tabulon/src/muexperimenttextreadermultifile.h"
#include "tabulon/src/muquerycachingbroker.h"
#include "tabulon/src/muquerykey.h"
#include "tabulon/src/murowpredicate.h"
#include "tabulon/src/murowrecord.h"
#include "tests/support/scratchdir.h"
#include "tests/tabulon/reader_test_files.h"
#include <gtest/gtest.h>

using namespace readertest;

namespace {

const wxString kSep(wxUniChar(7), 3);

TEST(QueryKeys, Texts) {
  const struct {
    QueryKey key;
    wxString part1, part2, part3;
  } cases[] = {
      {RowsWhereBitsMatchKey(64, 4), kSep + "GETROWINDICES", kSep + "WHEREBITSTRINGMATCHES", "1" + kSep + "64"},
      {RowsWhereBitsAbsentKey(32, 1), kSep + "GETROWINDICES", kSep + "WHEREBITSTRINGABSENT", "0" + kSep + "32"},
      {RowsWhereBitsAbsentKey(0, 2), kSep + "GETROWINDICES", kSep + "WHEREBITSTRINGABSENT", "2" + kSep + "0"},
      {RowsWhereBitsAbsentKey(0, 3), kSep + "GETROWINDICES", kSep + "WHEREBITSTRINGABSENT", "2" + kSep + "0"},
      {RowsWhereBitsHasXAbsentYKey(64, 32, 1), kSep + "GETROWINDICES", kSep + "WHEREBITSTRINGHASXABSENTY",
       "0" + kSep + "64" + kSep + "32"},
      {RowsWherePredicateKey("odd", 2, 1, 7), kSep + "GETROWINDICES", kSep + "WHEREPREDICATERETURNSTRUE",
       "1" + kSep + "odd" + kSep + "1" + kSep + "7"},
      {RowsWherePredicateKey("odd", 4, 0, 3), kSep + "GETROWINDICES", kSep + "WHEREPREDICATERETURNSTRUE",
       "0" + kSep + "odd" + kSep + "0" + kSep + "3"},
      {ColumnsWhereBitsMatchKey(1), kSep + "GETCOLUMNNAMES", kSep + "WHEREBITSTRINGMATCHES", "1"},
      {ColumnsWhereBitsAbsentKey(60), kSep + "GETCOLUMNNAMES", kSep + "WHEREBITSTRINGABSENT", "60"},
      {ColumnsWhereBitsHasXAbsentYKey(1, 32), kSep + "GETCOLUMNNAMES", kSep + "WHEREBITSTRINGHASXABSENTY",
       "1" + kSep + "32"},
      {DistinctValuesKey("Trial\nName", 1, true), "Trial\nName", "SELECTDISTINCTPERCOLUMN", "1" + kSep + "1"},
      {DistinctValuesKey("X", 2, false), "X", "SELECTDISTINCTPERCOLUMN", "2" + kSep + "0"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.key.part1, c.part1);
    EXPECT_EQ(c.key.part2, c.part2);
    EXPECT_EQ(c.key.part3, c.part3);
  }
}

TEST(QueryKeys, OrderIsLexicographicOverTheThreeParts) {
  const QueryKey a{"a", "z", "z"}, b{"b", "a", "a"}, c{"b", "a", "b"}, d{"b", "b", ""};
  EXPECT_TRUE(a < b);
  EXPECT_TRUE(b < c);
  EXPECT_TRUE(c < d);
  EXPECT_FALSE(b < a);
  EXPECT_FALSE(c < c);
  EXPECT_TRUE(c == QueryKey({"b", "a", "b"}));
}

class CountedResult : public MUCachedQueryResult {
 public:
  explicit CountedResult(int& alive) : alive(alive) { ++alive; }
  ~CountedResult() override { --alive; }
  int& alive;
};

TEST(QueryCachingBroker, OwnsItsResultsUntilCleared) {
  int alive = 0;
  {
    MUQueryCachingBroker broker;
    const QueryKey key{"a", "b", "c"};
    broker.Store(key, std::make_unique<CountedResult>(alive));
    broker.Store(key, std::make_unique<CountedResult>(alive));
    broker.Store({"x", "", ""}, std::make_unique<CountedResult>(alive));
    ASSERT_NE(broker.Find(key), nullptr);
    EXPECT_EQ(broker.Find(key)->size(), 2u);
    EXPECT_EQ(broker.Find({"a", "b", "d"}), nullptr);
    EXPECT_EQ(alive, 3);
    broker.Clear();
    EXPECT_EQ(alive, 0);
    EXPECT_EQ(broker.KeyCount(), 0u);
    broker.Store(key, std::make_unique<CountedResult>(alive));
  }
  EXPECT_EQ(alive, 0);
}

// Holds for rows whose "Value" cell is an odd number; counts how often it was asked.
class OddValue : public MURowPredicate {
 public:
  explicit OddValue(bool cacheable = true) : cacheable(cacheable) {}
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
  testsupport::ScratchDir dir;
  std::string path = WriteDataFile(
      dir.File("q.txt"), {"Event", "Value", "Text", "Blank", "Color"}, {"Name", "", "", "", "(Trial Variable)"},
      {{"E0", "0", "a", "", "red"},
       {"E1", "1", " a", " ", "red"},
       {"E2", "2", "b", "", "blue"},
       {"E3", "3", "a", "  ", "red"},
       {"E4", "4", "b ", "", "green"},
       {"E5", "5", "c", "", "blue"},
       {"E6", "6", "a", "", "red"}});
  std::shared_ptr<MUExperimentTextReaderMultiFile> reader = LoadReader(path);
};

TEST_F(ReaderQueries, ColumnsAbsent60AreAllColumnsInHeadingOrder) {
  EXPECT_EQ(reader->GetColumnNamesWhereBitStringAbsent(60),
            WxList({"Event\nName", "Value", "Text", "Blank", "Color\n(Trial Variable)"}));
  EXPECT_EQ(reader->GetColumnNamesWhereBitStringMatches(ColumnFlag_TrialVariable),
            WxList({"Color\n(Trial Variable)"}));
  EXPECT_EQ(reader->GetColumnNamesWhereBitStringMatches(0).size(), 5u);
  EXPECT_EQ(reader->GetColumnNamesWhereBitStringHasXAbsentY(0, ColumnFlag_TrialVariable).size(), 4u);
  EXPECT_TRUE(reader->GetColumnNamesWhereBitStringHasXAbsentY(ColumnFlag_TrialVariable, ColumnFlag_TrialVariable)
                  .empty());
}

TEST_F(ReaderQueries, BitsZeroSelectEveryRowOfTheScope) {
  reader->HideRow(0);
  reader->Refresh();
  const std::vector<int> sixRows = {0, 1, 2, 3, 4, 5};
  const std::vector<int> sevenRows = {0, 1, 2, 3, 4, 5, 6};
  EXPECT_EQ(reader->GetRowIndicesWhereBitStringMatches(0, MURowScope_Shown), sixRows);
  EXPECT_EQ(reader->GetRowIndicesWhereBitStringAbsent(0, MURowScope_Shown), sixRows);
  EXPECT_EQ(reader->GetRowIndicesWhereBitStringMatches(0, MURowScope_All), sevenRows);
  EXPECT_EQ(reader->GetRowIndicesWhereBitStringAbsent(0, MURowScope_Unfiltered), sevenRows);
  EXPECT_EQ(reader->GetRowIndicesWhereBitStringMatches(MURowFlag_Hidden, MURowScope_All), std::vector<int>{0});
  EXPECT_TRUE(reader->GetRowIndicesWhereBitStringMatches(MURowFlag_Hidden, MURowScope_Shown).empty());
}

TEST_F(ReaderQueries, MarkedRowsByScope) {
  reader->HideRow(0);
  reader->Refresh();
  reader->SetRowMarked(1, true);  // E2
  reader->SetRowMarked(4, true);  // E5
  EXPECT_EQ(reader->GetRowIndicesWhereBitStringMatches(MURowFlag_Marked, MURowScope_Shown), (std::vector<int>{1, 4}));
  EXPECT_EQ(reader->GetRowIndicesWhereBitStringMatches(MURowFlag_Marked, MURowScope_All), (std::vector<int>{2, 5}));
  EXPECT_EQ(reader->GetRowIndicesWhereBitStringHasXAbsentY(MURowFlag_Marked, MURowFlag_Hidden, MURowScope_All),
            (std::vector<int>{2, 5}));
  EXPECT_EQ(reader->GetRowIndicesWhereBitStringHasXAbsentY(0, MURowFlag_Marked | MURowFlag_Hidden, MURowScope_All),
            (std::vector<int>{1, 3, 4, 6}));
}

TEST_F(ReaderQueries, RepeatedQueriesAreServedFromTheCacheUntilARefresh) {
  const std::vector<int> before = reader->GetRowIndicesWhereBitStringAbsent(MURowFlag_Hidden, MURowScope_All);
  reader->HideRow(3);
  // Flags changed, but nothing changes the caches before the next refresh.
  EXPECT_EQ(reader->GetRowIndicesWhereBitStringAbsent(MURowFlag_Hidden, MURowScope_All), before);
  EXPECT_EQ(before.size(), 7u);
  reader->Refresh();
  EXPECT_EQ(reader->GetRowIndicesWhereBitStringAbsent(MURowFlag_Hidden, MURowScope_All).size(), 6u);
}

TEST_F(ReaderQueries, MarkingRecomputesOnlyQueriesOnTheMarkedBit) {
  EXPECT_TRUE(reader->GetRowIndicesWhereBitStringMatches(MURowFlag_Marked, MURowScope_All).empty());
  EXPECT_EQ(reader->GetRowIndicesWhereBitStringHasXAbsentY(0, MURowFlag_Marked, MURowScope_Shown).size(), 7u);
  EXPECT_EQ(reader->GetRowIndicesWhereBitStringAbsent(MURowFlag_Hidden, MURowScope_All).size(), 7u);
  reader->HideRow(0);  // leaves the cached answer on the hidden bit stale on purpose
  reader->SetRowMarked(2, true);
  EXPECT_EQ(reader->GetRowIndicesWhereBitStringMatches(MURowFlag_Marked, MURowScope_All), std::vector<int>{2});
  EXPECT_EQ(reader->GetRowIndicesWhereBitStringHasXAbsentY(0, MURowFlag_Marked, MURowScope_Shown),
            (std::vector<int>{0, 1, 3, 4, 5, 6}));
  EXPECT_EQ(reader->GetRowIndicesWhereBitStringAbsent(MURowFlag_Hidden, MURowScope_All).size(), 7u);
  reader->SetRowMarked(2, false);
  EXPECT_TRUE(reader->GetRowIndicesWhereBitStringMatches(MURowFlag_Marked, MURowScope_All).empty());
}

TEST_F(ReaderQueries, ColumnNamesAreCachedUntilARefresh) {
  EXPECT_EQ(reader->GetColumnNamesWhereBitStringAbsent(ColumnFlag_HiddenByUser).size(), 5u);
  reader->HideColumn("Text");
  EXPECT_EQ(reader->GetColumnNamesWhereBitStringAbsent(ColumnFlag_HiddenByUser).size(), 5u);
  reader->Refresh();
  EXPECT_EQ(reader->GetColumnNamesWhereBitStringAbsent(ColumnFlag_HiddenByUser).size(), 4u);
  EXPECT_EQ(reader->GetColumnNamesWhereBitStringMatches(ColumnFlag_HiddenByUser), WxList({"Text"}));
}

TEST_F(ReaderQueries, DistinctValuesWithAndWithoutTrimming) {
  EXPECT_EQ(reader->SelectDistinctPerColumn("Text", MURowScope_Shown, false), WxList({"a", " a", "b", "b ", "c"}));
  EXPECT_EQ(reader->SelectDistinctPerColumn("Text", MURowScope_Shown, true), WxList({"a", "b", "c"}));
  EXPECT_EQ(reader->SelectDistinctPerColumn("Color\n(Trial Variable)", MURowScope_All, false),
            WxList({"red", "blue", "green"}));
  EXPECT_EQ(reader->SelectDistinctPerColumn("no such column", MURowScope_All, false), WxList({""}));
}

TEST_F(ReaderQueries, DistinctValuesFollowTheScope) {
  reader->HideRow(1);
  reader->Refresh();
  EXPECT_EQ(reader->SelectDistinctPerColumn("Text", MURowScope_Shown, false), WxList({"a", "b", "b ", "c"}));
  EXPECT_EQ(reader->SelectDistinctPerColumn("Text", MURowScope_All, false), WxList({"a", " a", "b", "b ", "c"}));
}

TEST_F(ReaderQueries, PredicateOverTheWholeSequence) {
  OddValue odd;
  EXPECT_EQ(reader->GetRowIndicesWherePredicateReturnsTrue(odd, false), (std::vector<int>{1, 3, 5}));
  reader->HideRow(0);
  reader->Refresh();
  EXPECT_EQ(reader->GetRowIndicesWherePredicateReturnsTrue(odd, false), (std::vector<int>{0, 2, 4}));
  EXPECT_EQ(reader->GetRowIndicesWherePredicateReturnsTrue(odd, true), (std::vector<int>{1, 3, 5}));
}

TEST_F(ReaderQueries, PredicateRangeBounds) {
  OddValue odd;
  const struct {
    int first, last;
    std::vector<int> expected;
  } cases[] = {
      {2, 5, {3, 5}}, {5, 2, {3, 5}}, {-1, 2, {1}},  {4, -1, {5}}, {-3, -9, {1, 3, 5}},
      {0, 7, {}},     {7, 0, {}},     {3, 3, {3}},   {0, 0, {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(reader->GetRowIndicesWherePredicateReturnsTrue(odd, true, c.first, c.last), c.expected)
        << c.first << ".." << c.last;
  }
}

TEST_F(ReaderQueries, PredicateResultsAreCachedWhenThePredicateAllows) {
  OddValue cacheable;
  reader->GetRowIndicesWherePredicateReturnsTrue(cacheable, true, 5, 2);
  EXPECT_EQ(cacheable.calls, 4);
  EXPECT_EQ(reader->GetRowIndicesWherePredicateReturnsTrue(cacheable, true, 2, 5), (std::vector<int>{3, 5}));
  EXPECT_EQ(cacheable.calls, 4);
  reader->GetRowIndicesWherePredicateReturnsTrue(cacheable, false, 2, 5);
  EXPECT_EQ(cacheable.calls, 8);
  reader->Refresh();
  reader->GetRowIndicesWherePredicateReturnsTrue(cacheable, true, 2, 5);
  EXPECT_EQ(cacheable.calls, 12);

  OddValue uncacheable(false);
  reader->GetRowIndicesWherePredicateReturnsTrue(uncacheable, true);
  reader->GetRowIndicesWherePredicateReturnsTrue(uncacheable, true);
  EXPECT_EQ(uncacheable.calls, 14);
}

TEST_F(ReaderQueries, ScopeThreePredicateAnswersAreNeverCached) {
  OddValue odd;
  EXPECT_EQ(reader->GetRowIndicesWherePredicateReturnsTrueInScope(odd, 3, 0, 6), (std::vector<int>{1, 3, 5}));
  reader->GetRowIndicesWherePredicateReturnsTrueInScope(odd, 3, 0, 6);
  EXPECT_EQ(odd.calls, 14);
  reader->GetRowIndicesWherePredicateReturnsTrueInScope(odd, MURowScope_Unfiltered, 0, 6);
  reader->GetRowIndicesWherePredicateReturnsTrueInScope(odd, MURowScope_Unfiltered, 0, 6);
  EXPECT_EQ(odd.calls, 21);
}

TEST_F(ReaderQueries, PredicateOverAnEmptyTable) {
  MUExperimentTextReaderMultiFile empty;
  OddValue odd;
  EXPECT_TRUE(empty.GetRowIndicesWherePredicateReturnsTrue(odd, true).empty());
  EXPECT_TRUE(empty.GetRowIndicesWherePredicateReturnsTrue(odd, false, -1, -1).empty());
  EXPECT_TRUE(empty.SelectDistinctPerColumn("Value", MURowScope_Shown, true).empty());
  EXPECT_TRUE(empty.GetColumnNamesWhereBitStringAbsent(60).empty());
  EXPECT_TRUE(empty.GetRowIndicesWhereBitStringMatches(0, MURowScope_All).empty());
  EXPECT_EQ(odd.calls, 0);
}

TEST_F(ReaderQueries, EmptyColumnsAreHiddenAfterTheNextRefresh) {
  reader->HideEmptyColumnsBasedOnCurrentlyShownRows();
  EXPECT_TRUE(reader->IsRefreshNeeded());
  reader->Refresh();
  EXPECT_EQ(reader->GetColumnIndex("Blank"), -1);
  EXPECT_EQ(reader->GetColumnNames(), WxList({"Event\nName", "Value", "Text", "Color\n(Trial Variable)"}));
}

TEST_F(ReaderQueries, EmptinessIsJudgedOnTheShownRowsOnly) {
  const std::string file = WriteDataFile(dir.File("e.txt"), {"A", "B"}, {"", ""}, {{"x", ""}, {"y", "only here"}});
  auto other = LoadReader(file);
  other->HideRow(1);
  other->Refresh();
  other->HideEmptyColumnsBasedOnCurrentlyShownRows();
  other->Refresh();
  EXPECT_EQ(other->GetColumnNames(), WxList({"A"}));
  other->ShowAllRows();
  other->ShowColumn("B");
  other->Refresh();
  other->HideEmptyColumnsBasedOnCurrentlyShownRows();
  EXPECT_FALSE(other->ColumnHasFlags("B", ColumnFlag_HiddenByUser));
}

TEST_F(ReaderQueries, NothingIsHiddenWithoutShownRows) {
  const std::string file = WriteDataFile(dir.File("one.txt"), {"A", "B"}, {"", ""}, {{"", ""}});
  auto other = LoadReader(file);
  other->HideRow(0);
  other->Refresh();
  other->HideEmptyColumnsBasedOnCurrentlyShownRows();
  EXPECT_FALSE(other->IsRefreshNeeded());
  other->ShowAllRows();
  other->Refresh();
  other->HideEmptyColumnsBasedOnCurrentlyShownRows();
  other->Refresh();
  EXPECT_EQ(other->GetColumnCount(), 0);
  EXPECT_EQ(other->GetCellText(0, 0), "?");
}

}  // namespace

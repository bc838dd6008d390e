// The reader's cached queries (bit-string row and column queries, distinct values, predicates, the cache
// invalidation rules, empty-column hiding) and sorting.
#include "tabulon/rowpredicate.h"
#include "support/datafile.h"
#include "support/files.h"
#include "support/scratchdir.h"
#include "tabulon_test_files.h"
#include <gtest/gtest.h>
#include <functional>
#include <iterator>
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

// Row indices follow the scope asked for: the shown rows' own or the places among all rows.
TEST_F(ReaderQueries, FlagQueriesFollowTheScope) {
  reader_->HideRow(0);
  reader_->Refresh();
  reader_->SetRowMarked(1, true);  // E2
  reader_->SetRowMarked(4, true);  // E5
  namespace RowFlag = tabulon::RowFlag;
  EXPECT_EQ(reader_->GetRowIndicesWhereBitStringMatches(RowFlag::Marked, tabulon::RowScope::Shown), (Rows{1, 4}));
  EXPECT_EQ(reader_->GetRowIndicesWhereBitStringMatches(RowFlag::Marked, tabulon::RowScope::All), (Rows{2, 5}));
  EXPECT_EQ(
      reader_->GetRowIndicesWhereBitStringHasXAbsentY(0, RowFlag::Marked | RowFlag::Hidden, tabulon::RowScope::All),
      (Rows{1, 3, 4, 6}));
  EXPECT_EQ(reader_->GetColumnNamesWhereBitStringMatches(tabulon::ColumnFlag::TrialVariable),
            WxList({"Color\n(Trial Variable)"}));
}

// Each query family answers a repeated question from its cache until a change that can alter the answer: a mark
// (only queries on the marked bit), a refresh, another file. Predicates that forbid it and scope 3 are never cached.
TEST_F(ReaderQueries, RepeatedQueriesComeFromTheCachesUntilTheirDataChanges) {
  OddValue odd, uncacheable(false);
  namespace RowScope = tabulon::RowScope;
  const std::function<std::size_t()> queries[] = {
      [&] { return reader_->GetRowIndicesWhereBitStringMatches(0, RowScope::Shown).size(); },
      [&] {
        return reader_->GetRowIndicesWhereBitStringHasXAbsentY(0, tabulon::RowFlag::Marked, RowScope::All).size();
      },
      [&] { return reader_->GetRowIndicesWherePredicateReturnsTrue(odd, true, 5, 2).size(); },
      [&] { return reader_->GetColumnNamesWhereBitStringAbsent(0).size(); },
      [&] { return reader_->SelectDistinctPerColumn("Value", RowScope::Unfiltered, false).size(); },
      [&] { return reader_->GetRowIndicesWherePredicateReturnsTrue(uncacheable, true).size(); },
      [&] { return reader_->GetRowIndicesWherePredicateReturnsTrueInScope(odd, 3, 0, 6).size(); }};
  testsupport::WriteDataFile(dir_.File("more.txt"), {"Value", "More"}, {{"7", "x"}});
  const struct {
    const char* change;
    std::function<void()> make;
    const char* hits;  // per query, of the two times it is asked
  } changes[] = {
      {"none", [] {}, "1111100"},
      {"a mark", [&] { reader_->SetRowMarked(0, true); }, "2122200"},
      {"a refresh", [&] { reader_->Refresh(); }, "1111100"},
      {"another file", [&] { reader_->AddSelectedFile(wxFileName(W(dir_.File("more.txt"))), false); }, "1111100"}};
  for (const auto& c : changes) {
    c.make();
    for (std::size_t i = 0; i < std::size(queries); ++i) {
      const std::size_t hits = reader_->QueryCacheHits(), answer = queries[i]();
      EXPECT_EQ(queries[i](), answer) << c.change << ", query " << i;
      EXPECT_EQ(reader_->QueryCacheHits() - hits, std::size_t(c.hits[i] - '0')) << c.change << ", query " << i;
    }
  }
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
}

TEST_F(ReaderQueries, EmptyColumnsAreJudgedOnTheShownRows) {
  reader_->HideEmptyColumnsBasedOnCurrentlyShownRows();
  reader_->Refresh();
  EXPECT_EQ(reader_->GetColumnNames(), WxList({"Event\nName", "Value", "Text", "Color\n(Trial Variable)"}));

  testsupport::WriteDataFile(dir_.File("e.txt"), {"A", "B"}, {{"x", ""}, {"y", "only here"}});
  auto other = LoadReader(dir_.File("e.txt"));
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
  reader_->SetSortSettings("no such column", 1);  // nothing to sort by: the rows keep their places
  EXPECT_EQ(reader_->GetRowRecord(1, tabulon::RowScope::All)->CellText("Value"), "1");
  reader_->SetSortSettings("Value", 1);
  EXPECT_TRUE(reader_->GetStatusText().StartsWith("Finished sorting by \"Value\""));
  reader_->Refresh();
  EXPECT_EQ(ColumnTexts(*reader_, "Value"), WxList({"6", "5", "4", "3", "2", "0"}));
  EXPECT_EQ(reader_->GetRowRecord(6, tabulon::RowScope::All)->CellText("Value"), "1");
  EXPECT_EQ(reader_->GetRowRecord(0, tabulon::RowScope::All)->positions[0], 6);
  // Queries over all rows list positions in row-key order.
  EXPECT_EQ(reader_->GetRowIndicesWhereBitStringAbsent(0, tabulon::RowScope::All), (Rows{5, 6, 4, 3, 2, 1, 0}));
  EXPECT_EQ(reader_->GetRowIndicesWhereBitStringAbsent(0, tabulon::RowScope::Shown), (Rows{0, 1, 2, 3, 4, 5}));

  reader_->ClearSortSettings();
  EXPECT_EQ(ColumnTexts(*reader_, "Value"), WxList({"0", "2", "3", "4", "5", "6"}));
}

}  // namespace

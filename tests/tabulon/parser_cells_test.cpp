// Data rows: splitting at TAB, missing and extra cells, printable texts, sort keys and reaction times.
#include "tests/tabulon/parser_test_files.h"
#include "tests/support/scratchdir.h"
#include "tabulon/src/mucelltext.h"
#include "tabulon/src/mucolumnnames.h"
#include "tabulon/src/mutabsplit.h"
#include <gtest/gtest.h>
#include <cmath>
#include <random>
#include <wx/tokenzr.h>

using namespace parsertest;

namespace {

std::vector<wxString> SplitLikeParser(const wxString& line) {
  std::vector<wxString> tokens;
  ForEachTabSeparatedToken(line, [&](const wxChar* start, std::size_t length, std::size_t index) {
    EXPECT_EQ(index, tokens.size());
    tokens.emplace_back(start, length);
  });
  return tokens;
}

std::vector<wxString> SplitWithToolkit(const wxString& line) {
  std::vector<wxString> tokens;
  wxStringTokenizer tokenizer(line, "\t", wxTOKEN_RET_EMPTY);
  while (tokenizer.HasMoreTokens()) tokens.push_back(tokenizer.GetNextToken());
  return tokens;
}

TEST(ParserCells, SplitMatchesTheToolkitTokenizer) {
  std::mt19937 random(7);
  const wxChar alphabet[] = {wxS('a'), wxS('\t'), wxS('\t'), wxS(' '), wxS('\n')};
  for (int round = 0; round < 5000; ++round) {
    wxString line;
    const int length = static_cast<int>(random() % 9);
    for (int i = 0; i < length; ++i) line += alphabet[random() % 5];
    ASSERT_EQ(SplitLikeParser(line), SplitWithToolkit(line)) << "line of " << length;
  }
}

TEST(ParserCells, MissingCellsAreEmptyWithZeroKeys) {
  testsupport::ScratchDir dir;
  auto parsed = ParseBytes(dir.File("c.txt"), HeaderBlock("A\tB\tC", "a\tb\tc") + "1\n1\t\t\n");
  ASSERT_EQ(parsed->rows.size(), 2u);
  const RowRecord& row = *parsed->rows[0];
  EXPECT_TRUE(row.HasCell("C\nc"));
  EXPECT_EQ(row.CellText("C\nc"), "");
  EXPECT_EQ(row.SortKey("C\nc", 0), 0.0);
  EXPECT_TRUE(row.IsCoveredBySortKeys("C\nc"));
  // A trailing run of TABs gives no cells either, like the toolkit's tokenizer.
  EXPECT_EQ(parsed->rows[1]->SortKey("B\nb", 0), 0.0);
  EXPECT_EQ(parsed->columns.size(), 3u);
}

TEST(ParserCells, EmptyCellBetweenTabsHasTheKeyOfSixSpaces) {
  testsupport::ScratchDir dir;
  auto parsed = ParseBytes(dir.File("c.txt"), HeaderBlock("A\tB\tC", "a\tb\tc") + "1\t\t3\n");
  const RowRecord& row = *parsed->rows[0];
  EXPECT_EQ(row.CellText("B\nb"), "");
  EXPECT_EQ(row.SortKey("B\nb", 0), SortKeyOfSix(""));
  EXPECT_NE(row.SortKey("B\nb", 0), 0.0);
}

TEST(ParserCells, ExtraCellsGetMissingNameColumns) {
  testsupport::ScratchDir dir;
  auto parsed = ParseBytes(dir.File("c.txt"), HeaderBlock("A", "a") + "1\tx\n2\n3\ty\tz\n");
  ASSERT_FALSE(parsed->parser->HasFailed());
  const std::vector<wxString> expected = {"A\na", "[Missing\nCol Name]", "[Missing\nCol Name]#"};
  EXPECT_EQ(ColumnNames(parsed->columns), expected);
  EXPECT_EQ(parsed->columns[1]->kind, 0u);
  ASSERT_EQ(parsed->columns[2]->sourceFiles.size(), 1u);
  EXPECT_EQ(parsed->columns[2]->sourceFiles[0].first, W(dir.File("c.txt").c_str()));
  EXPECT_EQ(parsed->rows[0]->CellText("[Missing\nCol Name]"), "x");
  EXPECT_FALSE(parsed->rows[0]->HasCell("[Missing\nCol Name]#"));
  // The second row was read when two columns existed: it has an empty cell in the first extra one.
  EXPECT_TRUE(parsed->rows[1]->HasCell("[Missing\nCol Name]"));
  EXPECT_EQ(parsed->rows[1]->CellText("[Missing\nCol Name]"), "");
  EXPECT_EQ(parsed->rows[2]->CellText("[Missing\nCol Name]"), "y");
  EXPECT_EQ(parsed->rows[2]->CellText("[Missing\nCol Name]#"), "z");
}

TEST(ParserCells, RowReadAgainAfterReleaseStillNamesExtraCellsUniquely) {
  testsupport::ScratchDir dir;
  testsupport::WriteFile(dir.File("c.txt"), HeaderBlock("A", "a") + "1\tx\n");
  auto parser = CreateDataFileParser(W(dir.File("c.txt").c_str()), DataFileParser_TextWithHeader, nullptr);
  auto first = parser->ReadNextRow(false);
  auto columns = parser->ReleaseColumnProperties();
  auto again = parser->ReadNextRow(false);
  EXPECT_EQ(columns.size(), 2u);
  EXPECT_EQ(again->CellText("[Missing\nCol Name]"), "x");
}

struct PrintableCase {
  std::wstring raw;
  std::wstring shown;
};

class Printable : public ::testing::TestWithParam<PrintableCase> {};

TEST_P(Printable, RewritesControlCharacters) {
  EXPECT_EQ(MakeCellTextPrintable(wxString(GetParam().raw)).ToStdWstring(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Characters, Printable,
    ::testing::Values(PrintableCase{L"plain text", L"plain text"}, PrintableCase{L"\x01", L"^A"},
                      PrintableCase{L"a\x1f" L"b", L"a^_b"}, PrintableCase{L"\x1b", L"^["},
                      PrintableCase{L"\x1b" L"A", L"0x1B 0x41"}, PrintableCase{L"\x1b" L"_x", L"0x1B 0x5fx"},
                      PrintableCase{L"\x1b" L"a", L"^[a"}, PrintableCase{L"\x1b\x1b" L"A", L"^[0x1B 0x41"},
                      PrintableCase{L"\x1b" L"@", L"0x1B 0x40"}, PrintableCase{L"\x7f", L"^?"},
                      PrintableCase{L"\x80", L"0x80"}, PrintableCase{L"x\x9f", L"x0x9f"},
                      PrintableCase{L"\xa0\xe9", L"\xa0\xe9"}, PrintableCase{std::wstring(1, L'\0'), std::wstring(1, L'\0')},
                      PrintableCase{L"\x1b\x1b", L"^[^["}));

TEST(ParserCells, ControlCharactersInAFileReadPrintable) {
  testsupport::ScratchDir dir;
  auto parsed = ParseBytes(dir.File("c.txt"), HeaderBlock("A\tB\tC", "a\tb\tc") + "\x01\t\x7f\t\x1b" "A\n");
  const RowRecord& row = *parsed->rows[0];
  EXPECT_EQ(row.CellText("A\na"), "^A");
  EXPECT_EQ(row.CellText("B\nb"), "^?");
  EXPECT_EQ(row.CellText("C\nc"), "0x1B 0x41");
}

TEST(ParserCells, SortKeyOfSixWeighsCharactersByPosition) {
  const double space = 32;
  const double sixSpaces = space * (std::pow(256.0, 7) + std::pow(256.0, 6) + std::pow(256.0, 5) +
                                    std::pow(256.0, 4) + std::pow(256.0, 3) + std::pow(256.0, 2));
  EXPECT_EQ(SortKeyOfSix(""), sixSpaces);
  EXPECT_EQ(SortKeyOfSix("A"), sixSpaces + (65 - 32) * std::pow(256.0, 7));
  EXPECT_EQ(SortKeyOfSix("     B"), sixSpaces + (66 - 32) * std::pow(256.0, 2));
  EXPECT_EQ(SortKeyOfSix("abcdefXYZ"), SortKeyOfSix("abcdef"));
  // Only the low 8 bits of a character count.
  EXPECT_EQ(SortKeyOfSix(wxString(L"\x141")), SortKeyOfSix("A"));
  EXPECT_LT(SortKeyOfSix("abc"), SortKeyOfSix("abd"));
  EXPECT_LT(SortKeyOfSix("ab"), SortKeyOfSix("ab!"));
}

TEST(ParserCells, RecordSortKeysCoverCharactersInThrees) {
  testsupport::ScratchDir dir;
  const std::string text18 = "abcdefghijklmnopqr";
  auto parsed = ParseBytes(dir.File("c.txt"), HeaderBlock("A\tB\tC", "a\tb\tc") + text18 + "\t" + text18 + "s\tshort\n");
  const RowRecord& row = *parsed->rows[0];
  EXPECT_EQ(row.SortKey("A\na", 0), SortKeyOfSix("abcdef"));
  EXPECT_EQ(row.SortKey("A\na", 1), SortKeyOfSix("ghijkl"));
  EXPECT_EQ(row.SortKey("A\na", 2), SortKeyOfSix("mnopqr"));
  EXPECT_TRUE(row.IsCoveredBySortKeys("A\na"));
  EXPECT_FALSE(row.IsCoveredBySortKeys("B\nb"));
  EXPECT_EQ(row.SortKey("C\nc", 1), SortKeyOfSix(""));
  EXPECT_EQ(row.SortKey("C\nc", 2), SortKeyOfSix(""));
  EXPECT_EQ(row.SortKey("No\nSuch", 0), 0.0);
  EXPECT_TRUE(row.IsCoveredBySortKeys("No\nSuch"));
}

struct ReactionCase {
  const char* cell;
  double expected;
};

class ReactionTimes : public ::testing::TestWithParam<ReactionCase> {};

TEST_P(ReactionTimes, ParseFromTheReactionTimeColumn) {
  testsupport::ScratchDir dir;
  auto parsed = ParseBytes(dir.File("rt.txt"), HeaderBlock("Trial\tReaction", "Name\tTime") + "t\t" + GetParam().cell + "\n");
  ASSERT_EQ(parsed->rows.size(), 1u);
  EXPECT_EQ(parsed->rows[0]->reactionTime, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cells, ReactionTimes,
                         ::testing::Values(ReactionCase{"512", 512.0}, ReactionCase{"-3.25", -3.25},
                                           ReactionCase{"abc", -999999.0}, ReactionCase{"", -999999.0},
                                           ReactionCase{"12ms", -999999.0}, ReactionCase{"1e3", 1000.0}));

TEST(ParserCells, NoReactionTimeColumnLeavesTheDefault) {
  testsupport::ScratchDir dir;
  auto parsed = ParseBytes(dir.File("rt.txt"), HeaderBlock("Reaction\tTrial", "Duration\tName") + "12\tt\n");
  EXPECT_EQ(parsed->rows[0]->reactionTime, -999999.0);
}

TEST(ParserCells, OrdinalWords) {
  const char* words[] = {"first", "second", "third", "fourth", "fifth", "sixth", "seventh", "eighth", "ninth"};
  for (unsigned n = 1; n <= 9; ++n) EXPECT_EQ(OrdinalWord(n), words[n - 1]);
  EXPECT_EQ(OrdinalWord(0), "0");
  EXPECT_EQ(OrdinalWord(10), "10");
  EXPECT_EQ(OrdinalWord(4000000000u), "4000000000");
}

TEST(ParserCells, ColumnNamedLikeAMarkerKeyWinsInItsRows) {
  testsupport::ScratchDir dir;
  // Row 6 is empty, so the single heading keeps its name exactly.
  auto parsed = ParseBytes(dir.File("m.txt"), "P\nE\nD\nx\nSFSFSF1\n\nmine\n\n");
  ASSERT_FALSE(parsed->parser->HasFailed());
  ASSERT_EQ(parsed->rows.size(), 2u);
  EXPECT_EQ(parsed->rows[0]->CellText(MarkerKey_FileName), "mine");
  // An empty line has no token, but the row still has a (filled-in empty) cell in every column.
  EXPECT_EQ(parsed->rows[1]->CellText(MarkerKey_FileName), "");
  EXPECT_EQ(parsed->columns[0]->kind, static_cast<std::uint32_t>(ColumnKind_Text));
}

}  // namespace

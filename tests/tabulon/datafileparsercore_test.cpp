// The text parser: header lines, size limit, open failures, unique names, cells and sort keys. The layout,
// encodings and line ends of small files through both parsers are the data-file corpus's (testdata/tabulon/).
#include "tabulon/celltext.h"
#include "tabulon/columnnames.h"
#include "tabulon/makeuniquename.h"
#include "tabulon/asciicase.h"
#include "support/files.h"
#include "support/scratchdir.h"
#include "support/system.h"
#include "tabulon_test_files.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <random>

using namespace tabulon;

using namespace tabtest;

namespace {

std::string Repeat(const std::string& text, int times) {
  std::string result;
  for (int i = 0; i < times; ++i) result += text;
  return result;
}

std::string FileOfSize(std::size_t size) {
  std::string bytes = HeaderBlock("A", "B");
  while (bytes.size() + 2 <= size) bytes += "1\n";
  if (bytes.size() < size) bytes += "1";
  return bytes;
}

TEST(ParserFailures, ReportOneBatchAndGiveNoRows) {
  const struct {
    std::string bytes;
    int code;
    std::string message;
  } cases[] = {
      // Their '#'-suffixed names would need billions of characters: the file is refused instead.
      {HeaderBlock(Repeat("\tA", 200000), "") + "1\n", 6, "This file has more columns than can be read."},
      {FileOfSize(1048577), 7,
       "File too large.  This file is 1048577 bytes in size.  Tabulon cannot support opening such large files.  You "
       "may wish to split the file into multiple smaller files and try again."}};
  testsupport::ScratchDir dir;
  const std::string path = dir.File("f.txt");
  for (const auto& c : cases) {
    auto parsed = ParseBytes(path, c.bytes);
    EXPECT_TRUE(parsed->parser->HasFailed()) << c.message;
    ASSERT_EQ(parsed->sink.batches.size(), 1u) << c.message;
    ASSERT_EQ(parsed->sink.batches[0].size(), 1u) << c.message;
    EXPECT_EQ(parsed->sink.batches[0][0].code, c.code);
    EXPECT_EQ(parsed->sink.batches[0][0].message, W(c.message));
    EXPECT_EQ(parsed->sink.batches[0][0].filePath, W(path));
    EXPECT_EQ(parsed->parser->ReadNextRow(true), nullptr);
  }
}

// 52,427 names of 8 characters and a last one of 40, with 32 characters of bookkeeping each, fill the column
// names' budget exactly; one character more is refused.
TEST(ParserHeader, ColumnNamesFillTheirBudgetToTheLastCharacter) {
  std::string headings;
  for (int i = 0; i < 52427; ++i) headings += wxString::Format("%08x\t", i).utf8_string();
  testsupport::ScratchDir dir;
  for (const std::size_t last : {40, 41}) {
    auto parsed = ParseBytes(dir.File("f.txt"), HeaderBlock(headings + std::string(last, 'z'), "") + "1\n");
    EXPECT_EQ(parsed->parser->HasFailed(), last == 41) << last;
    if (last == 40) {
      EXPECT_EQ(parsed->columns.size(), 52428u);
    }
  }
}

TEST(ParserOpen, ExactlyOneMebibyteIsAccepted) {
  testsupport::ScratchDir dir;
  const std::string bytes = FileOfSize(1048576);
  ASSERT_EQ(bytes.size(), 1048576u);
  auto parsed = ParseBytes(dir.File("big.txt"), bytes);
  EXPECT_FALSE(parsed->parser->HasFailed());
  EXPECT_GT(parsed->rows.size(), 500000u);
}

TEST(ParserOpen, FailuresReportWhatTheToolkitLoggedAndNothingReachesTheLog) {
  testsupport::ScratchDir dir;
  struct Case {
    std::string path;
    const char* says;
  };
  std::vector<Case> cases = {{dir.File("absent.txt"), "can't open file"}, {dir.Path(), "Cannot open"}};
  // A device must not be read forever, nor a FIFO without writer block the host.
  for (const std::string& special : testsupport::SpecialFiles(dir.Path())) cases.push_back({special, "Cannot open"});
  // A file whose reads fail (the process's own memory at address 0) is given up, not read again and again.
  if (testsupport::FileExists("/proc/self/mem")) cases.push_back({"/proc/self/mem", "can't open file"});
  for (const auto& c : cases) {
    CollectingLog hostLog;
    CollectingSink sink;
    auto parser = CreateDataFileParser(W(c.path), DataFileParser_TextWithHeader, &sink);
    wxLog::FlushActive();
    EXPECT_EQ(wxLog::GetActiveTarget(), &hostLog);
    EXPECT_TRUE(parser->HasFailed());
    EXPECT_TRUE(hostLog.texts.empty()) << c.path;
    ASSERT_EQ(sink.batches.size(), 1u) << c.path;
    ASSERT_FALSE(sink.batches[0].empty());
    for (const ParseReport& report : sink.batches[0])
      EXPECT_EQ(report.code, tabulon::ParseReportCode::OpenFailed) << c.path;
    // The bare message, without time or level.
    EXPECT_TRUE(sink.batches[0][0].message.StartsWith(c.says)) << sink.batches[0][0].message;
  }
}

// The file is checked through the handle it is read from, so what grows after the check is still cut off: a
// file the system reports as empty but that yields more than the limit.
TEST(ParserOpen, FileThatGrowsPastTheLimitAfterTheCheckIsRefused) {
  const char* const grows = "/proc/kallsyms";
  if (!testsupport::FileExists(grows)) GTEST_SKIP() << "no " << grows << " to stand for a growing file";
  CollectingSink sink;
  auto parser = CreateDataFileParser(grows, DataFileParser_TextWithHeader, &sink);
  EXPECT_TRUE(parser->HasFailed());
  ASSERT_EQ(sink.batches.size(), 1u);
  ASSERT_EQ(sink.batches[0].size(), 1u);
  EXPECT_EQ(sink.batches[0][0].code, tabulon::ParseReportCode::FileTooLarge);
  EXPECT_TRUE(sink.batches[0][0].message.StartsWith("File too large.  This file is 1048577 bytes"))
      << sink.batches[0][0].message;
}

TEST(ParserHeader, WithoutHeaderEveryLineIsARowUnderTheStandardColumns) {
  testsupport::ScratchDir dir;
  auto parsed = ParseBytes(dir.File("raw.txt"), "g1\tann\tB1\tT1\n", DataFileParser_TextWithoutHeader);
  ASSERT_FALSE(parsed->parser->HasFailed());
  EXPECT_EQ(parsed->parser->GetExperimentName(), "");
  ASSERT_EQ(parsed->columns.size(), 15u);
  EXPECT_EQ(parsed->columns[9]->name, "Reaction\nTime");
  EXPECT_EQ(parsed->columns[9]->kind, std::uint32_t{ColumnKind_Numeric});
  EXPECT_EQ(parsed->columns[14]->flags, std::uint32_t{tabulon::ColumnFlag::TrialVariable});
  ASSERT_EQ(parsed->rows.size(), 1u);
  EXPECT_EQ(parsed->rows[0]->CellText("Block\nName"), "B1");
  EXPECT_EQ(parsed->rows[0]->CellText(MarkerKey_FileName), "raw.txt");
}

// The rule read literally: collect the '#' counts added to the base name, stop at the first gap.
wxString UniqueNameByWalkingAll(const wxString& base, const std::vector<wxString>& names) {
  bool equal = false;
  std::vector<std::size_t> added;
  for (const wxString& name : names) {
    if (tabulon::EqualIgnoringAsciiCase(name, base)) {
      equal = true;
    } else if (tabulon::AsciiUpper(name).StartsWith(tabulon::AsciiUpper(base)) &&
               name.Mid(base.length()).find_first_not_of(wxS('#')) == wxString::npos) {
      added.push_back(name.length() - base.length());
    }
  }
  if (!equal) return base;
  if (added.empty()) return base + wxS("#");
  added.push_back(1000000000);
  std::sort(added.begin(), added.end());
  std::size_t i = 0;
  while (added[i + 1] <= added[i] + 1) ++i;
  return base + wxString(wxS('#'), added[i] + 1);
}

TEST(UniqueNames, AgreeWithTheLiteralRuleInAnyInsertionOrder) {
  std::mt19937 random(11);
  for (int round = 0; round < 3000; ++round) {
    tabulon::NamesInUse inUse;
    std::vector<wxString> names;
    for (int i = static_cast<int>(random() % 12); i > 0; --i) {
      wxString name = (random() % 2) ? wxS("a") : wxS("A");
      name += wxString(wxS('#'), random() % 8);
      if (random() % 8 == 0) name += wxS("x");  // not a '#' suffix: never counts
      names.push_back(name);
      inUse.Insert(name);
    }
    const wxString base = (random() % 8 ? wxS("a") : wxS("")) + wxString(wxS('#'), random() % 4);
    ASSERT_EQ(MakeUniqueName(base, inUse), UniqueNameByWalkingAll(base, names)) << "round " << round;
  }
}

// A missing cell is empty with keys 0; an empty cell between TABs has the key of six spaces.
TEST(ParserCells, MissingAndEmptyCellsHaveTheirOwnSortKeys) {
  testsupport::ScratchDir dir;
  auto parsed = ParseBytes(dir.File("c.txt"), HeaderBlock("A\tB\tC", "a\tb\tc") + "1\n1\t\tx\n");
  ASSERT_EQ(parsed->rows.size(), 2u);
  EXPECT_EQ(parsed->rows[0]->SortKey("B\nb", 0), 0.0);
  EXPECT_TRUE(parsed->rows[0]->IsCoveredBySortKeys("B\nb"));
  EXPECT_EQ(parsed->rows[1]->SortKey("B\nb", 0), SortKeyOfSix(""));
}

// Ordering, not the formula: a later character weighs less than an earlier one; only its low 8 bits count.
TEST(ParserCells, SortKeysCoverEighteenCharactersInThreeParts) {
  EXPECT_LT(SortKeyOfSix("AZZZZZ"), SortKeyOfSix("B"));
  EXPECT_LT(SortKeyOfSix("     A"), SortKeyOfSix("     B"));
  EXPECT_EQ(SortKeyOfSix(""), SortKeyOfSix("      "));
  EXPECT_EQ(SortKeyOfSix(wxString(L"\x141")), SortKeyOfSix("A"));

  testsupport::ScratchDir dir;
  const std::string text18 = "abcdefghijklmnopqr";
  auto parsed = ParseBytes(dir.File("c.txt"), HeaderBlock("A\tB\tC", "a\tb\tc") + text18 + "\t" + text18 + "s\tab\n");
  const RowRecord& row = *parsed->rows[0];
  EXPECT_EQ(row.SortKey("A\na", 0), SortKeyOfSix("abcdef"));
  EXPECT_EQ(row.SortKey("A\na", 1), SortKeyOfSix("ghijkl"));
  EXPECT_EQ(row.SortKey("A\na", 2), SortKeyOfSix("mnopqr"));
  EXPECT_TRUE(row.IsCoveredBySortKeys("A\na"));
  EXPECT_FALSE(row.IsCoveredBySortKeys("B\nb"));
  EXPECT_EQ(row.SortKey("C\nc", 1), SortKeyOfSix(""));
}

TEST(ParserCells, ACharacterOutsideTheBmpCountsOnceInSortKeys) {
  const std::string grin = "\xF0\x9F\x98\x80";  // U+1F600: low 8 bits 0; two UTF-16 halves on Windows
  EXPECT_EQ(SortKeyOfSix(W(grin + "B")), SortKeyOfSix(wxString(L"\x100") + "B"));
  EXPECT_EQ(SortKeyOfSix(W("\364\217\277\277B")), SortKeyOfSix(wxString(L"\xFF") + "B"));  // U+10FFFF, B

  testsupport::ScratchDir dir;
  std::string eighteen;
  for (int i = 0; i < 18; ++i) eighteen += grin;
  auto parsed = ParseBytes(dir.File("g.txt"), HeaderBlock("A", "a") + eighteen + "\n");
  const RowRecord& row = *parsed->rows[0];
  EXPECT_TRUE(row.IsCoveredBySortKeys("A\na"));
  EXPECT_EQ(row.SortKey("A\na", 2), SortKeyOfSix(W(eighteen.substr(0, 6 * grin.size()))));
}

// A cell is a view into its line: an ESC that ends it is not read together with the character after it.
TEST(ParserCells, AnEscapeThatEndsACellStandsAlone) {
  const wxString line = wxS("a\033A");
  wxString cell;
  AssignPrintableCellText(cell, line.wx_str(), 2);
  EXPECT_EQ(cell, "a^[");
}

TEST(ReactionTimes, ParseFromTheReactionTimeColumn) {
  const std::pair<const char*, double> cases[] = {{"512", 512.0},  {"-3.25", -3.25},    {"abc", -999999.0},
                                                  {"", -999999.0}, {"12ms", -999999.0}, {"1e3", 1000.0}};
  testsupport::ScratchDir dir;
  for (const auto& [cell, expected] : cases) {
    auto parsed = ParseBytes(dir.File("rt.txt"), HeaderBlock("Trial\tReaction", "Name\tTime") + "t\t" + cell + "\n");
    ASSERT_EQ(parsed->rows.size(), 1u) << cell;
    EXPECT_EQ(parsed->rows[0]->ReactionTime(), expected) << cell;
  }
}

}  // namespace

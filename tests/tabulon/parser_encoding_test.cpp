// Character encodings, line ends and files that are not data files at all.
#include "tests/tabulon/parser_test_files.h"
#include "tests/support/scratchdir.h"
#include "tabulon/src/mucolumnnames.h"
#include <gtest/gtest.h>
#include <random>

using namespace parsertest;

namespace {

const char* const kContent = "P\nExp \xC3\xA9t\xC3\xA9\nD\nx\nBlock\tNote\nName\t\n\xE2\x82\xAC" "5\tna\xC3\xAFve\n";

std::string Utf16(const std::string& utf8, bool bigEndian) {
  const wxString text = wxString::FromUTF8(utf8.data(), utf8.size());
  std::string bytes = bigEndian ? std::string("\xFE\xFF") : std::string("\xFF\xFE");
  for (wxUniChar ch : text) {
    const unsigned code = ch.GetValue();
    const char high = static_cast<char>((code >> 8) & 0xFF), low = static_cast<char>(code & 0xFF);
    bytes += bigEndian ? std::string{high, low} : std::string{low, high};
  }
  return bytes;
}

void ExpectDecoded(const Parsed& parsed) {
  ASSERT_FALSE(parsed.parser->HasFailed());
  EXPECT_EQ(parsed.parser->GetExperimentName(), W("Exp \xC3\xA9t\xC3\xA9"));
  ASSERT_EQ(parsed.rows.size(), 1u);
  EXPECT_EQ(parsed.rows[0]->CellText("Block\nName"), W("\xE2\x82\xAC" "5"));
  EXPECT_EQ(parsed.rows[0]->CellText("Note"), W("na\xC3\xAFve"));
}

TEST(ParserEncoding, Utf8WithoutByteOrderMark) {
  testsupport::ScratchDir dir;
  ExpectDecoded(*ParseBytes(dir.File("u8.txt"), kContent));
}

TEST(ParserEncoding, Utf8WithByteOrderMark) {
  testsupport::ScratchDir dir;
  auto parsed = ParseBytes(dir.File("bom.txt"), std::string("\xEF\xBB\xBF") + kContent);
  ExpectDecoded(*parsed);
  EXPECT_EQ(parsed->rows[0]->CellText(MarkerKey_Participant), "P");
}

TEST(ParserEncoding, Utf16LittleEndianWithByteOrderMark) {
  testsupport::ScratchDir dir;
  ExpectDecoded(*ParseBytes(dir.File("le.txt"), Utf16(kContent, false)));
}

TEST(ParserEncoding, Utf16BigEndianWithByteOrderMark) {
  testsupport::ScratchDir dir;
  ExpectDecoded(*ParseBytes(dir.File("be.txt"), Utf16(kContent, true)));
}

TEST(ParserEncoding, InvalidUtf8FallsBackToEightBitCharacters) {
  testsupport::ScratchDir dir;
  // 0xE9 alone is not UTF-8; read as an 8-bit character set it stays one character.
  auto parsed = ParseBytes(dir.File("latin.txt"), "P\nCaf\xE9\nD\nx\nA\nB\ncaf\xE9\t\x85\n");
  ASSERT_FALSE(parsed->parser->HasFailed());
  EXPECT_EQ(parsed->parser->GetExperimentName().length(), 4u);
  ASSERT_EQ(parsed->rows.size(), 1u);
  EXPECT_EQ(parsed->rows[0]->CellText("A\nB").length(), 4u);
  // The second cell holds a character with code 0x85 in that reading, which is shown as its code.
  EXPECT_EQ(parsed->rows[0]->CellText("[Missing\nCol Name]"), "0x85");
}

struct LineEndCase {
  const char* name;
  const char* lineEnd;
};

class LineEnds : public ::testing::TestWithParam<LineEndCase> {};

TEST_P(LineEnds, AllEndALine) {
  testsupport::ScratchDir dir;
  const std::string end = GetParam().lineEnd;
  const std::string bytes = "P" + end + "E" + end + "D" + end + "x" + end + "A" + end + "B" + end + "1" + end + "2";
  auto parsed = ParseBytes(dir.File("le.txt"), bytes);
  ASSERT_FALSE(parsed->parser->HasFailed());
  ASSERT_EQ(parsed->rows.size(), 2u);
  EXPECT_EQ(parsed->parser->GetRunDateText(), "D");
  EXPECT_EQ(parsed->rows[0]->CellText("A\nB"), "1");
  EXPECT_EQ(parsed->rows[1]->CellText("A\nB"), "2");
}

INSTANTIATE_TEST_SUITE_P(Kinds, LineEnds,
                         ::testing::Values(LineEndCase{"CrLf", "\r\n"}, LineEndCase{"Lf", "\n"},
                                           LineEndCase{"Cr", "\r"}),
                         [](const ::testing::TestParamInfo<LineEndCase>& info) { return std::string(info.param.name); });

TEST(ParserEncoding, NulBytesAreKeptInCells) {
  testsupport::ScratchDir dir;
  auto parsed = ParseBytes(dir.File("nul.txt"), std::string("P\nE\nD\nx\nA\nB\na\0b\n", 16));
  ASSERT_FALSE(parsed->parser->HasFailed());
  ASSERT_EQ(parsed->rows.size(), 1u);
  EXPECT_EQ(parsed->rows[0]->CellText("A\nB").length(), 3u);
}

TEST(ParserEncoding, EmptyFileFailsOnTheExperimentName) {
  testsupport::ScratchDir dir;
  auto parsed = ParseBytes(dir.File("empty.txt"), "");
  EXPECT_TRUE(parsed->parser->HasFailed());
  ASSERT_EQ(parsed->sink.batches.size(), 1u);
  EXPECT_EQ(parsed->sink.batches[0][0].code, ParseReport_BadLayout);
}

TEST(ParserEncoding, RandomBytesNeverBreakTheParser) {
  testsupport::ScratchDir dir;
  std::mt19937 random(2024);
  const char favoured[] = {'\t', '\n', '\r', '\0', '\x1b', '#', 'A'};
  for (int round = 0; round < 60; ++round) {
    std::string bytes = "P\nE\nD\nx\n";
    const std::size_t length = random() % 4000;
    for (std::size_t i = 0; i < length; ++i) {
      bytes += random() % 3 == 0 ? favoured[random() % sizeof favoured] : static_cast<char>(random() % 256);
    }
    for (auto kind : {DataFileParser_TextWithHeader, DataFileParser_TextWithoutHeader}) {
      auto parsed = ParseBytes(dir.File("noise.txt"), bytes, kind);
      if (parsed->parser->HasFailed()) continue;
      for (const auto& row : parsed->rows) {
        ASSERT_NE(row, nullptr);
        for (const auto& column : parsed->columns) {
          if (row->HasCell(column->name)) (void)row->SortKey(column->name, 2);
        }
      }
    }
  }
}

TEST(ParserEncoding, OneHugeLineOfTabsStaysBounded) {
  testsupport::ScratchDir dir;
  std::string bytes = HeaderBlock("A", "B");
  bytes += std::string(1000000, '\t') + "x\n";
  auto parsed = ParseBytes(dir.File("tabs.txt"), bytes);
  ASSERT_FALSE(parsed->parser->HasFailed());
  ASSERT_EQ(parsed->rows.size(), 1u);
  EXPECT_EQ(parsed->rows[0]->CellText("A\nB"), "");
}

}  // namespace

// How the two heading rows become column names, flags and kinds.
#include "tests/tabulon/parser_test_files.h"
#include "tests/support/scratchdir.h"
#include "tabulon/src/mucolumnnames.h"
#include <gtest/gtest.h>

using namespace parsertest;

namespace {

struct HeadingCase {
  const char* name;
  const char* row5;
  const char* row6;
  std::vector<const char*> expectedNames;
};

class Headings : public ::testing::TestWithParam<HeadingCase> {};

TEST_P(Headings, GiveTheseColumnNames) {
  testsupport::ScratchDir dir;
  auto parsed = ParseBytes(dir.File("h.txt"), HeaderBlock(GetParam().row5, GetParam().row6) + "x\n");
  ASSERT_FALSE(parsed->parser->HasFailed());
  std::vector<wxString> expected;
  for (const char* name : GetParam().expectedNames) expected.push_back(W(name));
  EXPECT_EQ(ColumnNames(parsed->columns), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows5And6, Headings,
    ::testing::Values(
        HeadingCase{"TwoLineTitles", "Block\tTrial", "Name\tName", {"Block\nName", "Trial\nName"}},
        HeadingCase{"EmptySecondSegment", "Block\tKey", "Name\t", {"Block\nName", "Key"}},
        HeadingCase{"EmptyMiddleSegment", "Block\tKey\tTrial", "Name\t\tName", {"Block\nName", "Key", "Trial\nName"}},
        HeadingCase{"OnlyInSecondRow", "Block", "Name\tExtra", {"Block\nName", "Extra"}},
        HeadingCase{"SurroundingBlanksTrimmed", " Block ", "Name ", {"Block \nName"}},
        HeadingCase{"Duplicates", "Trial\tTrial\tTrial", "Name\tName\tName", {"Trial\nName", "Trial\nName#", "Trial\nName##"}},
        HeadingCase{"DuplicatesIgnoringCase", "Trial\ttrial", "Name\tname", {"Trial\nName", "trial\nname#"}},
        HeadingCase{"SuffixedNameInFile", "A\tA#\tA", "\t\t", {"A", "A#", "A##"}},
        HeadingCase{"GapInSuffixes", "A\tA##\tA", "\t\t", {"A", "A##", "A###"}},
        HeadingCase{"EmptyHeadingsAreDuplicatesToo", "\t\tC", "\t\t", {"", "#", "C"}},
        HeadingCase{"TrialVariable", "Font Color", "(Trial Variable)", {"Font Color\n(Trial Variable)"}}),
    [](const ::testing::TestParamInfo<HeadingCase>& info) { return std::string(info.param.name); });

TEST(ParserHeadings, NoHeadingsAtAllFail) {
  testsupport::ScratchDir dir;
  auto parsed = ParseBytes(dir.File("h.txt"), HeaderBlock("", "") + "1\n");
  EXPECT_TRUE(parsed->parser->HasFailed());
  ASSERT_EQ(parsed->sink.batches.size(), 1u);
  EXPECT_EQ(parsed->sink.batches[0][0].code, ParseReport_BadLayout);
  EXPECT_EQ(parsed->sink.batches[0][0].message,
            "This file does not appear to have any column headings.  There should be column titles populated from "
            "row 4 to row 5 of the file.");
}

TEST(ParserHeadings, ColumnOnlyInSecondRowIsFlaggedAndNeverStandard) {
  testsupport::ScratchDir dir;
  // "Key" alone in row 6 still is not the standard column "Key": its kind is decided on "\t\nKey".
  auto parsed = ParseBytes(dir.File("h.txt"), HeaderBlock("Block", "Name\tKey") + "b\tk\n");
  ASSERT_EQ(parsed->columns.size(), 2u);
  EXPECT_EQ(parsed->columns[1]->name, "Key");
  EXPECT_EQ(parsed->columns[1]->flags, static_cast<std::uint32_t>(ColumnFlag_FirstSegmentAbsent));
  EXPECT_EQ(parsed->columns[1]->kind, static_cast<std::uint32_t>(ColumnKind_Text));
  EXPECT_EQ(parsed->columns[0]->flags, 0u);
  EXPECT_EQ(parsed->rows[0]->CellText("Key"), "k");
}

TEST(ParserHeadings, TrialVariableOnlyInSecondRowGetsBothFlags) {
  testsupport::ScratchDir dir;
  auto parsed = ParseBytes(dir.File("h.txt"), HeaderBlock("A", "B\t(Trial Variable)") + "1\n");
  ASSERT_EQ(parsed->columns.size(), 2u);
  EXPECT_EQ(parsed->columns[1]->name, "(Trial Variable)");
  EXPECT_EQ(parsed->columns[1]->flags,
            static_cast<std::uint32_t>(ColumnFlag_TrialVariable | ColumnFlag_FirstSegmentAbsent));
}

struct KindCase {
  const char* row5;
  const char* row6;
  std::uint32_t kind;
};

class Kinds : public ::testing::TestWithParam<KindCase> {};

TEST_P(Kinds, FollowTheUntrimmedName) {
  testsupport::ScratchDir dir;
  auto parsed = ParseBytes(dir.File("k.txt"), HeaderBlock(GetParam().row5, GetParam().row6) + "1\n");
  ASSERT_EQ(parsed->columns.size(), 1u);
  EXPECT_EQ(parsed->columns[0]->kind, GetParam().kind);
}

INSTANTIATE_TEST_SUITE_P(
    StandardAndMarkerNames, Kinds,
    ::testing::Values(KindCase{"Reaction", "Time", ColumnKind_Numeric}, KindCase{"Block", "Name", ColumnKind_Text},
                      KindCase{"ISI Durations", "(Trial Variable)", ColumnKind_Numeric},
                      KindCase{"Screen Location II", "(Trial Variable)", ColumnKind_Numeric},
                      KindCase{"reaction", "time", ColumnKind_Text}, KindCase{"Reaction ", "Time", ColumnKind_Text},
                      KindCase{"EXPDT_EXPDT_EXPDT_", "", ColumnKind_DateTime},
                      KindCase{"SFSFSF1", "", ColumnKind_Text}, KindCase{"FFFFF1", "", ColumnKind_Text},
                      KindCase{"Whatever", "Else", ColumnKind_Text}));

TEST(ParserHeadings, KnownKindsOfNames) {
  EXPECT_EQ(KnownColumnKind(MarkerKey_RunDate), static_cast<std::uint32_t>(ColumnKind_DateTime));
  EXPECT_EQ(KnownColumnKind(MarkerKey_FileName), static_cast<std::uint32_t>(ColumnKind_Text));
  EXPECT_EQ(KnownColumnKind(MarkerKey_ExperimentName), static_cast<std::uint32_t>(ColumnKind_Text));
  EXPECT_EQ(KnownColumnKind(MarkerKey_FullPath), static_cast<std::uint32_t>(ColumnKind_Unset));
  EXPECT_EQ(KnownColumnKind("Reaction\nTime"), static_cast<std::uint32_t>(ColumnKind_Numeric));
  EXPECT_EQ(KnownColumnKind("Key"), static_cast<std::uint32_t>(ColumnKind_Text));
}

TEST(ParserHeadings, StandardColumnNamesByIndex) {
  EXPECT_EQ(StandardColumnName(0), "Block\nName");
  EXPECT_EQ(StandardColumnName(1), "Trial\nName");
  EXPECT_EQ(StandardColumnName(2), "Error\nCode");
  EXPECT_EQ(StandardColumnName(3), "Reaction\nTime");
  EXPECT_EQ(StandardColumnName(4), "");
  EXPECT_EQ(StandardColumnName(-1), "");
}

TEST(ParserHeadings, StandardListHasFifteenNamesAndTheTerminator) {
  int count = 0;
  const wxString terminator(NameListTerminator);
  const StandardColumn* column = StandardColumns();
  for (; terminator != column->name; ++column) ++count;
  EXPECT_EQ(count, 15);
  EXPECT_EQ(terminator, "<codeval>END_OF_LISTING</codeval>");
}

TEST(ParserHeadings, TenThousandColumnsParse) {
  testsupport::ScratchDir dir;
  std::string row5, row6, data;
  for (int i = 0; i < 10000; ++i) {
    row5 += (i ? "\tC" : "C") + std::to_string(i);
    row6 += (i ? "\tv" : "v");
    data += (i ? "\t" : "") + std::to_string(i * 7);
  }
  auto parsed = ParseBytes(dir.File("wide.txt"), HeaderBlock(row5, row6) + data + "\n" + data + "\n");
  ASSERT_FALSE(parsed->parser->HasFailed());
  ASSERT_EQ(parsed->columns.size(), 10000u);
  EXPECT_EQ(parsed->columns[9999]->name, "C9999\nv");
  EXPECT_EQ(parsed->rows[1]->CellText("C9999\nv"), "69993");
}

TEST(ParserHeadings, ThousandsOfEqualHeadingsStayBounded) {
  testsupport::ScratchDir dir;
  std::string row5;
  for (int i = 0; i < 200000; ++i) row5 += "\tA";
  auto parsed = ParseBytes(dir.File("dup.txt"), HeaderBlock(row5, "") + "1\n");
  // Their '#'-suffixed names would need billions of characters: the file is refused instead.
  EXPECT_TRUE(parsed->parser->HasFailed());
  ASSERT_EQ(parsed->sink.batches.size(), 1u);
  EXPECT_EQ(parsed->sink.batches[0][0].code, ParseReport_BadLayout);
  EXPECT_EQ(parsed->sink.batches[0][0].message, "This file has more columns than can be read.");
}

}  // namespace

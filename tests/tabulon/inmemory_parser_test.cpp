// The parser that reads a data file from a file object the caller opened.
#include "tabulon/src/columnnames.h"
#include "tabulon/src/muconcreteinmemorydatafile.h"
#include "tests/support/scratchdir.h"
#include "tests/tabulon/tabulon_test_files.h"
#include <gtest/gtest.h>
#include <wx/file.h>

using namespace tabulon;

using namespace tabtest;

namespace {

struct InMemory {
  std::unique_ptr<MUInterfaceExperimentDataFileInputReader> parser;
  CollectingSink sink;
  wxFileOffset positionAfter = 0;
};

std::unique_ptr<InMemory> ParseInMemory(const std::string& path, const std::string& bytes, wxFileOffset start = 0) {
  testsupport::WriteFile(path, bytes);
  auto result = std::make_unique<InMemory>();
  wxFile file(W(path));
  file.Seek(start);
  result->parser = CreateDataFileParser(W(path), DataFileParser_InMemoryWithHeader, &result->sink, &file);
  result->positionAfter = file.Tell();
  return result;
}

std::string WithLineEnds(const std::string& lf, const std::string& end) {
  std::string text;
  for (char c : lf) text += c == '\n' ? end : std::string(1, c);
  return text;
}

TEST(InMemoryParser, ReadsTheLayoutWhateverTheLineEndsOrEncoding) {
  const std::string lf =
      HeaderBlock("Block\tTrial \tColor", "Name \tName\t(Trial Variable)\tOnly6") + "b1\tt1\n\xC3\xA9\tt2\t\tx\t\x01\n";
  const std::string variants[] = {lf, WithLineEnds(lf, "\r\n"), Utf16(lf, false)};
  for (const std::string& bytes : variants) {
    testsupport::ScratchDir dir;
    auto parsed = ParseInMemory(dir.File("m.txt"), bytes, 13);
    ASSERT_FALSE(parsed->parser->HasFailed());
    EXPECT_EQ(parsed->positionAfter, 13);
    EXPECT_EQ(parsed->parser->GetExperimentName(), "My Experiment");
    EXPECT_EQ(parsed->parser->GetRunDateText(), "2012-03-09 10:11:12");
    ASSERT_EQ(parsed->parser->GetDataRowCount(), 2u);
    auto first = parsed->parser->ReadNextRow(true);
    auto second = parsed->parser->ReadNextRow(true);
    EXPECT_EQ(first->CellText("Trial\nName"), "t1");
    EXPECT_EQ(second->CellText("Block\nName"), W("\xC3\xA9"));
    EXPECT_EQ(second->CellText("[Missing\nCol Name]"), "^A");
    EXPECT_EQ(second->CellText(MarkerKey_FileName), "m.txt");
    EXPECT_EQ(second->CellText(MarkerKey_Participant), "P-17");
    // Heading segments lose trailing blanks; this parser sets neither flags nor kinds.
    auto columns = parsed->parser->ReleaseColumnProperties();
    EXPECT_EQ(ColumnNames(columns),
              WxList({"Block\nName", "Trial\nName", "Color\n(Trial Variable)", "Only6", "[Missing\nCol Name]"}));
    for (const auto& column : columns) EXPECT_EQ(column->flags + column->kind, 0u) << column->name;
    ASSERT_EQ(parsed->sink.batches.size(), 1u);
    EXPECT_EQ(parsed->sink.batches[0][0].code, ParseReport_Success);
    EXPECT_EQ(parsed->sink.batches[0][0].message, "Success");
  }
}

struct ShortCase {
  const char* bytes;
  const char* message;
};

class InMemoryFailures : public ::testing::TestWithParam<ShortCase> {};

TEST_P(InMemoryFailures, ReportTheShortMessage) {
  testsupport::ScratchDir dir;
  auto parsed = ParseInMemory(dir.File("s.txt"), GetParam().bytes);
  EXPECT_TRUE(parsed->parser->HasFailed());
  ASSERT_EQ(parsed->sink.batches.size(), 1u);
  ASSERT_EQ(parsed->sink.batches[0].size(), 1u);
  EXPECT_EQ(parsed->sink.batches[0][0].code, ParseReport_BadLayout);
  EXPECT_EQ(parsed->sink.batches[0][0].message, GetParam().message);
  EXPECT_EQ(parsed->sink.batches[0][0].filePath, W(dir.File("s.txt")));
}

INSTANTIATE_TEST_SUITE_P(Messages, InMemoryFailures,
                         ::testing::Values(ShortCase{"P\n", "missing exp name"}, ShortCase{"P\nE\n", "missing date"},
                                           ShortCase{"P\nE\nD\n", "file too short"},
                                           ShortCase{"P\nE\nD\nx\nA\nB\n", "file too short"},
                                           ShortCase{"P\nE\nD\nx\n\n\n1\n", "no column names"}));

TEST(InMemoryParser, ClosedFileLogsAndFails) {
  testsupport::ScratchDir dir;
  wxFile closed;
  CollectingSink sink;
  CollectingLog log;
  MUConcreteInMemoryDataFile parser(closed, W(dir.File("c.txt")), true, &sink);
  EXPECT_TRUE(parser.HasFailed());
  ASSERT_EQ(log.texts.size(), 2u);
  EXPECT_NE(log.texts[0].Find("Seek failed"), wxNOT_FOUND);
  EXPECT_EQ(log.functions[0], "MUConcreteInMemoryDataFile::MUConcreteInMemoryDataFile");
  EXPECT_NE(log.texts[1].Find("Failed to slurp into string."), wxNOT_FOUND);
  EXPECT_EQ(log.functions[1], "`anonymous-namespace'::PopulateLinesCollection");
  ASSERT_EQ(sink.batches.size(), 1u);
  EXPECT_EQ(sink.batches[0][0].message, "missing exp name");
}

}  // namespace

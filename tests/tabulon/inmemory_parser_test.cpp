// The parser that reads a data file from a file object the caller opened.
#include "tests/tabulon/parser_test_files.h"
#include "tests/support/scratchdir.h"
#include "tabulon/src/mucolumnnames.h"
#include "tabulon/src/muconcreteinmemorydatafile.h"
#include <gtest/gtest.h>
#include <wx/file.h>
#include <wx/log.h>

using namespace parsertest;

namespace {

class CollectingLog : public wxLog {
 public:
  std::vector<wxString> texts;
  std::vector<wxString> functions;

 protected:
  void DoLogRecord(wxLogLevel level, const wxString& msg, const wxLogRecordInfo& info) override {
    functions.push_back(info.func ? wxString(info.func) : wxString());
    wxLog::DoLogRecord(level, msg, info);
  }
  void DoLogText(const wxString& msg) override { texts.push_back(msg); }
};

struct InMemory {
  std::unique_ptr<MUInterfaceExperimentDataFileInputReader> parser;
  CollectingSink sink;
  wxFileOffset positionAfter = 0;
};

std::unique_ptr<InMemory> ParseInMemory(const std::string& path, const std::string& bytes, wxFileOffset start = 0) {
  testsupport::WriteFile(path, bytes);
  auto result = std::make_unique<InMemory>();
  wxFile file(W(path.c_str()));
  file.Seek(start);
  result->parser = CreateDataFileParser(W(path.c_str()), DataFileParser_InMemoryWithHeader, &result->sink, &file);
  result->positionAfter = file.Tell();
  return result;
}

std::vector<wxString> Cells(MUInterfaceExperimentDataFileInputReader& parser, const wxString& column) {
  std::vector<wxString> cells;
  parser.SetNextRowIndex(0);
  while (auto row = parser.ReadNextRow(true)) cells.push_back(row->CellText(column));
  return cells;
}

TEST(InMemoryParser, ReadsHeaderColumnsAndRows) {
  testsupport::ScratchDir dir;
  auto parsed = ParseInMemory(dir.File("m.txt"), HeaderBlock("Block\tTrial ", "Name \tName") + "b1\tt1\nb2\tt2\n");
  ASSERT_FALSE(parsed->parser->HasFailed());
  EXPECT_EQ(parsed->parser->GetExperimentName(), "My Experiment");
  EXPECT_EQ(parsed->parser->GetRunDateText(), "2012-03-09 10:11:12");
  EXPECT_EQ(parsed->parser->GetDataRowCount(), 2u);
  const std::vector<wxString> trials = {"t1", "t2"};
  EXPECT_EQ(Cells(*parsed->parser, "Trial\nName"), trials);
  auto columns = parsed->parser->ReleaseColumnProperties();
  // Heading segments lose trailing blanks; columns keep flags and kind 0.
  EXPECT_EQ(ColumnNames(columns), (std::vector<wxString>{"Block\nName", "Trial\nName"}));
  EXPECT_EQ(columns[0]->kind, 0u);
  ASSERT_EQ(parsed->sink.batches.size(), 1u);
  EXPECT_EQ(parsed->sink.batches[0][0].code, ParseReport_Success);
  EXPECT_EQ(parsed->sink.batches[0][0].message, "Success");
}

TEST(InMemoryParser, SetsNoFlagsOrKinds) {
  testsupport::ScratchDir dir;
  auto parsed = ParseInMemory(dir.File("m.txt"), HeaderBlock("Reaction\tColor", "Time\t(Trial Variable)\tOnly6") + "1\n");
  auto columns = parsed->parser->ReleaseColumnProperties();
  ASSERT_EQ(columns.size(), 3u);
  for (const auto& column : columns) {
    EXPECT_EQ(column->flags, 0u);
    EXPECT_EQ(column->kind, 0u);
  }
  EXPECT_EQ(columns[2]->name, "Only6");
}

TEST(InMemoryParser, CrLfAndLfGiveTheSameLines) {
  testsupport::ScratchDir dir;
  const std::string lf = HeaderBlock("A\tB", "a\tb") + "1\t2\n3\t4\n";
  std::string crlf;
  for (char c : lf) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  auto fromLf = ParseInMemory(dir.File("lf.txt"), lf);
  auto fromCrLf = ParseInMemory(dir.File("crlf.txt"), crlf);
  ASSERT_FALSE(fromCrLf->parser->HasFailed());
  EXPECT_EQ(fromLf->parser->GetDataRowCount(), 2u);
  EXPECT_EQ(fromCrLf->parser->GetDataRowCount(), 2u);
  EXPECT_EQ(Cells(*fromLf->parser, "B\nb"), Cells(*fromCrLf->parser, "B\nb"));
  EXPECT_EQ(Cells(*fromCrLf->parser, "B\nb"), (std::vector<wxString>{"2", "4"}));
}

TEST(InMemoryParser, SplitIntoLines) {
  EXPECT_EQ(SplitIntoLines("a\nb\n"), (std::vector<wxString>{"a", "b"}));
  EXPECT_EQ(SplitIntoLines("a\nb"), (std::vector<wxString>{"a", "b"}));
  EXPECT_EQ(SplitIntoLines("a\n\nb"), (std::vector<wxString>{"a", "", "b"}));
  EXPECT_EQ(SplitIntoLines("a\r\nb\nc\r\n"), (std::vector<wxString>{"a", "b\nc"}));
  EXPECT_EQ(SplitIntoLines("a\rb"), (std::vector<wxString>{"a\rb"}));
  EXPECT_TRUE(SplitIntoLines("").empty());
}

struct ShortCase {
  const char* bytes;
  const char* message;
};

class InMemoryShortFiles : public ::testing::TestWithParam<ShortCase> {};

TEST_P(InMemoryShortFiles, ReportTheShortMessage) {
  testsupport::ScratchDir dir;
  auto parsed = ParseInMemory(dir.File("s.txt"), GetParam().bytes);
  EXPECT_TRUE(parsed->parser->HasFailed());
  ASSERT_EQ(parsed->sink.batches.size(), 1u);
  ASSERT_EQ(parsed->sink.batches[0].size(), 1u);
  EXPECT_EQ(parsed->sink.batches[0][0].code, ParseReport_BadLayout);
  EXPECT_EQ(parsed->sink.batches[0][0].message, GetParam().message);
  EXPECT_EQ(parsed->sink.batches[0][0].filePath, W(dir.File("s.txt").c_str()));
}

INSTANTIATE_TEST_SUITE_P(Messages, InMemoryShortFiles,
                         ::testing::Values(ShortCase{"P\n", "missing exp name"}, ShortCase{"P\nE\n", "missing date"},
                                           ShortCase{"P\nE\nD\n", "file too short"},
                                           ShortCase{"P\nE\nD\nx\nA\nB\n", "file too short"},
                                           ShortCase{"P\nE\nD\nx\n\n\n1\n", "no column names"}));

TEST(InMemoryParser, FilePositionIsRestored) {
  testsupport::ScratchDir dir;
  auto parsed = ParseInMemory(dir.File("p.txt"), HeaderBlock("A", "B") + "1\n", 13);
  ASSERT_FALSE(parsed->parser->HasFailed());
  EXPECT_EQ(parsed->positionAfter, 13);
  EXPECT_EQ(parsed->parser->GetDataRowCount(), 1u);
}

TEST(InMemoryParser, ClosedFileLogsAndFails) {
  testsupport::ScratchDir dir;
  CollectingLog log;
  wxLog* before = wxLog::SetActiveTarget(&log);
  wxFile closed;
  CollectingSink sink;
  MUConcreteInMemoryDataFile parser(closed, W(dir.File("c.txt").c_str()), true, &sink);
  wxLog::SetActiveTarget(before);
  EXPECT_TRUE(parser.HasFailed());
  ASSERT_EQ(log.texts.size(), 2u);
  EXPECT_NE(log.texts[0].Find("Seek failed"), wxNOT_FOUND);
  EXPECT_EQ(log.functions[0], "MUConcreteInMemoryDataFile::MUConcreteInMemoryDataFile");
  EXPECT_NE(log.texts[1].Find("Failed to slurp into string."), wxNOT_FOUND);
  EXPECT_EQ(log.functions[1], "`anonymous-namespace'::PopulateLinesCollection");
  ASSERT_EQ(sink.batches.size(), 1u);
  EXPECT_EQ(sink.batches[0][0].message, "missing exp name");
}

TEST(InMemoryParser, MarkersAndMissingColumnsAsInTheTextParser) {
  testsupport::ScratchDir dir;
  auto parsed = ParseInMemory(dir.File("mk.txt"), HeaderBlock("A", "B") + "1\t\x01\n");
  ASSERT_FALSE(parsed->parser->HasFailed());
  auto row = parsed->parser->ReadNextRow(true);
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(row->CellText(MarkerKey_FileName), "mk.txt");
  EXPECT_EQ(row->CellText(MarkerKey_Participant), "P-17");
  EXPECT_EQ(row->CellText("[Missing\nCol Name]"), "^A");
}

TEST(InMemoryParser, Utf16FileIsDecoded) {
  testsupport::ScratchDir dir;
  const std::string utf8 = HeaderBlock("A", "B") + "\xC3\xA9\n";
  std::string bytes = "\xFF\xFE";
  const std::wstring text = W(utf8.c_str()).ToStdWstring();
  for (wchar_t c : text) {
    bytes += static_cast<char>(c & 0xFF);
    bytes += static_cast<char>((c >> 8) & 0xFF);
  }
  auto parsed = ParseInMemory(dir.File("u16.txt"), bytes);
  ASSERT_FALSE(parsed->parser->HasFailed());
  EXPECT_EQ(Cells(*parsed->parser, "A\nB"), (std::vector<wxString>{W("\xC3\xA9")}));
}

}  // namespace

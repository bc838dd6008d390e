// Header lines, size limit, open failures and the reports a text parser gives.
#include "tests/tabulon/parser_test_files.h"
#include "tests/support/scratchdir.h"
#include "tabulon/src/mucolumnnames.h"
#include <gtest/gtest.h>
#include <wx/log.h>

using namespace parsertest;

namespace {

const char* const kTooShort =
    "This file does not appear long enough to be a valid datafile.  There should be 6 lines of header information "
    "followed by one or more rows of data.";

struct ShortFileCase {
  const char* bytes;
  const char* message;
};

class ShortFiles : public ::testing::TestWithParam<ShortFileCase> {};

TEST_P(ShortFiles, FailWithTheMessageNamingTheMissingPart) {
  testsupport::ScratchDir dir;
  auto parsed = ParseBytes(dir.File("short.txt"), GetParam().bytes);
  EXPECT_TRUE(parsed->parser->HasFailed());
  ASSERT_EQ(parsed->sink.batches.size(), 1u);
  ASSERT_EQ(parsed->sink.batches[0].size(), 1u);
  const ParseReport& report = parsed->sink.batches[0][0];
  EXPECT_EQ(report.code, ParseReport_BadLayout);
  EXPECT_EQ(report.message, W(GetParam().message));
  EXPECT_EQ(report.filePath, W(dir.File("short.txt").c_str()));
  EXPECT_EQ(parsed->parser->ReadNextRow(true), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    OneToSixLines, ShortFiles,
    ::testing::Values(
        ShortFileCase{"P1\n",
                      "Input file is missing an experiment name.  The second line of the file should contain the title "
                      "of the experiment."},
        ShortFileCase{"P1\nExp\n",
                      "Input file is missing information about the time the experiment was run.  The third line of "
                      "the file should contain this information."},
        ShortFileCase{"P1\nExp\nDate\n", kTooShort}, ShortFileCase{"P1\nExp\nDate\nx\n", kTooShort},
        ShortFileCase{"P1\nExp\nDate\nx\nBlock\n", kTooShort},
        ShortFileCase{"P1\nExp\nDate\nx\nBlock\nName\n", kTooShort}));

TEST(ParserLayout, HeaderValuesAreTrimmedExceptTheRunDate) {
  testsupport::ScratchDir dir;
  auto parsed = ParseBytes(dir.File("h.txt"), "  P-17 \n\t My Experiment  \n  2012-03-09 \nx\nA\nB\n1\n");
  ASSERT_FALSE(parsed->parser->HasFailed());
  EXPECT_EQ(parsed->parser->GetExperimentName(), "My Experiment");
  EXPECT_EQ(parsed->parser->GetRunDateText(), "  2012-03-09 ");
  ASSERT_EQ(parsed->rows.size(), 1u);
  EXPECT_EQ(parsed->rows[0]->CellText(MarkerKey_Participant), "P-17");
  EXPECT_EQ(parsed->rows[0]->CellText(MarkerKey_ExperimentName), "My Experiment");
  EXPECT_EQ(parsed->rows[0]->CellText(MarkerKey_RunDate), "  2012-03-09 ");
}

TEST(ParserLayout, EveryRowCarriesTheFileMarkers) {
  testsupport::ScratchDir dir;
  const std::string path = dir.File("run one.txt");
  auto parsed = ParseBytes(path, HeaderBlock("A", "B") + "1\n2\n");
  ASSERT_EQ(parsed->rows.size(), 2u);
  for (const auto& row : parsed->rows) {
    EXPECT_EQ(row->CellText(MarkerKey_FullPath), W(path.c_str()));
    EXPECT_EQ(row->CellText(MarkerKey_FileName), "run one.txt");
    EXPECT_EQ(row->CellText(MarkerKey_Participant), "P-17");
    EXPECT_TRUE(row->HasCell(MarkerKey_RunDate));
  }
}

TEST(ParserLayout, SuccessIsReportedOnceWithThePath) {
  testsupport::ScratchDir dir;
  auto parsed = ParseBytes(dir.File("ok.txt"), HeaderBlock("A", "B") + "1\n");
  ASSERT_EQ(parsed->sink.batches.size(), 1u);
  ASSERT_EQ(parsed->sink.batches[0].size(), 1u);
  EXPECT_EQ(parsed->sink.batches[0][0].code, ParseReport_Success);
  EXPECT_EQ(parsed->sink.batches[0][0].message, "Success");
  EXPECT_EQ(parsed->sink.batches[0][0].filePath, W(dir.File("ok.txt").c_str()));
}

TEST(ParserLayout, RowCountIsLinesAfterTheSixHeaderLines) {
  testsupport::ScratchDir dir;
  auto parsed = ParseBytes(dir.File("n.txt"), HeaderBlock("A", "B") + "1\n2\n3\n");
  EXPECT_EQ(parsed->parser->GetDataRowCount(), 3u);
  ASSERT_EQ(parsed->rows.size(), 3u);
  EXPECT_EQ(parsed->rows[2]->CellText("A\nB"), "3");
  EXPECT_EQ(parsed->parser->ReadNextRow(true), nullptr);
}

TEST(ParserLayout, ReadNextRowAdvancesOnlyWhenAsked) {
  testsupport::ScratchDir dir;
  testsupport::WriteFile(dir.File("n.txt"), HeaderBlock("A", "B") + "1\n2\n");
  auto parser = CreateDataFileParser(W(dir.File("n.txt").c_str()), DataFileParser_TextWithHeader, nullptr);
  EXPECT_EQ(parser->ReadNextRow(false)->CellText("A\nB"), "1");
  EXPECT_EQ(parser->ReadNextRow(true)->CellText("A\nB"), "1");
  EXPECT_EQ(parser->ReadNextRow(true)->CellText("A\nB"), "2");
  EXPECT_EQ(parser->ReadNextRow(true), nullptr);
  EXPECT_EQ(parser->SetNextRowIndex(1), 1u);
  EXPECT_EQ(parser->ReadNextRow(true)->CellText("A\nB"), "2");
  EXPECT_EQ(parser->SetNextRowIndex(7), 7u);
  EXPECT_EQ(parser->ReadNextRow(true), nullptr);
}

TEST(ParserLayout, ReleasedPropertiesBelongToTheCaller) {
  testsupport::ScratchDir dir;
  testsupport::WriteFile(dir.File("n.txt"), HeaderBlock("A\tB", "x\ty") + "1\t2\n");
  ColumnPropertyQueue columns;
  {
    auto parser = CreateDataFileParser(W(dir.File("n.txt").c_str()), DataFileParser_TextWithHeader, nullptr);
    columns = parser->ReleaseColumnProperties();
    EXPECT_TRUE(parser->ReleaseColumnProperties().empty());
  }
  ASSERT_EQ(columns.size(), 2u);
  EXPECT_EQ(columns[1]->name, "B\ny");
  ASSERT_EQ(columns[1]->sourceFiles.size(), 1u);
  EXPECT_EQ(columns[1]->sourceFiles[0].first, W(dir.File("n.txt").c_str()));
  EXPECT_EQ(columns[1]->sourceFiles[0].second, 0);
}

std::string FileOfSize(std::size_t size) {
  std::string bytes = HeaderBlock("A", "B");
  while (bytes.size() + 2 <= size) bytes += "1\n";
  if (bytes.size() < size) bytes += "1";
  return bytes;
}

TEST(ParserLayout, ExactlyOneMebibyteIsAccepted) {
  testsupport::ScratchDir dir;
  const std::string bytes = FileOfSize(1048576);
  ASSERT_EQ(bytes.size(), 1048576u);
  auto parsed = ParseBytes(dir.File("big.txt"), bytes);
  EXPECT_FALSE(parsed->parser->HasFailed());
  EXPECT_GT(parsed->rows.size(), 500000u);
}

TEST(ParserLayout, OneByteMoreIsRefusedWithItsSize) {
  testsupport::ScratchDir dir;
  const std::string bytes = FileOfSize(1048577);
  ASSERT_EQ(bytes.size(), 1048577u);
  auto parsed = ParseBytes(dir.File("big.txt"), bytes);
  EXPECT_TRUE(parsed->parser->HasFailed());
  ASSERT_EQ(parsed->sink.batches.size(), 1u);
  ASSERT_EQ(parsed->sink.batches[0].size(), 1u);
  EXPECT_EQ(parsed->sink.batches[0][0].code, ParseReport_FileTooLarge);
  EXPECT_EQ(parsed->sink.batches[0][0].message,
            "File too large.  This file is 1048577 bytes in size.  Tabulon cannot support opening such large files.  "
            "You may wish to split the file into multiple smaller files and try again.");
}

// A log target standing in for the host's, to see whether anything reaches it.
class CountingLog : public wxLog {
 public:
  int count = 0;

 protected:
  void DoLogText(const wxString&) override { ++count; }
};

TEST(ParserLayout, MissingFileReportsWhatTheToolkitLoggedAndNothingReachesTheLog) {
  testsupport::ScratchDir dir;
  CountingLog hostLog;
  wxLog* before = wxLog::SetActiveTarget(&hostLog);
  CollectingSink sink;
  auto parser = CreateDataFileParser(W(dir.File("absent.txt").c_str()), DataFileParser_TextWithHeader, &sink);
  wxLog::FlushActive();
  EXPECT_EQ(wxLog::GetActiveTarget(), &hostLog);
  wxLog::SetActiveTarget(before);

  EXPECT_TRUE(parser->HasFailed());
  EXPECT_EQ(hostLog.count, 0);
  ASSERT_EQ(sink.batches.size(), 1u);
  ASSERT_FALSE(sink.batches[0].empty());
  for (const ParseReport& report : sink.batches[0]) {
    EXPECT_EQ(report.code, ParseReport_OpenFailed);
    EXPECT_EQ(report.filePath, W(dir.File("absent.txt").c_str()));
  }
  EXPECT_NE(sink.batches[0][0].message.Find("absent.txt"), wxNOT_FOUND);
  EXPECT_TRUE(sink.batches[0][0].message.StartsWith("can't open file")) << "the bare message, without time or level";
}

TEST(ParserLayout, DirectoryFailsToOpen) {
  testsupport::ScratchDir dir;
  CountingLog hostLog;
  wxLog* before = wxLog::SetActiveTarget(&hostLog);
  CollectingSink sink;
  auto parser = CreateDataFileParser(W(dir.Path().c_str()), DataFileParser_TextWithHeader, &sink);
  wxLog::SetActiveTarget(before);
  EXPECT_TRUE(parser->HasFailed());
  EXPECT_EQ(hostLog.count, 0);
  ASSERT_EQ(sink.batches.size(), 1u);
  EXPECT_EQ(sink.batches[0][0].code, ParseReport_OpenFailed);
  EXPECT_NE(sink.batches[0][0].message.Find("not a regular file"), wxNOT_FOUND);
}

TEST(ParserLayout, DeviceIsNotReadForever) {
  CollectingSink sink;
  auto parser = CreateDataFileParser("/dev/zero", DataFileParser_TextWithHeader, &sink);
  EXPECT_TRUE(parser->HasFailed());
  ASSERT_EQ(sink.batches.size(), 1u);
  EXPECT_EQ(sink.batches[0][0].code, ParseReport_OpenFailed);
}

TEST(ParserLayout, WithoutSinkOnlyTheFlagTells) {
  testsupport::ScratchDir dir;
  auto parser = CreateDataFileParser(W(dir.File("absent.txt").c_str()), DataFileParser_TextWithHeader, nullptr);
  ASSERT_NE(parser, nullptr);
  EXPECT_TRUE(parser->HasFailed());
  EXPECT_EQ(parser->GetDataRowCount(), 0u);
  EXPECT_EQ(parser->ReadNextRow(true), nullptr);
  EXPECT_TRUE(parser->ReleaseColumnProperties().empty());
}

TEST(ParserLayout, WithoutHeaderEveryLineIsARowUnderTheStandardColumns) {
  testsupport::ScratchDir dir;
  auto parsed = ParseBytes(dir.File("raw.txt"), "g1\tann\tB1\tT1\n", DataFileParser_TextWithoutHeader);
  ASSERT_FALSE(parsed->parser->HasFailed());
  EXPECT_EQ(parsed->parser->GetExperimentName(), "");
  EXPECT_EQ(parsed->parser->GetRunDateText(), "");
  ASSERT_EQ(parsed->columns.size(), 15u);
  EXPECT_EQ(parsed->columns[0]->name, "Participant\nGroup");
  EXPECT_EQ(parsed->columns[9]->name, "Reaction\nTime");
  EXPECT_EQ(parsed->columns[9]->kind, static_cast<std::uint32_t>(ColumnKind_Numeric));
  EXPECT_EQ(parsed->columns[14]->name, "Screen Location II\n(Trial Variable)");
  EXPECT_EQ(parsed->columns[14]->flags, static_cast<std::uint32_t>(ColumnFlag_TrialVariable));
  EXPECT_EQ(parsed->columns[6]->flags, 0u);
  ASSERT_EQ(parsed->rows.size(), 1u);
  EXPECT_EQ(parsed->rows[0]->CellText("Block\nName"), "B1");
  EXPECT_EQ(parsed->rows[0]->CellText(MarkerKey_Participant), "");
  EXPECT_EQ(parsed->rows[0]->CellText(MarkerKey_FileName), "raw.txt");
}

TEST(ParserLayout, KindTwoParsesWithHeaderLikeKindZero) {
  testsupport::ScratchDir dir;
  auto parsed = ParseBytes(dir.File("k2.txt"), HeaderBlock("A", "B") + "1\n", DataFileParser_TextWithHeaderToo);
  ASSERT_FALSE(parsed->parser->HasFailed());
  EXPECT_EQ(parsed->parser->GetExperimentName(), "My Experiment");
  EXPECT_EQ(parsed->rows.size(), 1u);
}

}  // namespace

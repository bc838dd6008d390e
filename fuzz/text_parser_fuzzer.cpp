// The text parser over any bytes written as a data file: with header (kinds 0 and 2) and without (kind 1).
#include "fuzzsupport.h"
#include "hostkit/parsereporttally.h"
#include "tabulon/muinterfaceexperimentdatafileinputreader.h"
#include "tabulon/rowrecord.h"
#include <memory>
#include <vector>

using tabulon::ColumnPropertyQueue;
using tabulon::CreateDataFileParser;
using tabulon::DataFileParser_TextWithHeader;
using tabulon::DataFileParser_TextWithHeaderToo;
using tabulon::DataFileParser_TextWithoutHeader;
using tabulon::DataFileParserKind;
using tabulon::RowRecord;

namespace {

void Exercise(const wxString& path, DataFileParserKind kind, bool releaseFirst) {
  hostkit::ParseReportTally sink;
  std::unique_ptr<MUInterfaceExperimentDataFileInputReader> parser = CreateDataFileParser(path, kind, &sink);
  FUZZ_CHECK(parser != nullptr);
  FUZZ_CHECK(sink.AgreesWith(parser->HasFailed()));
  (void)parser->GetExperimentName();
  (void)parser->GetRunDateText();

  ColumnPropertyQueue columns;
  if (releaseFirst) columns = parser->ReleaseColumnProperties();

  const unsigned rowCount = parser->GetDataRowCount();
  parser->SetNextRowIndex(0);
  unsigned read = 0;
  for (;;) {
    // Looking without advancing must give the same row as reading it.
    std::unique_ptr<RowRecord> peeked = parser->ReadNextRow(false);
    std::unique_ptr<RowRecord> row = parser->ReadNextRow(true);
    FUZZ_CHECK((peeked == nullptr) == (row == nullptr));
    if (!row) break;
    ++read;
    FUZZ_CHECK(read <= rowCount);
    if (!columns.empty()) {
      const wxString& name = columns[read % columns.size()]->name;
      FUZZ_CHECK(peeked->CellText(name) == row->CellText(name));
      (void)row->SortKey(name, static_cast<int>(read % 3));
      (void)row->IsCoveredBySortKeys(name);
    }
  }
  FUZZ_CHECK(hostkit::DefinedRows(parser->HasFailed(), read, rowCount));

  if (!releaseFirst) columns = parser->ReleaseColumnProperties();
  for (const auto& column : columns) FUZZ_CHECK(column != nullptr);
  // Past the end and from a far index there is nothing more to read.
  parser->SetNextRowIndex(0xFFFFFFFFu);
  FUZZ_CHECK(parser->ReadNextRow(true) == nullptr);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  fuzzsupport::InitialiseForLibFuzzer(argc, argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string path = fuzzsupport::WorkDir() + "/input P01.txt";
  fuzzsupport::WriteFileBytes(path, data, size);
  const wxString wxPath = fuzzsupport::ToWx(path);
  const std::uint8_t last = size > 0 ? data[size - 1] : 0;
  // Kinds 0 and 2 read alike; one of them per input is enough.
  Exercise(wxPath, (last & 2) != 0 ? DataFileParser_TextWithHeaderToo : DataFileParser_TextWithHeader, false);
  Exercise(wxPath, DataFileParser_TextWithoutHeader, (last & 1) != 0);
  return 0;
}

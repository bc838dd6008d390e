// The in-memory parser over any bytes, read from an open file object whose position it must leave as it was.
#include "fuzzsupport.h"
#include "hostkit/parsereporttally.h"
#include "tabulon/muinterfaceexperimentdatafileinputreader.h"
#include "tabulon/rowrecord.h"
#include <memory>
#include <vector>
#include <wx/file.h>

using tabulon::ColumnPropertyQueue;
using tabulon::CreateDataFileParser;
using tabulon::DataFileParser_InMemoryWithHeader;
using tabulon::RowRecord;

namespace {

void ReadEverything(MUInterfaceExperimentDataFileInputReader& parser, bool releaseFirst) {
  ColumnPropertyQueue columns;
  if (releaseFirst) columns = parser.ReleaseColumnProperties();
  const unsigned rowCount = parser.GetDataRowCount();
  unsigned read = 0;
  parser.SetNextRowIndex(0);
  while (std::unique_ptr<RowRecord> row = parser.ReadNextRow(true)) {
    ++read;
    FUZZ_CHECK(read <= rowCount);
    if (!columns.empty()) (void)row->CellText(columns[read % columns.size()]->name);
  }
  FUZZ_CHECK(hostkit::DefinedRows(parser.HasFailed(), read, rowCount));
  if (!releaseFirst) columns = parser.ReleaseColumnProperties();
  for (const auto& column : columns) FUZZ_CHECK(column != nullptr);
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

  {
    wxFile file(wxPath);
    FUZZ_CHECK(file.IsOpened());
    // The parser reads from the start whatever the position, and puts the position back.
    const wxFileOffset start = size > 0 ? static_cast<wxFileOffset>(last % (size + 1)) : 0;
    FUZZ_CHECK(file.Seek(start) == start);
    hostkit::ParseReportTally sink;
    std::unique_ptr<MUInterfaceExperimentDataFileInputReader> parser =
        CreateDataFileParser(wxPath, DataFileParser_InMemoryWithHeader, &sink, &file);
    FUZZ_CHECK(parser != nullptr);
    FUZZ_CHECK(file.Tell() == start);
    FUZZ_CHECK(sink.AgreesWith(parser->HasFailed()));
    (void)parser->GetExperimentName();
    (void)parser->GetRunDateText();
    ReadEverything(*parser, (last & 2) != 0);
  }

  // Without an open file there is nothing to read: the parser must fail, not read something else.
  if ((last & 1) != 0) {
    wxFile closed;
    std::unique_ptr<MUInterfaceExperimentDataFileInputReader> parser =
        CreateDataFileParser(wxPath, DataFileParser_InMemoryWithHeader, nullptr, &closed);
    FUZZ_CHECK(parser != nullptr && parser->HasFailed());
    ReadEverything(*parser, false);
  }
  return 0;
}

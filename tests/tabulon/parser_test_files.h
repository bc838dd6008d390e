#pragma once
// Helpers for the parser tests: data files written to a scratch directory, and a sink that keeps reports.
#include "tabulon/src/muinterfaceexperimentdatafileinputreader.h"
#include "tabulon/src/muparsereport.h"
#include "tabulon/src/murowrecord.h"
#include "tests/support/files.h"
#include <memory>
#include <string>
#include <vector>
#include <wx/string.h>

namespace parsertest {

class CollectingSink : public ParseReportSink {
 public:
  void ReceiveReports(const std::vector<ParseReport>& reports) override { batches.push_back(reports); }
  std::vector<std::vector<ParseReport>> batches;
};

// The host's header: participant, experiment, run date, an unused line, then the two heading rows.
inline std::string HeaderBlock(const std::string& headings1, const std::string& headings2) {
  return "P-17\nMy Experiment\n2012-03-09 10:11:12\nunused\n" + headings1 + "\n" + headings2 + "\n";
}

inline wxString W(const char* utf8) { return wxString::FromUTF8(utf8); }

struct Parsed {
  std::unique_ptr<MUInterfaceExperimentDataFileInputReader> parser;
  CollectingSink sink;
  std::vector<std::unique_ptr<RowRecord>> rows;
  ColumnPropertyQueue columns;
};

// Parses a file the way the reader does: every row from index 0, then the column properties.
inline std::unique_ptr<Parsed> ParseFile(const std::string& path, DataFileParserKind kind = DataFileParser_TextWithHeader) {
  auto result = std::make_unique<Parsed>();
  result->parser = CreateDataFileParser(wxString::FromUTF8(path), kind, &result->sink);
  if (!result->parser->HasFailed()) {
    const unsigned count = result->parser->GetDataRowCount();
    result->parser->SetNextRowIndex(0);
    for (unsigned i = 0; i < count; ++i) result->rows.push_back(result->parser->ReadNextRow(true));
    result->columns = result->parser->ReleaseColumnProperties();
  }
  return result;
}

inline std::unique_ptr<Parsed> ParseBytes(const std::string& path, const std::string& bytes,
                                          DataFileParserKind kind = DataFileParser_TextWithHeader) {
  testsupport::WriteFile(path, bytes);
  return ParseFile(path, kind);
}

inline std::vector<wxString> ColumnNames(const ColumnPropertyQueue& columns) {
  std::vector<wxString> names;
  for (const auto& column : columns) names.push_back(column->name);
  return names;
}

}  // namespace parsertest

#pragma once
// Helpers for the data-file tests: files in a scratch directory, parsing them the way the reader does, a sink
// and a log target that keep what reaches them, and reading a reader's table back.
#include "tabulon/muexperimenttextreadermultifile.h"
#include "tabulon/muinterfaceexperimentdatafileinputreader.h"
#include "tabulon/parsereport.h"
#include "tabulon/rowrecord.h"
#include "support/files.h"
#include <memory>
#include <string>
#include <vector>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/string.h>

namespace tabtest {

inline wxString W(const std::string& utf8) { return wxString::FromUTF8(utf8.data(), utf8.size()); }

inline std::vector<wxString> WxList(const std::vector<std::string>& texts) {
  std::vector<wxString> list;
  for (const auto& text : texts) list.push_back(W(text));
  return list;
}

class CollectingSink : public tabulon::ParseReportSink {
 public:
  void ReceiveReports(const std::vector<tabulon::ParseReport>& reports) override { batches.push_back(reports); }
  std::vector<std::vector<tabulon::ParseReport>> batches;
};

// Stands in for the host's log target while it lives: keeps every text and the function that logged it.
class CollectingLog : public wxLog {
 public:
  CollectingLog() : previous_(wxLog::SetActiveTarget(this)) {}
  ~CollectingLog() override { wxLog::SetActiveTarget(previous_); }
  std::vector<wxString> texts;
  std::vector<wxString> functions;

 protected:
  void DoLogRecord(wxLogLevel level, const wxString& msg, const wxLogRecordInfo& info) override {
    functions.push_back(info.func ? wxString(info.func) : wxString());
    wxLog::DoLogRecord(level, msg, info);
  }
  void DoLogText(const wxString& msg) override { texts.push_back(msg); }

 private:
  wxLog* previous_;
};

// The host's six header lines: participant, experiment, run date, an unused line, then the two heading rows.
inline std::string HeaderBlock(const std::string& headings1, const std::string& headings2) {
  return "P-17\nMy Experiment\n2012-03-09 10:11:12\nunused\n" + headings1 + "\n" + headings2 + "\n";
}

struct Parsed {
  std::unique_ptr<MUInterfaceExperimentDataFileInputReader> parser;
  CollectingSink sink;
  std::vector<std::unique_ptr<tabulon::RowRecord>> rows;
  tabulon::ColumnPropertyQueue columns;
};

// Writes the bytes and parses them as the reader does: every row from index 0, then the column properties.
inline std::unique_ptr<Parsed> ParseBytes(const std::string& path, const std::string& bytes,
                                          tabulon::DataFileParserKind kind = tabulon::DataFileParser_TextWithHeader) {
  testsupport::WriteFile(path, bytes);
  auto result = std::make_unique<Parsed>();
  result->parser = tabulon::CreateDataFileParser(W(path), kind, &result->sink);
  if (!result->parser->HasFailed()) {
    result->parser->SetNextRowIndex(0);
    for (unsigned i = 0; i < result->parser->GetDataRowCount(); ++i)
      result->rows.push_back(result->parser->ReadNextRow(true));
    result->columns = result->parser->ReleaseColumnProperties();
  }
  return result;
}

inline std::shared_ptr<MUExperimentTextReaderMultiFile> LoadReader(const std::string& path) {
  auto reader = std::make_shared<MUExperimentTextReaderMultiFile>();
  reader->AddSelectedFile(wxFileName(W(path)), false);
  return reader;
}

// Texts of one shown column, top to bottom.
inline std::vector<wxString> ColumnTexts(const MUExperimentTextReaderMultiFile& reader, const wxString& name) {
  std::vector<wxString> texts;
  const int column = reader.GetColumnIndex(name);
  for (int row = 0; row < reader.GetRowCount(); ++row) texts.push_back(reader.GetCellText(row, column));
  return texts;
}

}  // namespace tabtest

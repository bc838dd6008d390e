// tabulon-dump: loads one data file through the multi-file reader and prints the reports, the header values,
// the columns and every shown row, one item per line.
#include "tabulon/muexperimenttextreadermultifile.h"
#include "tabulon/columnnames.h"
#include "tabulon/parsereport.h"
#include "tabulon/rowrecord.h"
#include "dumpformat.h"
#include "toolmain.h"
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>
#include <wx/file.h>
#include <wx/filename.h>
#include <wx/log.h>

using tabulon::ColumnProperty;
using tabulon::MarkerKey_ExperimentName;
using tabulon::MarkerKey_FileName;
using tabulon::MarkerKey_FullPath;
using tabulon::MarkerKey_Participant;
using tabulon::MarkerKey_RunDate;
using tabulon::ParseReport;
using tabulon::ParseReportSink;
using tabulon::RowRecord;

namespace {

const char* const kUsage =
    "Usage: tabulon-dump [--in-memory] FILE\n"
    "\n"
    "Loads FILE through the data-file reader and prints, one item per line with TAB-separated fields\n"
    "(backslash, line feed, carriage return and TAB inside a field written as \\\\, \\n, \\r, \\t):\n"
    "  report  CODE  MESSAGE          every report of the parser, in order\n"
    "  status  ok|failed\n"
    "and after a successful load:\n"
    "  header  KEY  VALUE             the five header marker values of the first row (when rows exist)\n"
    "  rows  N  /  columns  M         the shown row and column counts\n"
    "  column  I  NAME  FLAGS  KIND   every shown column\n"
    "  row  R  CELL...                every shown row\n"
    "\n"
    "  --in-memory   hand the reader an open file, so that it reads through the in-memory parser\n"
    "  --help        show this text\n"
    "  --version     show the version\n"
    "\n"
    "Exit status: 0 loaded, 1 the file could not be loaded, 2 usage error.\n";

class CollectingSink : public ParseReportSink {
 public:
  void ReceiveReports(const std::vector<ParseReport>& batch) override {
    reports.insert(reports.end(), batch.begin(), batch.end());
  }
  std::vector<ParseReport> reports;
};

struct Options {
  bool inMemory = false;
  bool help = false;
  bool version = false;
  std::string file;
};

// Null when the arguments do not make sense.
std::unique_ptr<Options> ParseArguments(int argc, char** argv) {
  auto options = std::make_unique<Options>();
  for (int i = 1; i < argc; ++i) {
    const char* argument = argv[i];
    if (std::strcmp(argument, "--help") == 0) {
      options->help = true;
    } else if (std::strcmp(argument, "--version") == 0) {
      options->version = true;
    } else if (std::strcmp(argument, "--in-memory") == 0) {
      options->inMemory = true;
    } else if ((argument[0] == '-' && argument[1] != '\0') || !options->file.empty()) {
      return nullptr;  // an unknown option, or a second file
    } else {
      options->file = argument;
    }
  }
  if (!options->help && !options->version && options->file.empty()) return nullptr;
  return options;
}

void Print(const std::vector<wxString>& fields) {
  const std::string line = tabulondump::DumpLine(fields);
  std::fwrite(line.data(), 1, line.size(), stdout);
}

wxString Decimal(long long value) { return wxString::Format(wxS("%lld"), value); }

void PrintHeader(const MUExperimentTextReaderMultiFile& reader) {
  const RowRecord* first = reader.GetRowRecord(0, tabulon::RowScope::Shown);
  if (first == nullptr) return;
  for (const wxChar* key :
       {MarkerKey_Participant, MarkerKey_FullPath, MarkerKey_FileName, MarkerKey_ExperimentName, MarkerKey_RunDate}) {
    Print({wxS("header"), key, first->CellText(key)});
  }
}

void PrintColumns(const MUExperimentTextReaderMultiFile& reader) {
  for (int i = 0; i < reader.GetColumnCount(); ++i) {
    const wxString name = reader.GetColumnName(i);
    const ColumnProperty* property = reader.FindColumnProperty(name);
    const long long flags = property != nullptr ? property->flags : 0;
    const long long kind = property != nullptr ? property->kind : 0;
    Print({wxS("column"), Decimal(i), name, Decimal(flags), Decimal(kind)});
  }
}

void PrintRows(const MUExperimentTextReaderMultiFile& reader) {
  std::vector<wxString> fields;
  for (int row = 0; row < reader.GetRowCount(); ++row) {
    fields.assign({wxS("row"), Decimal(row)});
    for (int column = 0; column < reader.GetColumnCount(); ++column) fields.push_back(reader.GetCellText(row, column));
    Print(fields);
  }
}

bool Load(MUExperimentTextReaderMultiFile& reader, const Options& options) {
  const wxString path = wxString::FromUTF8(options.file.c_str());
  if (!options.inMemory) return reader.AddSelectedFile(wxFileName(path), false);
  wxFile file;
  {
    // A file that cannot be opened is left to the reader, whose parser reports why.
    wxLogNull quiet;
    file.Open(path);
  }
  return reader.AddSelectedFile(wxFileName(path), false, &file);
}

}  // namespace

int RunTabulonDump(int argc, char** argv) {
  const std::unique_ptr<Options> options = ParseArguments(argc, argv);
  if (!options) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  if (options->help) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (options->version) {
    std::fputs("tabulon-dump (dh-AutomatedTesting) " DH_VERSION "\n", stdout);
    return 0;
  }

  CollectingSink sink;
  const auto reader = std::make_shared<MUExperimentTextReaderMultiFile>(&sink);
  const bool loaded = Load(*reader, *options);
  for (const ParseReport& report : sink.reports) Print({wxS("report"), Decimal(report.code), report.message});
  Print({wxS("status"), loaded ? wxS("ok") : wxS("failed")});
  if (!loaded) return 1;

  PrintHeader(*reader);
  Print({wxS("rows"), Decimal(reader->GetRowCount())});
  Print({wxS("columns"), Decimal(reader->GetColumnCount())});
  PrintColumns(*reader);
  PrintRows(*reader);
  return std::fflush(stdout) == 0 ? 0 : 1;
}

int ToolMain(int argc, char** argv) { return RunTabulonDump(argc, argv); }

#pragma once
#include "tabulon/columnproperty.h"
#include "tabulon/rowrecord.h"
#include <memory>
#include <wx/string.h>

class wxFile;
namespace tabulon {
class ParseReportSink;
}  // namespace tabulon

// One parsed data file, as the reader pulls it: header values, column properties, then row records.
class MUInterfaceExperimentDataFileInputReader {
 public:
  virtual wxString GetExperimentName() const = 0;
  virtual wxString GetRunDateText() const = 0;
  virtual unsigned GetDataRowCount() const = 0;
  virtual unsigned SetNextRowIndex(unsigned index) = 0;
  virtual bool HasFailed() const = 0;
  // Hands the column properties over to the caller; the parser no longer owns them.
  virtual tabulon::ColumnPropertyQueue ReleaseColumnProperties() = 0;
  // The record of the row at the next-row index, or null past the last row. The caller owns it.
  virtual std::unique_ptr<tabulon::RowRecord> ReadNextRow(bool advance) = 0;
  virtual ~MUInterfaceExperimentDataFileInputReader() = default;
};

namespace tabulon {

enum DataFileParserKind {
  DataFileParser_TextWithHeader = 0,
  DataFileParser_TextWithoutHeader = 1,
  DataFileParser_TextWithHeaderToo = 2,
  DataFileParser_InMemoryWithHeader = 3,
};

// Creates the parser of the given kind, which opens and parses the file at once; HasFailed() tells the outcome.
// Kind 3 reads from openFile, which must then be an open file. Returns null only when allocation fails.
std::unique_ptr<MUInterfaceExperimentDataFileInputReader> CreateDataFileParser(const wxString& fileName,
                                                                               DataFileParserKind kind,
                                                                               ParseReportSink* sink,
                                                                               wxFile* openFile = nullptr);

}  // namespace tabulon

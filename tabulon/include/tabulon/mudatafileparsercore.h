#pragma once
#include "tabulon/columnproperty.h"
#include "tabulon/mudecodedlines.h"
#include "tabulon/muinterfaceexperimentdatafileinputreader.h"
#include "tabulon/mumakeuniquename.h"
#include "tabulon/parsereport.h"
#include "tabulon/rowrecord.h"
#include <cstddef>
#include <memory>
#include <vector>
#include <wx/string.h>

// What the two data-file parsers share once they have the file's lines: reading the header, building the
// columns from the two heading rows and turning data lines into row records. A parser supplies the lines and
// its own wording of layout failures.
class MUDataFileParserCore : public MUInterfaceExperimentDataFileInputReader {
 public:
  wxString GetExperimentName() const override { return experimentName; }
  wxString GetRunDateText() const override { return runDateText; }
  unsigned GetDataRowCount() const override { return dataRowCount; }
  unsigned SetNextRowIndex(unsigned index) override { return nextRowIndex = index; }
  bool HasFailed() const override { return failed; }
  tabulon::ColumnPropertyQueue ReleaseColumnProperties() override;
  std::unique_ptr<tabulon::RowRecord> ReadNextRow(bool advance) override;

 protected:
  // The header holds six lines: participant, experiment name, run date, one unused line, two heading rows.
  static constexpr std::size_t kHeaderLineCount = 6;

  enum class LayoutFailure {
    MissingExperimentName,
    MissingRunDate,
    TooShort,
    NoColumnHeadings,
    TooManyColumns,
  };
  struct Dialect {
    // Heading segments lose their trailing white space before they are joined.
    bool trimHeadingSegmentEnds = false;
    // Columns get the flags and kinds their names imply.
    bool setFlagsAndKinds = true;
  };

  MUDataFileParserCore(bool hasHeader, tabulon::ParseReportSink* sink, Dialect dialect);

  virtual std::size_t LineCount() const = 0;
  virtual MULineView Line(std::size_t index) const = 0;
  virtual wxString LayoutFailureMessage(LayoutFailure failure) const = 0;

  // Records the path as given and the file's name with its extension.
  void RecordFilePath(const wxString& path);
  // Header values, marker cells and the row count; false (after reporting) when a header line is missing.
  bool ReadHeader();
  // The columns, from the heading rows or, without header, the standard columns; false after reporting.
  bool BuildColumns();
  void ReportSuccess();
  // Reports one batch (when there is a sink) and sets the failure flag unless every code is success.
  void Report(const std::vector<tabulon::ParseReport>& reports);
  void Fail(std::int32_t code, const wxString& message);
  void MarkFailed() { failed = true; }

  const wxString& FilePath() const { return filePath; }
  bool HasHeader() const { return hasHeader; }
  bool Failed() const { return failed; }
  std::size_t ColumnCount() const { return columnCount; }

 private:
  bool BuildColumnsFromHeadings();
  void BuildStandardColumns();
  // Enters a finished column into the queue, the names in use and the row layout; false when the names of all
  // columns together would pass the budget.
  bool AddColumn(const wxString& name, std::uint32_t flags, std::uint32_t kind);
  // Makes room for a data cell past the last column; false when the budget does not allow another column.
  bool AddMissingColumn();
  std::unique_ptr<tabulon::RowRecord> ReadRow(MULineView line);

  const bool hasHeader;
  const Dialect dialect;
  tabulon::ParseReportSink* const sink;

  wxString experimentName;
  wxString runDateText;
  wxString participantName;
  wxString filePath;
  wxString fileNameWithExtension;
  unsigned nextRowIndex = 0;
  unsigned dataRowCount = 0;
  bool failed = false;
  bool released = false;

  tabulon::ColumnPropertyQueue columns;
  // The path every column of this file names as its source.
  tabulon::SharedPath sharedFilePath;
  std::size_t columnCount = 0;
  std::size_t columnNameCharacters = 0;
  MUNamesInUse namesInUse;
  tabulon::LayoutRef layout;
  // The texts of the row being read, kept between rows so that their room is reused.
  std::vector<wxString> cellTexts;
};

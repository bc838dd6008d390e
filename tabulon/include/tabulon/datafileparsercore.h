#pragma once
#include "tabulon/columnproperty.h"
#include "tabulon/decodedlines.h"
#include "tabulon/muinterfaceexperimentdatafileinputreader.h"
#include "tabulon/makeuniquename.h"
#include "tabulon/parsereport.h"
#include "tabulon/rowrecord.h"
#include <cstddef>
#include <memory>
#include <vector>
#include <wx/string.h>

namespace tabulon {

// What the two data-file parsers share once they have the file's lines: reading the header, building the
// columns from the two heading rows and turning data lines into row records. A parser supplies the lines and
// its own wording of layout failures.
class DataFileParserCore : public MUInterfaceExperimentDataFileInputReader {
 public:
  wxString GetExperimentName() const override { return experimentName_; }
  wxString GetRunDateText() const override { return runDateText_; }
  unsigned GetDataRowCount() const override { return dataRowCount_; }
  unsigned SetNextRowIndex(unsigned index) override { return nextRowIndex_ = index; }
  bool HasFailed() const override { return failed_; }
  ColumnPropertyQueue ReleaseColumnProperties() override;
  std::unique_ptr<RowRecord> ReadNextRow(bool advance) override;

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

  DataFileParserCore(bool withHeader, ParseReportSink* sink, Dialect dialect);

  virtual std::size_t LineCount() const = 0;
  virtual LineView Line(std::size_t index) const = 0;
  virtual wxString LayoutFailureMessage(LayoutFailure failure) const = 0;

  // Records the path as given and the file's name with its extension.
  void RecordFilePath(const wxString& path);
  // Header values, marker cells and the row count; false (after reporting) when a header line is missing.
  bool ReadHeader();
  // The columns, from the heading rows or, without header, the standard columns; false after reporting.
  bool BuildColumns();
  void ReportSuccess();
  // Reports one batch (when there is a sink) and sets the failure flag unless every code is success.
  void Report(const std::vector<ParseReport>& reports);
  void Fail(std::int32_t code, const wxString& message);
  void MarkFailed() { failed_ = true; }

  const wxString& FilePath() const { return filePath_; }
  bool HasHeader() const { return hasHeader_; }
  bool Failed() const { return failed_; }
  std::size_t ColumnCount() const { return columnCount_; }

 private:
  // Fails the file with the layout failure's message; always false, for the step that found it to return.
  bool FailLayout(LayoutFailure failure);
  bool BuildColumnsFromHeadings();
  void BuildStandardColumns();
  // Enters a finished column into the queue, the names in use and the row layout; false when the names of all
  // columns together would pass the budget.
  bool AddColumn(const wxString& name, std::uint32_t flags, std::uint32_t kind);
  // Makes room for a data cell past the last column; false when the budget does not allow another column.
  bool AddMissingColumn();
  std::unique_ptr<RowRecord> ReadRow(LineView line);

  const bool hasHeader_;
  const Dialect dialect_;
  ParseReportSink* const sink_;

  wxString experimentName_;
  wxString runDateText_;
  wxString participantName_;
  wxString filePath_;
  wxString fileNameWithExtension_;
  unsigned nextRowIndex_ = 0;
  unsigned dataRowCount_ = 0;
  bool failed_ = false;
  bool released_ = false;

  ColumnPropertyQueue columns_;
  // The path every column of this file names as its source.
  SharedPath sharedFilePath_;
  std::size_t columnCount_ = 0;
  std::size_t columnNameCharacters_ = 0;
  NamesInUse namesInUse_;
  LayoutRef layout_;
  // The texts of the row being read, kept between rows so that their room is reused.
  std::vector<wxString> cellTexts_;
};

}  // namespace tabulon

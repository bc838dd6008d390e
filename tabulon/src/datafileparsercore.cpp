#include "tabulon/datafileparsercore.h"
#include "tabulon/celltext.h"
#include "tabulon/columnnames.h"
#include "tabulon/tabsplit.h"
#include <algorithm>
#include <limits>
#include <new>
#include <utility>
#include <wx/filename.h>
#include <wx/intl.h>

using tabulon::AssignPrintableCellText;
using tabulon::ColumnFlagsOfName;
using tabulon::ColumnKind_Text;
using tabulon::ColumnKind_Unset;
using tabulon::ColumnProperty;
using tabulon::ColumnPropertyQueue;
using tabulon::ForEachTabSeparatedToken;
using tabulon::KnownColumnKind;
using tabulon::MakeUniqueName;
using tabulon::MarkerKey_ExperimentName;
using tabulon::MarkerKey_FileName;
using tabulon::MarkerKey_FullPath;
using tabulon::MarkerKey_Participant;
using tabulon::MarkerKey_RunDate;
using tabulon::MissingColumnName;
using tabulon::NameListTerminator;
using tabulon::ParseReport;
using tabulon::ParseReportSink;
using tabulon::RowRecord;
using tabulon::RowRecordLayout;
using tabulon::StandardColumn;
using tabulon::StandardColumns;

namespace {

// Column names of a sane file take a few thousand characters. Only files with thousands of equal headings or
// stray cells grow their '#'-suffixed names quadratically; they stop here instead of exhausting memory. The reader
// keeps a few copies of every name (its columns, the row layout, the shown names) and some bookkeeping per column,
// so each column is charged its name and a share for the bookkeeping: this keeps the columns of any file within the
// size limit to a few tens of megabytes (at most 65,536 columns, fewer with long names).
constexpr std::size_t kColumnNameCharacterBudget = std::size_t{2} << 20;
constexpr std::size_t kBookkeepingCharactersPerColumn = 32;

unsigned ClampToUnsigned(std::size_t value) {
  return value > std::numeric_limits<unsigned>::max() ? std::numeric_limits<unsigned>::max()
                                                      : static_cast<unsigned>(value);
}

}  // namespace

tabulon::DataFileParserCore::DataFileParserCore(bool withHeader, ParseReportSink* reportSink, Dialect parserDialect)
    : hasHeader_(withHeader), dialect_(parserDialect), sink_(reportSink) {}

void tabulon::DataFileParserCore::RecordFilePath(const wxString& path) {
  filePath_ = path;
  const wxFileName name(path);
  fileNameWithExtension_ = name.GetName() + wxS(".") + name.GetExt();
}

void tabulon::DataFileParserCore::Report(const std::vector<ParseReport>& reports) {
  for (const ParseReport& report : reports) {
    if (report.code != tabulon::ParseReportCode::Success) failed_ = true;
  }
  if (sink_ && !reports.empty()) sink_->ReceiveReports(reports);
}

void tabulon::DataFileParserCore::Fail(std::int32_t code, const wxString& message) {
  ParseReport report;
  report.code = code;
  report.message = message;
  report.filePath = filePath_;
  Report({report});
  failed_ = true;
}

bool tabulon::DataFileParserCore::FailLayout(LayoutFailure failure) {
  Fail(tabulon::ParseReportCode::BadLayout, LayoutFailureMessage(failure));
  return false;
}

void tabulon::DataFileParserCore::ReportSuccess() {
  if (failed_ || !sink_) return;
  ParseReport report;
  report.code = tabulon::ParseReportCode::Success;
  report.message = _("Success");
  report.filePath = filePath_;
  Report({report});
}

bool tabulon::DataFileParserCore::ReadHeader() {
  const std::size_t lines = LineCount();
  std::size_t headerLines = 0;
  if (hasHeader_) {
    if (lines < 2) {
      experimentName_.clear();
      return FailLayout(LayoutFailure::MissingExperimentName);
    }
    experimentName_ = Line(1).ToString();
    experimentName_.Trim(true).Trim(false);
    participantName_ = Line(0).ToString();
    participantName_.Trim(true).Trim(false);
    if (lines < 3) {
      runDateText_.clear();
      return FailLayout(LayoutFailure::MissingRunDate);
    }
    runDateText_ = Line(2).ToString();
    headerLines = kHeaderLineCount;
  }

  layout_ = tabulon::LayoutRef::Make();
  layout_->SetCommonCell(MarkerKey_Participant, participantName_);
  layout_->SetCommonCell(MarkerKey_FullPath, filePath_);
  layout_->SetCommonCell(MarkerKey_FileName, fileNameWithExtension_);
  layout_->SetCommonCell(MarkerKey_ExperimentName, experimentName_);
  layout_->SetCommonCell(MarkerKey_RunDate, runDateText_);
  dataRowCount_ = lines > headerLines ? ClampToUnsigned(lines - headerLines) : 0;
  return true;
}

bool tabulon::DataFileParserCore::BuildColumns() {
  if (hasHeader_ && !BuildColumnsFromHeadings()) return false;
  if (!hasHeader_) BuildStandardColumns();
  // Columns added later for stray cells are never the reaction-time column, so its slot is known from here on.
  return true;
}

void tabulon::DataFileParserCore::BuildStandardColumns() {
  const wxString terminator(NameListTerminator);
  for (const StandardColumn* column = StandardColumns(); terminator != column->name; ++column) {
    const wxString name(column->name);
    if (dialect_.setFlagsAndKinds) {
      AddColumn(name, ColumnFlagsOfName(name), column->kind);
    } else {
      AddColumn(name, 0, ColumnKind_Unset);
    }
  }
}

bool tabulon::DataFileParserCore::BuildColumnsFromHeadings() {
  if (LineCount() <= kHeaderLineCount) {
    return FailLayout(LayoutFailure::TooShort);
  }

  // Each column's name is its segment of heading row 1, "\n", and its segment of heading row 2. A column that
  // only row 2 has gets "\t\n" in front, which marks the absent first segment until the name is trimmed.
  std::vector<wxString> names;
  for (std::size_t row = 0; row < 2; ++row) {
    ForEachTabSeparatedToken(Line(4 + row), [&](const wxChar* start, std::size_t length, std::size_t index) {
      wxString segment(start, length);
      if (dialect_.trimHeadingSegmentEnds) segment.Trim(true);
      if (index < names.size()) {
        names[index] += wxS('\n');
        names[index] += segment;
      } else if (row == 0) {
        names.push_back(std::move(segment));
      } else {
        names.push_back(wxS("\t\n") + segment);
      }
    });
  }
  if (names.empty()) {
    return FailLayout(LayoutFailure::NoColumnHeadings);
  }

  namesInUse_.Clear();
  for (std::size_t index = 0; index < names.size(); ++index) {
    // Flags and kinds go by the name as the headings spell it, before trimming and de-duplication.
    std::uint32_t flags = 0;
    std::uint32_t kind = ColumnKind_Unset;
    if (dialect_.setFlagsAndKinds) {
      flags = ColumnFlagsOfName(names[index]);
      kind = KnownColumnKind(names[index]);
      if (kind == ColumnKind_Unset) kind = ColumnKind_Text;
    }
    wxString name = names[index];
    name.Trim(true).Trim(false);
    if (index > 0) name = MakeUniqueName(name, namesInUse_);
    if (!AddColumn(name, flags, kind)) {
      return FailLayout(LayoutFailure::TooManyColumns);
    }
  }
  return true;
}

bool tabulon::DataFileParserCore::AddColumn(const wxString& name, std::uint32_t flags, std::uint32_t kind) {
  const std::size_t charge = name.length() + kBookkeepingCharactersPerColumn;
  if (charge > kColumnNameCharacterBudget - columnNameCharacters_) return false;
  if (!layout_) layout_ = tabulon::LayoutRef::Make();
  // Names are unique ignoring case, so the layout gives every column a slot of its own, in column order.
  if (layout_->ColumnSlot(name) != RowRecordLayout::npos || layout_->ColumnCount() != columnCount_) return false;
  layout_->AddColumn(name);
  columnNameCharacters_ += charge;
  if (!sharedFilePath_ || *sharedFilePath_ != filePath_) sharedFilePath_ = std::make_shared<const wxString>(filePath_);
  auto property = std::make_unique<ColumnProperty>(name, sharedFilePath_);
  property->flags = flags;
  property->kind = kind;
  columns_.push_back(std::move(property));
  namesInUse_.Insert(name);
  ++columnCount_;
  return true;
}

bool tabulon::DataFileParserCore::AddMissingColumn() {
  return AddColumn(MakeUniqueName(MissingColumnName(), namesInUse_), 0, ColumnKind_Unset);
}

ColumnPropertyQueue tabulon::DataFileParserCore::ReleaseColumnProperties() {
  released_ = true;
  return std::move(columns_);
}

std::unique_ptr<RowRecord> tabulon::DataFileParserCore::ReadNextRow(bool advance) {
  if (failed_ || !layout_ || nextRowIndex_ >= dataRowCount_) return nullptr;
  const std::size_t lineIndex = static_cast<std::size_t>(nextRowIndex_) + (hasHeader_ ? kHeaderLineCount : 0);
  if (lineIndex >= LineCount()) return nullptr;

  // Running out of memory on a hostile file ends the rows instead of escaping into the host.
  std::unique_ptr<RowRecord> record;
  try {
    record = ReadRow(Line(lineIndex));
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
  if (advance) ++nextRowIndex_;
  return record;
}

std::unique_ptr<RowRecord> tabulon::DataFileParserCore::ReadRow(tabulon::LineView line) {
  auto record = std::make_unique<RowRecord>(layout_, static_cast<std::uint32_t>(columnCount_));
  std::size_t filled = 0;
  bool columnBudgetSpent = false;
  ForEachTabSeparatedToken(line, [&](const wxChar* start, std::size_t length, std::size_t index) {
    // A cell beyond the last heading gets a column of its own, named for its missing heading.
    if (index >= columnCount_ && (columnBudgetSpent || !AddMissingColumn())) {
      columnBudgetSpent = true;
      return;
    }
    if (index >= cellTexts_.size()) cellTexts_.resize(index + 1);
    AssignPrintableCellText(cellTexts_[index], start, length);
    filled = index + 1;
  });
  record->SetFirstColumnTexts(cellTexts_, filled);
  return record;
}

#include "tabulon/mudatafileparsercore.h"
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
using tabulon::ParseReport_BadLayout;
using tabulon::ParseReport_Success;
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

MUDataFileParserCore::MUDataFileParserCore(bool withHeader, ParseReportSink* reportSink, Dialect parserDialect)
    : hasHeader(withHeader), dialect(parserDialect), sink(reportSink) {}

void MUDataFileParserCore::RecordFilePath(const wxString& path) {
  filePath = path;
  const wxFileName name(path);
  fileNameWithExtension = name.GetName() + wxS(".") + name.GetExt();
}

void MUDataFileParserCore::Report(const std::vector<ParseReport>& reports) {
  for (const ParseReport& report : reports) {
    if (report.code != ParseReport_Success) failed = true;
  }
  if (sink && !reports.empty()) sink->ReceiveReports(reports);
}

void MUDataFileParserCore::Fail(std::int32_t code, const wxString& message) {
  ParseReport report;
  report.code = code;
  report.message = message;
  report.filePath = filePath;
  Report({report});
  failed = true;
}

void MUDataFileParserCore::ReportSuccess() {
  if (failed || !sink) return;
  ParseReport report;
  report.code = ParseReport_Success;
  report.message = _("Success");
  report.filePath = filePath;
  Report({report});
}

bool MUDataFileParserCore::ReadHeader() {
  const std::size_t lines = LineCount();
  std::size_t headerLines = 0;
  if (hasHeader) {
    if (lines < 2) {
      experimentName.clear();
      Fail(ParseReport_BadLayout, LayoutFailureMessage(LayoutFailure::MissingExperimentName));
      return false;
    }
    experimentName = Line(1).ToString();
    experimentName.Trim(true).Trim(false);
    participantName = Line(0).ToString();
    participantName.Trim(true).Trim(false);
    if (lines < 3) {
      runDateText.clear();
      Fail(ParseReport_BadLayout, LayoutFailureMessage(LayoutFailure::MissingRunDate));
      return false;
    }
    runDateText = Line(2).ToString();
    headerLines = kHeaderLineCount;
  }

  layout = tabulon::LayoutRef::Make();
  layout->SetCommonCell(MarkerKey_Participant, participantName);
  layout->SetCommonCell(MarkerKey_FullPath, filePath);
  layout->SetCommonCell(MarkerKey_FileName, fileNameWithExtension);
  layout->SetCommonCell(MarkerKey_ExperimentName, experimentName);
  layout->SetCommonCell(MarkerKey_RunDate, runDateText);
  dataRowCount = lines > headerLines ? ClampToUnsigned(lines - headerLines) : 0;
  return true;
}

bool MUDataFileParserCore::BuildColumns() {
  if (failed) return false;
  if (hasHeader && !BuildColumnsFromHeadings()) return false;
  if (!hasHeader) BuildStandardColumns();
  // Columns added later for stray cells are never the reaction-time column, so its slot is known from here on.
  return true;
}

void MUDataFileParserCore::BuildStandardColumns() {
  const wxString terminator(NameListTerminator);
  for (const StandardColumn* column = StandardColumns(); terminator != column->name; ++column) {
    const wxString name(column->name);
    if (dialect.setFlagsAndKinds) {
      AddColumn(name, ColumnFlagsOfName(name), column->kind);
    } else {
      AddColumn(name, 0, ColumnKind_Unset);
    }
  }
}

bool MUDataFileParserCore::BuildColumnsFromHeadings() {
  if (LineCount() <= kHeaderLineCount) {
    Fail(ParseReport_BadLayout, LayoutFailureMessage(LayoutFailure::TooShort));
    return false;
  }

  // Each column's name is its segment of heading row 1, "\n", and its segment of heading row 2. A column that
  // only row 2 has gets "\t\n" in front, which marks the absent first segment until the name is trimmed.
  std::vector<wxString> names;
  for (std::size_t row = 0; row < 2; ++row) {
    ForEachTabSeparatedToken(Line(4 + row), [&](const wxChar* start, std::size_t length, std::size_t index) {
      wxString segment(start, length);
      if (dialect.trimHeadingSegmentEnds) segment.Trim(true);
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
    Fail(ParseReport_BadLayout, LayoutFailureMessage(LayoutFailure::NoColumnHeadings));
    return false;
  }

  namesInUse.Clear();
  for (std::size_t index = 0; index < names.size(); ++index) {
    // Flags and kinds go by the name as the headings spell it, before trimming and de-duplication.
    std::uint32_t flags = 0;
    std::uint32_t kind = ColumnKind_Unset;
    if (dialect.setFlagsAndKinds) {
      flags = ColumnFlagsOfName(names[index]);
      kind = KnownColumnKind(names[index]);
      if (kind == ColumnKind_Unset) kind = ColumnKind_Text;
    }
    wxString name = names[index];
    name.Trim(true).Trim(false);
    if (index > 0) name = MakeUniqueName(name, namesInUse);
    if (!AddColumn(name, flags, kind)) {
      Fail(ParseReport_BadLayout, LayoutFailureMessage(LayoutFailure::TooManyColumns));
      return false;
    }
  }
  return true;
}

bool MUDataFileParserCore::AddColumn(const wxString& name, std::uint32_t flags, std::uint32_t kind) {
  const std::size_t charge = name.length() + kBookkeepingCharactersPerColumn;
  if (charge > kColumnNameCharacterBudget - columnNameCharacters) return false;
  if (!layout) layout = tabulon::LayoutRef::Make();
  // Names are unique ignoring case, so the layout gives every column a slot of its own, in column order.
  if (layout->ColumnSlot(name) != RowRecordLayout::npos || layout->ColumnCount() != columnCount) return false;
  layout->AddColumn(name);
  columnNameCharacters += charge;
  if (!sharedFilePath || *sharedFilePath != filePath) sharedFilePath = std::make_shared<const wxString>(filePath);
  auto property = std::make_unique<ColumnProperty>(name, sharedFilePath);
  property->flags = flags;
  property->kind = kind;
  columns.push_back(std::move(property));
  namesInUse.Insert(name);
  ++columnCount;
  return true;
}

bool MUDataFileParserCore::AddMissingColumn() {
  return AddColumn(MakeUniqueName(MissingColumnName(), namesInUse), 0, ColumnKind_Unset);
}

ColumnPropertyQueue MUDataFileParserCore::ReleaseColumnProperties() {
  released = true;
  return std::move(columns);
}

std::unique_ptr<RowRecord> MUDataFileParserCore::ReadNextRow(bool advance) {
  if (failed || !layout || nextRowIndex >= dataRowCount) return nullptr;
  const std::size_t lineIndex = static_cast<std::size_t>(nextRowIndex) + (hasHeader ? kHeaderLineCount : 0);
  if (lineIndex >= LineCount()) return nullptr;

  // Running out of memory on a hostile file ends the rows instead of escaping into the host.
  std::unique_ptr<RowRecord> record;
  try {
    record = ReadRow(Line(lineIndex));
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
  if (advance) ++nextRowIndex;
  return record;
}

std::unique_ptr<RowRecord> MUDataFileParserCore::ReadRow(MULineView line) {
  auto record = std::make_unique<RowRecord>(layout, static_cast<std::uint32_t>(columnCount));
  std::size_t filled = 0;
  bool columnBudgetSpent = false;
  ForEachTabSeparatedToken(line, [&](const wxChar* start, std::size_t length, std::size_t index) {
    // A cell beyond the last heading gets a column of its own, named for its missing heading.
    if (index >= columnCount && (columnBudgetSpent || !AddMissingColumn())) {
      columnBudgetSpent = true;
      return;
    }
    if (index >= cellTexts.size()) cellTexts.resize(index + 1);
    AssignPrintableCellText(cellTexts[index], start, length);
    filled = index + 1;
  });
  record->SetFirstColumnTexts(cellTexts, filled);
  return record;
}

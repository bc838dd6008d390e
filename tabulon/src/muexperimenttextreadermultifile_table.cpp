// The reader's table: row order and sequences, sorting, cell and column access, row and column flags.
#include "tabulon/muexperimenttextreadermultifile.h"
#include "tabulon/columnnames.h"
#include "tabulon/rowrecord.h"
#include "tabulon/rowsorting.h"
#include <wx/app.h>
#include <wx/stopwatch.h>
#include <wx/translation.h>

using tabulon::ColumnFlag_FirstSegmentAbsent;
using tabulon::ColumnFlag_HiddenByUser;
using tabulon::ColumnFlag_TrialVariable;
using tabulon::ColumnProperty;
using tabulon::FindColumn;
using tabulon::MarkerKey_FullPath;
using tabulon::RowRecord;
using tabulon::RowSortEntry;
using tabulon::SortRowsByColumn;

namespace {

wxString OutsideTableText() { return _("?"); }

}  // namespace

void MUExperimentTextReaderMultiFile::ClearRowSequences() {
  allRows.clear();
  unfilteredRows.clear();
  shownRows.clear();
}

void MUExperimentTextReaderMultiFile::AppendToRowSequences(unsigned key, RowRecord& record) {
  record.positions[1] = static_cast<std::int32_t>(allRows.size());
  allRows.push_back(key);
  record.positions[2] = -1;
  record.positions[3] = -1;
  if ((record.flags & MURowFlag_AnyFilterBit) != 0) return;
  record.positions[2] = static_cast<std::int32_t>(unfilteredRows.size());
  unfilteredRows.push_back(key);
  if ((record.flags & MURowFlag_Hidden) != 0) return;
  record.positions[3] = static_cast<std::int32_t>(shownRows.size());
  shownRows.push_back(key);
}

void MUExperimentTextReaderMultiFile::RebuildRowSequences(const std::vector<RowSortEntry>& order) {
  ClearRowSequences();
  for (const RowSortEntry& row : order) AppendToRowSequences(row.key, *row.record);
}

std::vector<RowSortEntry> MUExperimentTextReaderMultiFile::RowsInKeyOrder() const {
  std::vector<RowSortEntry> order;
  order.reserve(rows.Size());
  for (std::size_t index = 0; index < rows.Size(); ++index) {
    if (RowRecord* record = rows.Find(index)) order.push_back({firstRowKey + static_cast<unsigned>(index), record});
  }
  return order;
}

// In key order straight from the store: no list of all rows on the way.
void MUExperimentTextReaderMultiFile::RenumberRows() {
  ClearRowSequences();
  for (std::size_t index = 0; index < rows.Size(); ++index) {
    if (RowRecord* record = rows.Find(index)) AppendToRowSequences(firstRowKey + static_cast<unsigned>(index), *record);
  }
}

bool MUExperimentTextReaderMultiFile::SortColumnInSelectedFile() const {
  if (sortColumn.empty()) return false;
  for (const auto& column : columns) {
    if (column->name != sortColumn) continue;
    for (const auto& source : column->sourceFiles) {
      if (IsFileSelected(*source.first)) return true;
    }
  }
  return false;
}

void MUExperimentTextReaderMultiFile::ResetKeysUsingSortSettings() {
  if (!SortColumnInSelectedFile()) {
    RenumberRows();
    return;
  }
  wxStopWatch stopwatch;
  std::vector<RowSortEntry> order = RowsInKeyOrder();
  for (const RowSortEntry& row : order) row.record->positions[0] = static_cast<std::int32_t>(row.key);
  SortRowsByColumn(order, sortColumn, sortDirection != 0);
  RebuildRowSequences(order);
  lastSortMilliseconds = static_cast<unsigned long>(stopwatch.Time());
}

void MUExperimentTextReaderMultiFile::ReSort() {
  ClearQueryCaches();
  ResetKeysUsingSortSettings();
}

void MUExperimentTextReaderMultiFile::SetSortSettings(const wxString& columnName, int direction) {
  if (columnName == sortColumn && direction == sortDirection) return;
  sortColumn = columnName;
  sortDirection = direction;
  rowIndexCache.Clear();
  ResetKeysUsingSortSettings();
  MUCommandEvent changed(MUEVT_TABULON_DATA_CHANGED);
  OnDataChanged(changed);
}

void MUExperimentTextReaderMultiFile::GetSortSettings(wxString& columnName, int& direction) const {
  columnName = sortColumn;
  direction = sortDirection;
}

void MUExperimentTextReaderMultiFile::ClearSortSettings() {
  if (sortColumn.empty()) return;
  sortColumn.clear();
  rowIndexCache.Clear();
  RenumberRows();
}

const MUExperimentTextReaderMultiFile::RowSequence& MUExperimentTextReaderMultiFile::SequenceOfScope(int scope) const {
  if (scope == MURowScope_Shown) return shownRows;
  if (scope == MURowScope_Unfiltered) return unfilteredRows;
  return allRows;
}

RowRecord* MUExperimentTextReaderMultiFile::RecordAt(const RowSequence& sequence, int index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= sequence.size()) return nullptr;
  return RecordOfKey(sequence[static_cast<std::size_t>(index)]);
}

RowRecord* MUExperimentTextReaderMultiFile::RecordOfKey(unsigned key) const {
  return key >= firstRowKey ? rows.Find(key - firstRowKey) : nullptr;
}

RowRecord* MUExperimentTextReaderMultiFile::ShownRecord(int shownRowIndex) const {
  return RecordAt(shownRows, shownRowIndex);
}

const RowRecord* MUExperimentTextReaderMultiFile::GetRowRecord(int index, int scope) const {
  if (scope != MURowScope_Shown && scope != MURowScope_All && scope != MURowScope_Unfiltered) return nullptr;
  return RecordAt(SequenceOfScope(scope), index);
}

int MUExperimentTextReaderMultiFile::GetRowCount() const { return shownRowCount; }

int MUExperimentTextReaderMultiFile::GetColumnCount() const { return shownColumnCount; }

const std::vector<wxString>& MUExperimentTextReaderMultiFile::GetColumnNames() const { return shownColumnNames; }

int MUExperimentTextReaderMultiFile::GetColumnIndex(const wxString& name) const {
  for (std::size_t i = 0; i < shownColumnNames.size(); ++i) {
    if (shownColumnNames[i] == name) return static_cast<int>(i);
  }
  return -1;
}

wxString MUExperimentTextReaderMultiFile::GetColumnName(int index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= shownColumnNames.size()) return OutsideTableText();
  return shownColumnNames[static_cast<std::size_t>(index)];
}

wxString MUExperimentTextReaderMultiFile::GetCellText(int row, int column) const {
  // The counts are those of the last refresh; a sort since then may have shortened the shown rows.
  if (row < 0 || row >= shownRowCount || column < 0 || column >= shownColumnCount) return OutsideTableText();
  const RowRecord* record = ShownRecord(row);
  if (record == nullptr || static_cast<std::size_t>(column) >= shownColumnNames.size()) return OutsideTableText();
  return record->CellText(shownColumnNames[static_cast<std::size_t>(column)]);
}

void MUExperimentTextReaderMultiFile::HideRow(int shownRowIndex) {
  RowRecord* record = ShownRecord(shownRowIndex);
  if (record == nullptr) return;
  record->flags |= MURowFlag_Hidden;
  MarkRefreshNeeded();
}

void MUExperimentTextReaderMultiFile::ShowAllRows() {
  const wxString fullPathKey(MarkerKey_FullPath);
  for (std::size_t index = 0; index < rows.Size(); ++index) {
    RowRecord* record = rows.Find(index);
    if (record != nullptr && IsFileSelected(record->CellText(fullPathKey))) {
      record->flags &= ~static_cast<std::uint32_t>(MURowFlag_Hidden);
    }
  }
  MarkRefreshNeeded();
}

void MUExperimentTextReaderMultiFile::SetRowMarked(int shownRowIndex, bool on) {
  RowRecord* record = ShownRecord(shownRowIndex);
  if (record == nullptr) return;
  if (on) {
    record->flags |= MURowFlag_Marked;
  } else {
    record->flags &= ~static_cast<std::uint32_t>(MURowFlag_Marked);
  }
  ForgetMarkDependentResults();
  // Only an application's event loop can deliver it; a plug-in host without one simply gets no event.
  // (Asked of the console base class: the GUI application class is not part of the libraries linked.)
  if (wxAppConsole* application = wxAppConsole::GetInstance()) {
    application->QueueEvent(new MUCommandEvent(MUEVT_TABULON_ROW_MARKING_CHANGED));
  }
}

void MUExperimentTextReaderMultiFile::ToggleRowMarked(int shownRowIndex) {
  if (ShownRecord(shownRowIndex) == nullptr) return;
  SetRowMarked(shownRowIndex, !IsRowMarked(shownRowIndex));
}

bool MUExperimentTextReaderMultiFile::IsRowMarked(int shownRowIndex) const {
  const RowRecord* record = ShownRecord(shownRowIndex);
  return record != nullptr && (record->flags & MURowFlag_Marked) != 0;
}

const ColumnProperty* MUExperimentTextReaderMultiFile::FindColumnProperty(const wxString& name) const {
  return FindColumn(columns, name);
}

bool MUExperimentTextReaderMultiFile::ColumnHasFlags(const wxString& name, std::uint32_t mask) const {
  const ColumnProperty* column = FindColumn(columns, name);
  return column != nullptr && (column->flags & mask) == mask;
}

bool MUExperimentTextReaderMultiFile::IsTrialVariableColumn(const wxString& name) const {
  return ColumnHasFlags(name, ColumnFlag_TrialVariable);
}

bool MUExperimentTextReaderMultiFile::IsFirstSegmentAbsentColumn(const wxString& name) const {
  return ColumnHasFlags(name, ColumnFlag_FirstSegmentAbsent);
}

void MUExperimentTextReaderMultiFile::HideColumn(const wxString& name) {
  ColumnProperty* column = FindColumn(columns, name);
  if (column == nullptr) return;
  column->flags |= ColumnFlag_HiddenByUser;
  MarkRefreshNeeded();
}

void MUExperimentTextReaderMultiFile::ShowColumn(const wxString& name) {
  ColumnProperty* column = FindColumn(columns, name);
  if (column == nullptr) return;
  column->flags &= ~static_cast<std::uint32_t>(ColumnFlag_HiddenByUser);
  MarkRefreshNeeded();
}

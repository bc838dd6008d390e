// The reader's table: row order and sequences, sorting, cell and column access, row and column flags.
#include "tabulon/muexperimenttextreadermultifile.h"
#include "tabulon/columnnames.h"
#include "tabulon/rowrecord.h"
#include "tabulon/rowsorting.h"
#include <chrono>
#include <wx/app.h>
#include <wx/translation.h>

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
  allRows_.clear();
  unfilteredRows_.clear();
  shownRows_.clear();
}

void MUExperimentTextReaderMultiFile::AppendToRowSequences(unsigned key, RowRecord& record) {
  record.positions[1] = static_cast<std::int32_t>(allRows_.size());
  allRows_.push_back(key);
  record.positions[2] = -1;
  record.positions[3] = -1;
  if ((record.flags & tabulon::RowFlag::AnyFilterBit) != 0) return;
  record.positions[2] = static_cast<std::int32_t>(unfilteredRows_.size());
  unfilteredRows_.push_back(key);
  if ((record.flags & tabulon::RowFlag::Hidden) != 0) return;
  record.positions[3] = static_cast<std::int32_t>(shownRows_.size());
  shownRows_.push_back(key);
}

void MUExperimentTextReaderMultiFile::RebuildRowSequences(const std::vector<RowSortEntry>& order) {
  ClearRowSequences();
  for (const RowSortEntry& row : order) AppendToRowSequences(row.key, *row.record);
}

std::vector<RowSortEntry> MUExperimentTextReaderMultiFile::RowsInKeyOrder() const {
  std::vector<RowSortEntry> order;
  order.reserve(rows_.Size());
  for (std::size_t index = 0; index < rows_.Size(); ++index) {
    if (RowRecord* record = rows_.Find(index)) order.push_back({firstRowKey_ + static_cast<unsigned>(index), record});
  }
  return order;
}

// In key order straight from the store: no list of all rows on the way.
void MUExperimentTextReaderMultiFile::RenumberRows() {
  ClearRowSequences();
  for (std::size_t index = 0; index < rows_.Size(); ++index) {
    if (RowRecord* record = rows_.Find(index))
      AppendToRowSequences(firstRowKey_ + static_cast<unsigned>(index), *record);
  }
}

bool MUExperimentTextReaderMultiFile::SortColumnInSelectedFile() const {
  if (sortColumn_.empty()) return false;
  for (const auto& column : columns_) {
    if (column->name != sortColumn_) continue;
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
  // Timed by the steady clock: a wall clock set back while sorting cannot make the time negative.
  const auto started = std::chrono::steady_clock::now();
  std::vector<RowSortEntry> order = RowsInKeyOrder();
  for (const RowSortEntry& row : order) row.record->positions[0] = static_cast<std::int32_t>(row.key);
  SortRowsByColumn(order, sortColumn_, sortDirection_ != 0);
  RebuildRowSequences(order);
  lastSortMilliseconds_ = static_cast<unsigned long>(
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started).count());
}

void MUExperimentTextReaderMultiFile::ReSort() {
  ClearQueryCaches();
  ResetKeysUsingSortSettings();
}

void MUExperimentTextReaderMultiFile::SetSortSettings(const wxString& columnName, int direction) {
  if (columnName == sortColumn_ && direction == sortDirection_) return;
  sortColumn_ = columnName;
  sortDirection_ = direction;
  rowIndexCache_.Clear();
  ResetKeysUsingSortSettings();
  tabulon::CommandEvent changed(tabulon::EVT_DATA_CHANGED);
  OnDataChanged(changed);
}

void MUExperimentTextReaderMultiFile::GetSortSettings(wxString& columnName, int& direction) const {
  columnName = sortColumn_;
  direction = sortDirection_;
}

void MUExperimentTextReaderMultiFile::ClearSortSettings() {
  if (sortColumn_.empty()) return;
  sortColumn_.clear();
  rowIndexCache_.Clear();
  RenumberRows();
}

const MUExperimentTextReaderMultiFile::RowSequence& MUExperimentTextReaderMultiFile::SequenceOfScope(int scope) const {
  if (scope == tabulon::RowScope::Shown) return shownRows_;
  if (scope == tabulon::RowScope::Unfiltered) return unfilteredRows_;
  return allRows_;
}

RowRecord* MUExperimentTextReaderMultiFile::RecordAt(const RowSequence& sequence, int index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= sequence.size()) return nullptr;
  return RecordOfKey(sequence[static_cast<std::size_t>(index)]);
}

RowRecord* MUExperimentTextReaderMultiFile::RecordOfKey(unsigned key) const {
  return key >= firstRowKey_ ? rows_.Find(key - firstRowKey_) : nullptr;
}

RowRecord* MUExperimentTextReaderMultiFile::ShownRecord(int shownRowIndex) const {
  return RecordAt(shownRows_, shownRowIndex);
}

const RowRecord* MUExperimentTextReaderMultiFile::GetRowRecord(int index, int scope) const {
  if (scope != tabulon::RowScope::Shown && scope != tabulon::RowScope::All && scope != tabulon::RowScope::Unfiltered)
    return nullptr;
  return RecordAt(SequenceOfScope(scope), index);
}

int MUExperimentTextReaderMultiFile::GetRowCount() const { return shownRowCount_; }

int MUExperimentTextReaderMultiFile::GetColumnCount() const { return shownColumnCount_; }

const std::vector<wxString>& MUExperimentTextReaderMultiFile::GetColumnNames() const { return shownColumnNames_; }

int MUExperimentTextReaderMultiFile::GetColumnIndex(const wxString& name) const {
  for (std::size_t i = 0; i < shownColumnNames_.size(); ++i) {
    if (shownColumnNames_[i] == name) return static_cast<int>(i);
  }
  return -1;
}

wxString MUExperimentTextReaderMultiFile::GetColumnName(int index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= shownColumnNames_.size()) return OutsideTableText();
  return shownColumnNames_[static_cast<std::size_t>(index)];
}

wxString MUExperimentTextReaderMultiFile::GetCellText(int row, int column) const {
  // The counts are those of the last refresh; a sort since then may have shortened the shown rows.
  if (row < 0 || row >= shownRowCount_ || column < 0 || column >= shownColumnCount_) return OutsideTableText();
  const RowRecord* record = ShownRecord(row);
  if (record == nullptr || static_cast<std::size_t>(column) >= shownColumnNames_.size()) return OutsideTableText();
  return record->CellText(shownColumnNames_[static_cast<std::size_t>(column)]);
}

void MUExperimentTextReaderMultiFile::HideRow(int shownRowIndex) {
  RowRecord* record = ShownRecord(shownRowIndex);
  if (record == nullptr) return;
  record->flags |= tabulon::RowFlag::Hidden;
  MarkRefreshNeeded();
}

void MUExperimentTextReaderMultiFile::ShowAllRows() {
  const wxString fullPathKey(MarkerKey_FullPath);
  for (std::size_t index = 0; index < rows_.Size(); ++index) {
    RowRecord* record = rows_.Find(index);
    if (record != nullptr && IsFileSelected(record->CellText(fullPathKey))) {
      record->flags &= ~static_cast<std::uint32_t>(tabulon::RowFlag::Hidden);
    }
  }
  MarkRefreshNeeded();
}

void MUExperimentTextReaderMultiFile::SetRowMarked(int shownRowIndex, bool on) {
  RowRecord* record = ShownRecord(shownRowIndex);
  if (record == nullptr) return;
  if (on) {
    record->flags |= tabulon::RowFlag::Marked;
  } else {
    record->flags &= ~static_cast<std::uint32_t>(tabulon::RowFlag::Marked);
  }
  ForgetMarkDependentResults();
  // Only an application's event loop can deliver it; a plug-in host without one simply gets no event.
  // (Asked of the console base class: the GUI application class is not part of the libraries linked.)
  if (wxAppConsole* application = wxAppConsole::GetInstance()) {
    application->QueueEvent(new tabulon::CommandEvent(tabulon::EVT_ROW_MARKING_CHANGED));
  }
}

void MUExperimentTextReaderMultiFile::ToggleRowMarked(int shownRowIndex) {
  if (ShownRecord(shownRowIndex) == nullptr) return;
  SetRowMarked(shownRowIndex, !IsRowMarked(shownRowIndex));
}

bool MUExperimentTextReaderMultiFile::IsRowMarked(int shownRowIndex) const {
  const RowRecord* record = ShownRecord(shownRowIndex);
  return record != nullptr && (record->flags & tabulon::RowFlag::Marked) != 0;
}

const ColumnProperty* MUExperimentTextReaderMultiFile::FindColumnProperty(const wxString& name) const {
  return FindColumn(columns_, name);
}

bool MUExperimentTextReaderMultiFile::ColumnHasFlags(const wxString& name, std::uint32_t mask) const {
  const ColumnProperty* column = FindColumn(columns_, name);
  return column != nullptr && (column->flags & mask) == mask;
}

bool MUExperimentTextReaderMultiFile::IsTrialVariableColumn(const wxString& name) const {
  return ColumnHasFlags(name, tabulon::ColumnFlag::TrialVariable);
}

bool MUExperimentTextReaderMultiFile::IsFirstSegmentAbsentColumn(const wxString& name) const {
  return ColumnHasFlags(name, tabulon::ColumnFlag::FirstSegmentAbsent);
}

void MUExperimentTextReaderMultiFile::HideColumn(const wxString& name) {
  ColumnProperty* column = FindColumn(columns_, name);
  if (column == nullptr) return;
  column->flags |= tabulon::ColumnFlag::HiddenByUser;
  MarkRefreshNeeded();
}

void MUExperimentTextReaderMultiFile::ShowColumn(const wxString& name) {
  ColumnProperty* column = FindColumn(columns_, name);
  if (column == nullptr) return;
  column->flags &= ~static_cast<std::uint32_t>(tabulon::ColumnFlag::HiddenByUser);
  MarkRefreshNeeded();
}

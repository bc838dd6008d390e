#include "tabulon/src/rowrecord.h"
#include "tabulon/src/celltext.h"
#include <utility>

namespace tabulon {

std::uint32_t RowRecordLayout::AddColumn(const wxString& name) {
  Entry& entry = entries[name];
  if (entry.column == npos) entry.column = columnCount++;
  return entry.column;
}

void RowRecordLayout::SetCommonCell(const wxString& name, const wxString& text) {
  Entry& entry = entries[name];
  if (entry.common == npos) {
    entry.common = static_cast<std::uint32_t>(commonTexts.size());
    commonTexts.push_back(text);
  } else {
    commonTexts[entry.common] = text;
  }
}

std::uint32_t RowRecordLayout::ColumnSlot(const wxString& name) const {
  const Entry* entry = Find(name);
  return entry ? entry->column : npos;
}

const RowRecordLayout::Entry* RowRecordLayout::Find(const wxString& name) const {
  auto it = entries.find(name);
  return it == entries.end() ? nullptr : &it->second;
}

RowRecord::RowRecord(std::shared_ptr<RowRecordLayout> sharedLayout, std::uint32_t presentColumns)
    : layout(std::move(sharedLayout)), unfilledUpTo(presentColumns) {
  if (layout && unfilledUpTo > layout->ColumnCount()) unfilledUpTo = layout->ColumnCount();
  if (!layout) unfilledUpTo = 0;
  // No room is reserved for the columns: a short row after a wide one holds only the cells it has.
}

RowRecord::CellRef RowRecord::FindCell(const wxString& column) const {
  CellRef ref;
  if (!layout) return ref;
  const RowRecordLayout::Entry* entry = layout->Find(column);
  if (!entry) return ref;
  if (entry->column != RowRecordLayout::npos) {
    const std::uint32_t slot = entry->column;
    if (slot < cells.size()) {
      if (cells[slot].state == Cell_Text) {
        ref.text = &cells[slot].text;
        ref.keysFromText = true;
        return ref;
      }
      if (cells[slot].state == Cell_Unfilled) {
        ref.text = &cells[slot].text;
        return ref;
      }
    } else if (slot < unfilledUpTo) {
      static const wxString empty;
      ref.text = &empty;
      return ref;
    }
  }
  if (entry->common != RowRecordLayout::npos) {
    ref.text = &layout->commonTexts[entry->common];
    ref.keysFromText = true;
  }
  return ref;
}

bool RowRecord::HasCell(const wxString& column) const { return FindCell(column).text != nullptr; }

const wxString& RowRecord::CellText(const wxString& column) const {
  static const wxString empty;
  const CellRef ref = FindCell(column);
  return ref.text ? *ref.text : empty;
}

double RowRecord::SortKey(const wxString& column, int part) const {
  if (part < 0 || part > 2) return 0;
  const CellRef ref = FindCell(column);
  if (!ref.text || !ref.keysFromText) return 0;
  return SortKeyOfSixAt(*ref.text, static_cast<std::size_t>(part) * 6);
}

bool RowRecord::IsCoveredBySortKeys(const wxString& column) const {
  const CellRef ref = FindCell(column);
  if (!ref.text || !ref.keysFromText) return true;
  return CharacterCount(*ref.text) < 19;
}

void RowRecord::EnsureOwnLayout() {
  if (!layout) {
    layout = std::make_shared<RowRecordLayout>();
  } else if (layout.use_count() > 1) {
    // Other records share the layout: a new name must not appear in theirs, so this record takes a copy.
    layout = std::make_shared<RowRecordLayout>(*layout);
  }
}

RowRecord::Cell& RowRecord::CellAt(std::uint32_t slot) {
  if (slot >= cells.size()) {
    std::size_t first = cells.size();
    cells.resize(static_cast<std::size_t>(slot) + 1);
    for (std::size_t i = first; i < cells.size(); ++i) cells[i].state = i < unfilledUpTo ? Cell_Unfilled : Cell_Absent;
  }
  return cells[slot];
}

void RowRecord::SetCell(const wxString& column, const wxString& text) {
  std::uint32_t slot = layout ? layout->ColumnSlot(column) : RowRecordLayout::npos;
  if (slot == RowRecordLayout::npos) {
    EnsureOwnLayout();
    slot = layout->AddColumn(column);
  }
  Cell& cell = CellAt(slot);
  cell.text = text;
  cell.state = Cell_Text;
}

void RowRecord::SetColumnText(std::uint32_t slot, wxString text) {
  // The toolkit's string has no move operations: the text is swapped in rather than copied.
  if (wxString* cellText = ColumnTextToFill(slot)) cellText->swap(text);
}

wxString* RowRecord::ColumnTextToFill(std::uint32_t slot) {
  if (!layout || slot >= layout->ColumnCount()) return nullptr;
  Cell& cell = slot == cells.size() ? cells.emplace_back() : CellAt(slot);
  cell.state = Cell_Text;
  return &cell.text;
}

const wxString* RowRecord::ColumnTextIfPresent(std::uint32_t slot) const {
  static const wxString empty;
  if (slot < cells.size()) return cells[slot].state == Cell_Absent ? nullptr : &cells[slot].text;
  return slot < unfilledUpTo ? &empty : nullptr;
}

}  // namespace tabulon

#include "tabulon/rowrecord.h"
#include "tabulon/celltext.h"
#include "tabulon/columnnames.h"
#include <algorithm>
#include <cstring>
#include <iterator>
#include <stdexcept>
#include <utility>

namespace tabulon {

namespace {

// The block's 32-bit words are kept in wxChar units (one or two, by platform), copied in and out bytewise.
constexpr std::size_t kUnitsPerWord = sizeof(std::uint32_t) / sizeof(wxChar);
static_assert(kUnitsPerWord * sizeof(wxChar) == sizeof(std::uint32_t), "a word fills whole characters");
constexpr std::uint32_t kEndMask = 0x3FFFFFFFu;
constexpr int kStateShift = 30;

std::uint32_t ReadWord(const wxChar* block, std::size_t word) {
  std::uint32_t value = 0;
  std::memcpy(&value, block + word * kUnitsPerWord, sizeof value);
  return value;
}

void WriteWord(wxChar* block, std::size_t word, std::uint32_t value) {
  std::memcpy(block + word * kUnitsPerWord, &value, sizeof value);
}

// A block of count cells, the text and state of each from the callbacks; null for none.
template <typename TextOf, typename StateOf>
std::unique_ptr<wxChar[]> PackCells(std::size_t count, TextOf textOf, StateOf stateOf) {
  if (count == 0) return nullptr;
  std::size_t characters = 0;
  for (std::size_t slot = 0; slot < count; ++slot) characters += textOf(slot).length();
  if (characters > kEndMask || count > kEndMask) throw std::length_error("a row's cells are too long");
  const std::size_t words = std::size_t{1} + count;
  auto block = std::make_unique<wxChar[]>(words * kUnitsPerWord + characters);
  WriteWord(block.get(), 0, static_cast<std::uint32_t>(count));
  wxChar* texts = block.get() + words * kUnitsPerWord;
  std::size_t end = 0;
  for (std::size_t slot = 0; slot < count; ++slot) {
    const wxString& text = textOf(slot);
    std::copy(text.wx_str(), text.wx_str() + text.length(), texts + end);
    end += text.length();
    WriteWord(block.get(), slot + 1, static_cast<std::uint32_t>(end) | (stateOf(slot) << kStateShift));
  }
  return block;
}

// The characters the block of that many cells holds, its words included.
std::size_t BlockUnits(const wxChar* block) {
  const std::uint32_t count = ReadWord(block, 0);
  const std::size_t words = std::size_t{1} + count;
  return words * kUnitsPerWord + (count == 0 ? 0 : (ReadWord(block, count) & kEndMask));
}

}  // namespace

RowRecordLayout::RowRecordLayout(const RowRecordLayout& other)
    : entries_(other.entries_), commonTexts_(other.commonTexts_), columnCount_(other.columnCount_) {}

LayoutRef::LayoutRef(RowRecordLayout* adopted) : layout_(adopted) { layout_->references_.fetch_add(1); }

LayoutRef LayoutRef::Make() { return LayoutRef(new RowRecordLayout()); }

LayoutRef LayoutRef::CopyOf(const RowRecordLayout& original) { return LayoutRef(new RowRecordLayout(original)); }

LayoutRef::LayoutRef(const LayoutRef& other) noexcept : layout_(other.layout_) {
  if (layout_) layout_->references_.fetch_add(1);
}

LayoutRef::LayoutRef(LayoutRef&& other) noexcept : layout_(other.layout_) { other.layout_ = nullptr; }

LayoutRef& LayoutRef::operator=(LayoutRef other) noexcept {
  std::swap(layout_, other.layout_);
  return *this;
}

LayoutRef::~LayoutRef() {
  if (layout_ && layout_->references_.fetch_sub(1) == 1) delete layout_;
}

bool LayoutRef::IsShared() const { return layout_ && layout_->references_.load() > 1; }

std::uint32_t RowRecordLayout::AddColumn(const wxString& name) {
  Entry& entry = entries_[name];
  if (entry.column == npos) entry.column = columnCount_++;
  return entry.column;
}

void RowRecordLayout::SetCommonCell(const wxString& name, const wxString& text) {
  Entry& entry = entries_[name];
  if (entry.common == npos) {
    entry.common = static_cast<std::uint32_t>(commonTexts_.size());
    commonTexts_.push_back(text);
  } else {
    commonTexts_[entry.common] = text;
  }
}

std::uint32_t RowRecordLayout::ColumnSlot(const wxString& name) const {
  const Entry* entry = Find(name);
  return entry ? entry->column : npos;
}

const RowRecordLayout::Entry* RowRecordLayout::Find(const wxString& name) const {
  auto it = entries_.find(name);
  return it == entries_.end() ? nullptr : &it->second;
}

RowRecord::RowRecord(LayoutRef sharedLayout, std::uint32_t presentColumns)
    : unfilledUpTo_(presentColumns), layout_(std::move(sharedLayout)) {
  if (layout_ && unfilledUpTo_ > layout_->ColumnCount()) unfilledUpTo_ = layout_->ColumnCount();
  if (!layout_) unfilledUpTo_ = 0;
}

RowRecord::RowRecord(const RowRecord& other)
    : flags(other.flags), unfilledUpTo_(other.unfilledUpTo_), layout_(other.layout_) {
  std::copy(std::begin(other.positions), std::end(other.positions), std::begin(positions));
  if (other.cellBlock_) {
    const std::size_t units = BlockUnits(other.cellBlock_.get());
    cellBlock_ = std::make_unique<wxChar[]>(units);
    std::copy(other.cellBlock_.get(), other.cellBlock_.get() + units, cellBlock_.get());
  }
}

RowRecord& RowRecord::operator=(const RowRecord& other) {
  if (this != &other) *this = RowRecord(other);
  return *this;
}

std::uint32_t RowRecord::StoredCellCount() const { return cellBlock_ ? ReadWord(cellBlock_.get(), 0) : 0; }

RowRecord::CellRef RowRecord::FindCell(const wxString& column) const {
  CellRef ref;
  if (!layout_) return ref;
  const RowRecordLayout::Entry* entry = layout_->Find(column);
  if (!entry) return ref;
  if (entry->column != RowRecordLayout::npos) {
    const std::uint32_t slot = entry->column;
    const std::uint32_t stored = StoredCellCount();
    if (slot < stored) {
      const wxChar* block = cellBlock_.get();
      const std::uint32_t word = ReadWord(block, std::size_t{1} + slot);
      const auto state = static_cast<CellState>(word >> kStateShift);
      if (state != CellState::Absent) {
        const std::size_t begin = slot == 0 ? 0 : (ReadWord(block, slot) & kEndMask);
        ref.chars = block + (std::size_t{1} + stored) * kUnitsPerWord + begin;
        ref.length = (word & kEndMask) - begin;
        ref.keysFromText = state == CellState::Text;
        return ref;
      }
    } else if (slot < unfilledUpTo_) {
      ref.chars = wxS("");
      return ref;
    }
  }
  if (entry->common != RowRecordLayout::npos) {
    const wxString& text = layout_->commonTexts_[entry->common];
    ref.chars = text.wx_str();
    ref.length = text.length();
    ref.keysFromText = true;
  }
  return ref;
}

double RowRecord::ReactionTime() const {
  const CellRef ref = FindCell(ReactionTimeColumnName());
  double value = -999999.0;
  if (ref.chars && !wxString(ref.chars, ref.length).ToCDouble(&value)) value = -999999.0;
  return value;
}

bool RowRecord::HasCell(const wxString& column) const { return FindCell(column).chars != nullptr; }

wxString RowRecord::CellText(const wxString& column) const {
  const CellRef ref = FindCell(column);
  return ref.chars ? wxString(ref.chars, ref.length) : wxString();
}

double RowRecord::SortKey(const wxString& column, int part) const {
  if (part < 0 || part > 2) return 0;
  const CellRef ref = FindCell(column);
  if (!ref.chars || !ref.keysFromText) return 0;
  return SortKeyOfSixAt(wxString(ref.chars, ref.length), static_cast<std::size_t>(part) * 6);
}

bool RowRecord::IsCoveredBySortKeys(const wxString& column) const {
  const CellRef ref = FindCell(column);
  if (!ref.chars || !ref.keysFromText) return true;
  return CharacterCount(wxString(ref.chars, ref.length)) < 19;
}

void RowRecord::EnsureOwnLayout() {
  if (!layout_) {
    layout_ = LayoutRef::Make();
  } else if (layout_.IsShared()) {
    // Other records share the layout: a new name must not appear in theirs, so this record takes a copy.
    layout_ = LayoutRef::CopyOf(*layout_);
  }
}

std::vector<RowRecord::LooseCell> RowRecord::LooseCells() const {
  std::vector<LooseCell> cells(StoredCellCount());
  const wxChar* block = cellBlock_.get();
  const wxChar* texts = block + (std::size_t{1} + cells.size()) * kUnitsPerWord;
  std::size_t begin = 0;
  for (std::size_t slot = 0; slot < cells.size(); ++slot) {
    const std::uint32_t word = ReadWord(block, slot + 1);
    const std::size_t end = word & kEndMask;
    cells[slot].state = static_cast<CellState>(word >> kStateShift);
    cells[slot].text.assign(texts + begin, end - begin);
    begin = end;
  }
  return cells;
}

void RowRecord::Pack(const std::vector<LooseCell>& cells) {
  cellBlock_ = PackCells(
      cells.size(), [&](std::size_t slot) -> const wxString& { return cells[slot].text; },
      [&](std::size_t slot) { return static_cast<std::uint32_t>(cells[slot].state); });
}

void RowRecord::SetLooseCell(std::uint32_t slot, const wxString& text) {
  std::vector<LooseCell> cells = LooseCells();
  if (slot >= cells.size()) {
    const std::size_t first = cells.size();
    cells.resize(static_cast<std::size_t>(slot) + 1);
    for (std::size_t i = first; i < cells.size(); ++i)
      cells[i].state = i < unfilledUpTo_ ? CellState::Unfilled : CellState::Absent;
  }
  cells[slot].state = CellState::Text;
  cells[slot].text = text;
  Pack(cells);
}

void RowRecord::SetCell(const wxString& column, const wxString& text) {
  std::uint32_t slot = layout_ ? layout_->ColumnSlot(column) : RowRecordLayout::npos;
  if (slot == RowRecordLayout::npos) {
    EnsureOwnLayout();
    slot = layout_->AddColumn(column);
  }
  SetLooseCell(slot, text);
}

void RowRecord::SetColumnText(std::uint32_t slot, const wxString& text) {
  if (!layout_ || slot >= layout_->ColumnCount()) return;
  SetLooseCell(slot, text);
}

void RowRecord::SetFirstColumnTexts(const std::vector<wxString>& texts, std::size_t count) {
  count = std::min({count, texts.size(), static_cast<std::size_t>(layout_ ? layout_->ColumnCount() : 0)});
  // Packed straight from the texts, without a loose copy of each: a parser calls this once per row.
  cellBlock_ = PackCells(
      count, [&](std::size_t slot) -> const wxString& { return texts[slot]; },
      [](std::size_t) { return static_cast<std::uint32_t>(CellState::Text); });
}

}  // namespace tabulon

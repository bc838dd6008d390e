#pragma once
#include <atomic>
#include <cstdint>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>
#include <wx/string.h>

namespace tabulon {

// The column names of the rows of one data file, shared by all its records: which name sits in which cell slot
// of a record, and the cells that every record of the file carries alike (its header values under the marker
// keys). Sharing it keeps a record down to one vector of texts instead of one map node per cell.
class RowRecordLayout {
 public:
  static constexpr std::uint32_t npos = 0xFFFFFFFFu;

  RowRecordLayout() = default;
  // A copy of the names and common cells; the copy starts without references.
  RowRecordLayout(const RowRecordLayout& other);
  RowRecordLayout& operator=(const RowRecordLayout&) = delete;

  // Adds a per-record column and returns its slot; a name that already is a column keeps its slot.
  std::uint32_t AddColumn(const wxString& name);
  // Enters a cell that every record of this layout reads alike. A column of the same name takes precedence
  // in the records that have a cell in it.
  void SetCommonCell(const wxString& name, const wxString& text);
  std::uint32_t ColumnCount() const { return columnCount_; }
  // The slot of the column of that name, or npos.
  std::uint32_t ColumnSlot(const wxString& name) const;

 private:
  friend class RowRecord;
  friend class LayoutRef;
  struct NameHash {
    std::size_t operator()(const wxString& s) const {
      return std::hash<std::wstring_view>()(std::wstring_view(s.wx_str(), s.length()));
    }
  };
  struct Entry {
    std::uint32_t column = npos;
    std::uint32_t common = npos;
  };
  const Entry* Find(const wxString& name) const;

  std::unordered_map<wxString, Entry, NameHash> entries_;
  std::vector<wxString> commonTexts_;
  std::uint32_t columnCount_ = 0;
  std::atomic<std::uint32_t> references_{0};
};

// A counted reference to a layout, one pointer wide (a shared pointer takes two): a file of a million rows holds a
// million of these. The layout goes when its last reference does.
class LayoutRef {
 public:
  LayoutRef() = default;
  // A reference to a new, empty layout.
  static LayoutRef Make();
  // A reference to a new layout with the names and common cells of that one.
  static LayoutRef CopyOf(const RowRecordLayout& original);
  LayoutRef(const LayoutRef& other) noexcept;
  LayoutRef(LayoutRef&& other) noexcept;
  LayoutRef& operator=(LayoutRef other) noexcept;
  ~LayoutRef();

  RowRecordLayout* operator->() const { return layout_; }
  RowRecordLayout& operator*() const { return *layout_; }
  explicit operator bool() const { return layout_ != nullptr; }
  // Whether another reference to the same layout exists.
  bool IsShared() const;

 private:
  explicit LayoutRef(RowRecordLayout* adopted);

  RowRecordLayout* layout_ = nullptr;
};

// One data row of a data file: its cell texts keyed by full column name (the five header marker keys included),
// the sort keys of each cell, its reaction time, and the bookkeeping the reader keeps per row.
//
// The public operations below are what the rest of the library uses; how the cells are stored is private: a row's
// cells sit together in one block, so that a short row costs one small allocation and an empty one none.
class RowRecord {
 public:
  // Reader bookkeeping (see the reader): row flag bits, and the positions
  // [0] row key once sorted, [1] index among all rows, [2] among unfiltered rows, [3] among shown rows.
  std::uint32_t flags = 0;
  std::int32_t positions[4] = {-1, -1, -1, -1};

 private:
  // Slots from the stored cells' count up to this one are present but unfilled. Declared here, beside the other
  // 32-bit fields, so that the record has no padding.
  std::uint32_t unfilledUpTo_ = 0;

 public:
  // The value of the "Reaction\nTime" cell when it parses as a number, else -999999.0. Read from the cell rather
  // than kept: the parsers are the only writers of cells a record already has.
  double ReactionTime() const;

  // A record without cells.
  RowRecord() = default;
  // A record as a parser makes it: it has a cell in each of the layout's first presentColumns columns, which
  // reads as the empty text with sort keys 0 until it is filled.
  RowRecord(LayoutRef layout, std::uint32_t presentColumns);
  RowRecord(const RowRecord& other);
  RowRecord& operator=(const RowRecord& other);
  RowRecord(RowRecord&&) noexcept = default;
  RowRecord& operator=(RowRecord&&) noexcept = default;
  ~RowRecord() = default;

  bool HasCell(const wxString& column) const;
  // The cell's text; the empty text when the record has no cell under that name.
  wxString CellText(const wxString& column) const;
  // SortKeyOfSix of the cell's characters 1-6 (part 0), 7-12 (part 1) and 13-18 (part 2); 0 without such cell.
  double SortKey(const wxString& column, int part) const;
  // Whether the three sort keys cover the whole text (at most 18 characters); true without such cell.
  bool IsCoveredBySortKeys(const wxString& column) const;

  // Enters (or replaces) a cell; the sort keys and the covered flag are computed from the text.
  void SetCell(const wxString& column, const wxString& text);
  // The cell of the layout column in that slot, without a name lookup; nothing when the layout has no such slot.
  void SetColumnText(std::uint32_t slot, const wxString& text);
  // The parsers' way in: the cells of the layout's first count columns at once, from texts[0] on (count at most
  // texts.size() and the layout's column count); replaces every cell entered before.
  void SetFirstColumnTexts(const std::vector<wxString>& texts, std::size_t count);

 private:
  enum class CellState : std::uint8_t {
    Absent = 0,
    Text = 1,      // sort keys follow from the text
    Unfilled = 2,  // a column the row had no cell for: empty text, sort keys 0
  };
  struct CellRef {
    const wxChar* chars = nullptr;  // null: no such cell
    std::size_t length = 0;
    bool keysFromText = false;
  };
  struct LooseCell {
    CellState state = CellState::Absent;
    wxString text;
  };
  CellRef FindCell(const wxString& column) const;
  void EnsureOwnLayout();
  std::uint32_t StoredCellCount() const;
  // The stored cells one by one, for a change that is not a parser's.
  std::vector<LooseCell> LooseCells() const;
  // Packs the cells into a new block (none for no cells).
  void Pack(const std::vector<LooseCell>& cells);
  void SetLooseCell(std::uint32_t slot, const wxString& text);

  LayoutRef layout_;
  // The cell count, then per cell the end of its text with its state in the top two bits, each as a 32-bit word,
  // then the texts one after another; null without stored cells.
  std::unique_ptr<wxChar[]> cellBlock_;
};

static_assert(sizeof(void*) != 8 || sizeof(RowRecord) <= 40, "a row record stays small: files hold many");

}  // namespace tabulon

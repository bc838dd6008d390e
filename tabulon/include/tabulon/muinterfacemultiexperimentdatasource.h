#pragma once
#include <cstdint>
#include <vector>
#include <wx/string.h>

namespace tabulon {
class RowPredicate;
class RowRecord;

// Row scopes: which of the reader's row sequences an index or a query refers to (the reader's operations take
// them as int).
namespace RowScope {
constexpr int Shown = 1;
constexpr int All = 2;
constexpr int Unfiltered = 4;
}  // namespace RowScope

// Row flag bits.
namespace RowFlag {
constexpr std::uint32_t Filtered4 = 4;
constexpr std::uint32_t Filtered8 = 8;
constexpr std::uint32_t Filtered16 = 16;
constexpr std::uint32_t AnyFilterBit = 4 | 8 | 16;
constexpr std::uint32_t Hidden = 32;
constexpr std::uint32_t Marked = 64;
}  // namespace RowFlag

}  // namespace tabulon

// One or more data files seen as one table of shown rows and shown columns, addressed by zero-based index.
// Reads outside the table give "?" (texts) or -1 (column lookup); nothing here throws.
class MUInterfaceMultiExperimentDataSource {
 public:
  virtual ~MUInterfaceMultiExperimentDataSource();
  virtual std::vector<wxString> GetSelectedFiles() const = 0;
  virtual void HideRow(int shownRowIndex) = 0;
  virtual void ShowAllRows() = 0;
  virtual void HideColumn(const wxString& name) = 0;
  virtual void ShowColumn(const wxString& name) = 0;
  virtual void HideEmptyColumnsBasedOnCurrentlyShownRows() = 0;
  virtual void SetRowMarked(int shownRowIndex, bool on) = 0;
  virtual void ToggleRowMarked(int shownRowIndex) = 0;
  virtual bool IsRowMarked(int shownRowIndex) const = 0;
  virtual bool IsTrialVariableColumn(const wxString& name) const = 0;
  virtual bool IsFirstSegmentAbsentColumn(const wxString& name) const = 0;
  // A direction of 0 sorts ascending, any other value descending.
  virtual void SetSortSettings(const wxString& columnName, int direction) = 0;
  virtual void GetSortSettings(wxString& columnName, int& direction) const = 0;
  virtual void ClearSortSettings() = 0;

  // The distinct texts of a column over the rows of a scope, in order of first occurrence.
  virtual std::vector<wxString> SelectDistinctPerColumn(const wxString& columnName, int scope, bool trim) = 0;
  // Indices (within all rows when includeHidden, else the shown rows) of the rows for which the predicate holds.
  virtual std::vector<int> GetRowIndicesWherePredicateReturnsTrue(const tabulon::RowPredicate& predicate,
                                                                  bool includeHidden) = 0;
  // The same over the indices first..last; a negative first means 0, a negative last the last row.
  virtual std::vector<int> GetRowIndicesWherePredicateReturnsTrue(const tabulon::RowPredicate& predicate,
                                                                  bool includeHidden, int first, int last) = 0;
  virtual std::vector<wxString> GetColumnNamesWhereBitStringMatches(std::uint32_t bits) = 0;
  virtual std::vector<wxString> GetColumnNamesWhereBitStringAbsent(std::uint32_t bits) = 0;
  virtual std::vector<wxString> GetColumnNamesWhereBitStringHasXAbsentY(std::uint32_t x, std::uint32_t y) = 0;
  virtual std::vector<int> GetRowIndicesWhereBitStringMatches(std::uint32_t bits, int scope) = 0;
  virtual std::vector<int> GetRowIndicesWhereBitStringAbsent(std::uint32_t bits, int scope) = 0;
  virtual std::vector<int> GetRowIndicesWhereBitStringHasXAbsentY(std::uint32_t x, std::uint32_t y, int scope) = 0;

  virtual int GetColumnIndex(const wxString& name) const = 0;
  virtual int GetRowCount() const = 0;
  virtual int GetColumnCount() const = 0;
  virtual wxString GetCellText(int row, int column) const = 0;
  virtual wxString GetColumnName(int index) const = 0;
  // The record at an index of the rows of scope 1, 2 or 4; null for another scope or an index outside.
  virtual const tabulon::RowRecord* GetRowRecord(int index, int scope) const = 0;
  virtual const std::vector<wxString>& GetColumnNames() const = 0;
  // Brings the shown rows and columns up to date after rows were hidden or shown.
  virtual void Refresh() = 0;
};

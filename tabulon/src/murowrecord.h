#pragma once
#include <cstdint>
#include <map>
#include <wx/string.h>

// One data row of a data file: its cell texts keyed by full column name (the five header marker keys included),
// the sort keys of each cell, and the bookkeeping the reader keeps per row.
//
// The public operations below are what the rest of the library uses; how the cells are stored is private.
class RowRecord {
 public:
  // Reader bookkeeping (see the reader): row flag bits, and the positions
  // [0] row key once sorted, [1] index among all rows, [2] among unfiltered rows, [3] among shown rows.
  std::uint32_t flags = 0;
  std::int32_t positions[4] = {-1, -1, -1, -1};
  // The value of the reaction-time cell when it parses as a number.
  double reactionTime = -999999.0;

  bool HasCell(const wxString& column) const;
  // The cell's text; the empty text when the record has no cell under that name.
  const wxString& CellText(const wxString& column) const;
  // SortKeyOfSix of the cell's characters 1-6 (part 0), 7-12 (part 1) and 13-18 (part 2); 0 without such cell.
  double SortKey(const wxString& column, int part) const;
  // Whether the three sort keys cover the whole text (at most 18 characters); true without such cell.
  bool IsCoveredBySortKeys(const wxString& column) const;

  // Enters (or replaces) a cell; the sort keys and the covered flag are computed from the text.
  void SetCell(const wxString& column, const wxString& text);

 private:
  struct Cell {
    wxString text;
    double sortKeys[3] = {0, 0, 0};
    bool coveredBySortKeys = true;
  };
  const Cell* FindCell(const wxString& column) const;

  std::map<wxString, Cell> cells;
};

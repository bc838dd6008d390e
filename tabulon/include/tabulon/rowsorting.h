#pragma once
#include <vector>
#include <wx/string.h>

namespace tabulon {

class RowRecord;

// One row as the sort moves it: its key and its record (not owned).
struct RowSortEntry {
  unsigned key;
  RowRecord* record;
};

// Reorders rows, given in key order, as the table shows them sorted by a column. Rows that are not shown keep
// their order after the shown ones; rows that compare equal keep their relative order.
void SortRowsByColumn(std::vector<RowSortEntry>& rows, const wxString& column, bool descending);

}  // namespace tabulon

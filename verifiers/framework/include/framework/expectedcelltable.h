#pragma once
#include <vector>
#include <wx/string.h>

class MUInterfaceMultiExperimentDataSource;

namespace Varnel {

// Exact texts expected in the first rows of a few columns: texts[r][c] is the cell of data row r in columns[c].
struct ExpectedCellTable {
  std::vector<wxString> columns;
  std::vector<std::vector<wxString>> texts;

  int CellCount() const;
};

// How many of the table's cells the data file holds exactly (case-sensitive). Missing columns and rows read "?",
// which matches no expected text.
int CountMatchingCells(const MUInterfaceMultiExperimentDataSource& reader, const ExpectedCellTable& table);

// Whether every cell of the table matched; rows after the table's are not looked at.
bool AllCellsMatch(const MUInterfaceMultiExperimentDataSource& reader, const ExpectedCellTable& table);

// For a table that did not match, what the diagnostics show: how many cells matched, each of the table's columns
// the data file lacks, a data file with fewer rows than the table, then every other cell that differs
// ("row 1, column {Text 3}: expected {three!}, found {three! }"). The table, not the data file, bounds the list.
std::vector<wxString> CellTableFindings(const MUInterfaceMultiExperimentDataSource& reader,
                                        const ExpectedCellTable& table);

}  // namespace Varnel

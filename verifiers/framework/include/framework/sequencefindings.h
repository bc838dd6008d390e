#pragma once
#include <vector>
#include <wx/string.h>

namespace Varnel {

// For a column that should have held exactly the expected texts, what the diagnostics show: the row counts and
// the first row that differs, with its expected and found cell.
std::vector<wxString> SequenceFindings(const std::vector<wxString>& found, const std::vector<wxString>& expected);

// The cells, each in braces: " {a} {b}".
wxString CellsShown(const std::vector<wxString>& cells);

// How often each level occurs among the cells: "{a} 2, {b} 0".
wxString LevelCounts(const std::vector<wxString>& cells, const std::vector<wxString>& levels);

}  // namespace Varnel

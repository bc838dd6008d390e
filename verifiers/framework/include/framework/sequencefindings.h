#pragma once
#include "framework/textcolumn.h"
#include <vector>
#include <wx/string.h>

namespace Varnel {

// For a column that should have held exactly the expected texts, what the diagnostics show: the row counts and
// the first row that differs, with its expected and found cell.
std::vector<wxString> SequenceFindings(const TextColumn& found, const std::vector<wxString>& expected);

// The texts one after another, each between open and close and separated by between. Once the list is longer than
// a finding shows, the texts left are only counted (" ... and 12 more"): a column of a million rows stays one
// short line to build.
wxString ListedTexts(const TextColumn& texts, const wxString& open, const wxString& between, const wxString& close);

// The cells, each in braces: " {a} {b}".
wxString CellsShown(const TextColumn& cells);

// How often each level occurs among the cells: "{a} 2, {b} 0".
wxString LevelCounts(const TextColumn& cells, const std::vector<wxString>& levels);

}  // namespace Varnel

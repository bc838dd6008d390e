#pragma once
#include <vector>
#include <wx/string.h>

namespace Varnel {

// For a column that should have held exactly the expected texts, what the diagnostics show: the row counts and
// the first row that differs, with its expected and found cell.
std::vector<wxString> SequenceFindings(const std::vector<wxString>& found, const std::vector<wxString>& expected);

}  // namespace Varnel

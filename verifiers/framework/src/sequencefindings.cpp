#include "framework/sequencefindings.h"
#include <algorithm>

namespace Varnel {

std::vector<wxString> SequenceFindings(const std::vector<wxString>& found, const std::vector<wxString>& expected) {
  std::vector<wxString> findings = {wxString::Format("found %d rows, expected %d", static_cast<int>(found.size()),
                                                     static_cast<int>(expected.size()))};
  size_t row = 0;
  while (row < found.size() && row < expected.size() && found[row] == expected[row]) ++row;
  if (row == found.size() && row == expected.size()) return findings;
  const wxString wanted = row < expected.size() ? "{" + expected[row] + "}" : wxString("nothing (past the list)");
  const wxString seen = row < found.size() ? "{" + found[row] + "}" : wxString("nothing (past the data)");
  findings.push_back(wxString::Format("row %d: expected ", static_cast<int>(row)) + wanted + ", found " + seen);
  return findings;
}

wxString CellsShown(const std::vector<wxString>& cells) {
  wxString shown;
  for (const wxString& cell : cells) shown += " {" + cell + "}";
  return shown;
}

wxString LevelCounts(const std::vector<wxString>& cells, const std::vector<wxString>& levels) {
  wxString counts;
  for (const wxString& level : levels) {
    counts += wxString::Format("%s{%s} %d", counts.empty() ? "" : ", ", level,
                               static_cast<int>(std::count(cells.begin(), cells.end(), level)));
  }
  return counts;
}

}  // namespace Varnel

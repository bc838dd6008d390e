#include "framework/sequencefindings.h"
#include "reporting/findingssink.h"
#include <algorithm>

namespace Varnel {

std::vector<wxString> SequenceFindings(const TextColumn& found, const std::vector<wxString>& expected) {
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

wxString ListedTexts(const TextColumn& texts, const wxString& open, const wxString& between, const wxString& close) {
  wxString listed;
  for (std::size_t row = 0; row < texts.size(); ++row) {
    if (listed.length() > FindingsSink::kMaxTextLength) {
      return listed + wxString::Format(" ... and %d more", static_cast<int>(texts.size() - row));
    }
    listed += (row == 0 ? open : between + open) + texts[row] + close;
  }
  return listed;
}

wxString CellsShown(const TextColumn& cells) { return ListedTexts(cells, " {", "", "}"); }

wxString LevelCounts(const TextColumn& cells, const std::vector<wxString>& levels) {
  wxString counts;
  for (const wxString& level : levels) {
    counts += wxString::Format("%s{%s} %d", counts.empty() ? "" : ", ", level,
                               static_cast<int>(std::count(cells.begin(), cells.end(), level)));
  }
  return counts;
}

}  // namespace Varnel

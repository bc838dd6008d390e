#include "framework/randomselectionrules.h"
#include <algorithm>

namespace Varnel {

int CountOrderedSubsetMatches(const TextColumn& rows, const std::vector<wxString>& items) {
  int matched = 0;
  size_t next = 0;
  for (const wxString& row : rows) {
    while (next < items.size()) {
      if (items[next++] == row) {
        ++matched;
        break;
      }
    }
  }
  return matched;
}

bool HasConsecutiveRepeatOf(const TextColumn& rows, const wxString& text) {
  wxString previous;
  for (const wxString& row : rows) {
    if (row == text && row == previous) return true;
    previous = row;
  }
  return false;
}

bool ContainsEveryText(const TextColumn& rows, const std::vector<wxString>& texts) {
  return std::all_of(texts.begin(), texts.end(),
                     [&rows](const wxString& text) { return std::find(rows.begin(), rows.end(), text) != rows.end(); });
}

}  // namespace Varnel

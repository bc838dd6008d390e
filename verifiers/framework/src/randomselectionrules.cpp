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

int FirstConsecutiveRepeatOf(const TextColumn& rows, const wxString& text) {
  // Each cell is read once: a column of the data file is read from the reader on every access.
  bool previousHeld = false;
  int row = 0;
  for (const wxString& cell : rows) {
    const bool held = cell == text;
    if (held && previousHeld) return row;
    previousHeld = held;
    ++row;
  }
  return -1;
}

bool ContainsEveryText(const TextColumn& rows, const std::vector<wxString>& texts) {
  return std::all_of(texts.begin(), texts.end(),
                     [&rows](const wxString& text) { return std::find(rows.begin(), rows.end(), text) != rows.end(); });
}

}  // namespace Varnel

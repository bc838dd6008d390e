#pragma once
#include "framework/textcolumn.h"
#include <vector>
#include <wx/string.h>

namespace Varnel {

// Properties of what the host draws at random from sublists and block subsets. They hold for every correct
// run, whatever the draw, so they are what a verifier can insist on.

// How many rows matched the items in their order. Each row is compared with the items from where the last
// match left off, and every item compared is used up, so a row that matches none of the remaining items (an
// item out of order, or an unrelated event) uses up the rest of the list.
int CountOrderedSubsetMatches(const TextColumn& rows, const std::vector<wxString>& items);

// The first row that holds the text right after a row that holds it too; -1 when no two consecutive rows do.
int FirstConsecutiveRepeatOf(const TextColumn& rows, const wxString& text);

// Whether every one of the texts occurs in some row.
bool ContainsEveryText(const TextColumn& rows, const std::vector<wxString>& texts);

}  // namespace Varnel

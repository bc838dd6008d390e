#pragma once
#include "tabulon/decodedlines.h"
#include <cstddef>
#include <string_view>
#include <utility>
#include <wx/string.h>

namespace tabulon {

// Splits a line at TAB the way the toolkit's tokenizer does in its "return empty tokens" mode: empty tokens
// between TABs count, a line that is empty has no token, a line of TABs only has one empty token, and empty
// tokens after the last character that is not a TAB are dropped. Calls onToken(const wxChar* start, size_t
// length, size_t index) for each token in order, without copying.
template <typename OnToken>
std::size_t ForEachTabSeparatedToken(const wxChar* chars, std::size_t length, OnToken&& onToken) {
  if (length == 0) return 0;
  // Past the last character that is not a TAB; npos + 1 is 0 for a line of TABs only.
  const std::size_t end = std::basic_string_view<wxChar>(chars, length).find_last_not_of(wxS('\t')) + 1;
  if (end == 0) {
    onToken(chars, std::size_t{0}, std::size_t{0});
    return 1;
  }
  std::size_t index = 0;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= end; ++i) {
    if (i == end || chars[i] == wxS('\t')) {
      onToken(chars + start, i - start, index++);
      start = i + 1;
    }
  }
  return index;
}

template <typename OnToken>
std::size_t ForEachTabSeparatedToken(const wxString& line, OnToken&& onToken) {
  return ForEachTabSeparatedToken(line.wx_str(), line.length(), std::forward<OnToken>(onToken));
}

template <typename OnToken>
std::size_t ForEachTabSeparatedToken(tabulon::LineView line, OnToken&& onToken) {
  return ForEachTabSeparatedToken(line.chars, line.length, std::forward<OnToken>(onToken));
}

}  // namespace tabulon

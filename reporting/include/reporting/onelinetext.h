#pragma once
#include <string>

namespace Varnel {

// A UTF-8 text as one line for people and line-based readers: C0 controls (line feed, carriage return and tab
// included) and DEL become "\xNN", C1 controls (U+0085 among them) and the line and paragraph separators U+2028
// and U+2029 become "\uNNNN"; every other byte passes unchanged. Shared by the plug-in's diagnostics and the
// runner's summary, so that a name can never start a line of its own in either.
std::string OneLineText(const std::string& utf8);

}  // namespace Varnel

#pragma once
#include <string>

namespace Varnel {

// A UTF-8 text as one line for people and line-based readers: C0 controls (line feed, carriage return and tab
// included) and DEL become "\xNN", C1 controls (U+0085 among them) and the line and paragraph separators U+2028
// and U+2029 become "\uNNNN", a byte that is not part of well-formed UTF-8 becomes "\xNN"; every other character
// passes unchanged. Shared by the plug-in's diagnostics and messages and the runner's summary and messages, so
// that a name or a value can never start a line of its own in either, nor put stray bytes on a terminal.
std::string OneLineText(const std::string& utf8);

}  // namespace Varnel

#include "tabulon/src/mudatafiletext.h"
#include <wx/convauto.h>

wxString MUDecodeDataFileText(const std::string& bytes) { return wxString(bytes.data(), wxConvAuto(), bytes.size()); }

std::vector<wxString> MUSplitTextLines(const wxString& text) {
  std::vector<wxString> lines;
  const wxString::const_iterator end = text.end();
  wxString::const_iterator lineStart = text.begin();
  for (wxString::const_iterator p = lineStart; p != end; ++p) {
    const wxUniChar c = *p;
    if (c != '\r' && c != '\n') continue;
    lines.emplace_back(lineStart, p);
    if (c == '\r' && p + 1 != end && *(p + 1) == '\n') ++p;
    lineStart = p + 1;
  }
  if (lineStart != end) lines.emplace_back(lineStart, end);
  return lines;
}

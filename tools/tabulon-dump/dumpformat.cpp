#include "dumpformat.h"

namespace tabulondump {

wxString EscapeField(const wxString& field) {
  wxString escaped;
  escaped.reserve(field.length());
  for (const wxUniChar c : field) {
    switch (c.GetValue()) {
      case '\\':
        escaped += wxS("\\\\");
        break;
      case '\n':
        escaped += wxS("\\n");
        break;
      case '\r':
        escaped += wxS("\\r");
        break;
      case '\t':
        escaped += wxS("\\t");
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

std::string DumpLine(const std::vector<wxString>& fields) {
  wxString line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i != 0) line += wxS('\t');
    line += EscapeField(fields[i]);
  }
  line += wxS('\n');
  const wxScopedCharBuffer utf8 = line.utf8_str();
  return std::string(utf8.data(), utf8.length());
}

}  // namespace tabulondump

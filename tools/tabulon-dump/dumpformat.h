#pragma once
#include <string>
#include <vector>
#include <wx/string.h>

namespace tabulondump {

// One output line: fields joined by TAB, each with backslash, line feed, carriage return and TAB escaped, as UTF-8.
std::string DumpLine(const std::vector<wxString>& fields);

// A field with backslash, line feed, carriage return and TAB written as two-character escapes.
wxString EscapeField(const wxString& field);

}  // namespace tabulondump

#include "tabulon/asciicase.h"

namespace tabulon {

namespace {

wxUniChar LowerLetter(wxUniChar c) {
  const wxUniChar::value_type code = c.GetValue();
  return code >= 'A' && code <= 'Z' ? wxUniChar(code - 'A' + 'a') : c;
}

// The text with every character mapped one by one; the length never changes.
template <typename Map>
wxString Mapped(const wxString& text, Map map) {
  wxString mapped;
  mapped.reserve(text.length());
  for (const wxUniChar c : text) mapped += map(c);
  return mapped;
}

}  // namespace

wxUniChar AsciiUpper(wxUniChar c) {
  const wxUniChar::value_type code = c.GetValue();
  return code >= 'a' && code <= 'z' ? wxUniChar(code - 'a' + 'A') : c;
}

wxString AsciiUpper(const wxString& text) {
  return Mapped(text, [](wxUniChar c) { return AsciiUpper(c); });
}

wxString AsciiLower(const wxString& text) { return Mapped(text, LowerLetter); }

bool EqualIgnoringAsciiCase(const wxString& a, const wxString& b) {
  if (a.length() != b.length()) return false;
  for (auto x = a.begin(), y = b.begin(); x != a.end(); ++x, ++y) {
    if (AsciiUpper(*x) != AsciiUpper(*y)) return false;
  }
  return true;
}

bool ContainsIgnoringAsciiCase(const wxString& text, const wxString& part) {
  return AsciiUpper(text).find(AsciiUpper(part)) != wxString::npos;
}

}  // namespace tabulon

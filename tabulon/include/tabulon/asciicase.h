#pragma once
#include <wx/string.h>

namespace tabulon {

// Case by fixed rules: only the ASCII letters A-Z and a-z have a case, under every locale. The toolkit's Upper,
// Lower and CmpNoCase follow the C library's locale, under which the same name would compare differently from
// one user to the next (Turkish upper-cases 'i' to U+0130). Registry keys, host names, settings keys and column
// names are compared through these.

// The character upper-cased if it is a-z, else as it is.
wxUniChar AsciiUpper(wxUniChar c);
// The text with a-z upper-cased and every other character as it is.
wxString AsciiUpper(const wxString& text);
// The text with A-Z lower-cased and every other character as it is.
wxString AsciiLower(const wxString& text);
// Whether the texts are the same once a-z are upper-cased.
bool EqualIgnoringAsciiCase(const wxString& a, const wxString& b);
// Whether part occurs in text once a-z are upper-cased in both; an empty part occurs in every text.
bool ContainsIgnoringAsciiCase(const wxString& text, const wxString& part);

}  // namespace tabulon

#pragma once
#include <wx/string.h>

namespace Varnel {

// Texts from data files and the host go into the report as they are, except where XML cannot carry them.

// For a double-quoted attribute value: the five special characters become entities, TAB, LF and CR become
// character references (a parser would otherwise turn them into blanks), and characters that XML 1.0
// forbids become U+FFFD.
wxString EscapeXmlAttribute(const wxString& text);

// For the inside of a CDATA section: forbidden characters become U+FFFD and every "]]>" is split across two
// sections, so the text can never end the section early.
wxString EscapeXmlCData(const wxString& text);

}  // namespace Varnel

#pragma once
#include <cstdint>
#include <string>
#include <wx/string.h>

namespace Varnel {

// Texts from data files and the host go into the report as they are, in UTF-8, except where XML cannot carry
// them. A character that XML 1.0 forbids is written as its code in brackets ("[0x01]"), so a reader of the
// report still sees what the data held; no viewer has to cope with a replacement character.
// Both append to the report text and use nothing of the toolkit that allocates: a failing allocation comes
// out as std::bad_alloc from the standard string, which the caller can catch.

// For a double-quoted attribute value: the five special characters become entities, TAB, LF and CR become
// character references (a parser would otherwise turn them into blanks). Required escapes only those XML demands
// there ('&', '<', '"', TAB, LF, CR), for readers that show an entity as written instead of what it stands for.
enum class AttributeEscapes { All, Required };
void AppendXmlAttribute(std::string& out, const wxString& text, AttributeEscapes escapes = AttributeEscapes::All);

// For the inside of a CDATA section: every "]]>" is split across two sections, so the text can never end the
// section early.
void AppendXmlCData(std::string& out, const wxString& text);

// The code point (at most 0x10FFFF) in UTF-8.
void AppendUtf8(std::string& out, std::uint32_t codePoint);

// Decimal digits of the number, at least minimumDigits wide with leading zeros.
void AppendDecimal(std::string& out, unsigned long long number, unsigned minimumDigits = 1);

}  // namespace Varnel

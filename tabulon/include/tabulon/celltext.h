#pragma once
#include <cstddef>
#include <wx/string.h>

// How cell texts are shown and ordered.

namespace tabulon {

// The text with control characters written out visibly: ESC sequences as "0x1B 0x41", codes 1-31 as "^A".."^_",
// 127 as "^?" and codes 128-159 as "0x80".."0x9f".
wxString MakeCellTextPrintable(const wxChar* text, std::size_t length);
wxString MakeCellTextPrintable(const wxString& text);
// MakeCellTextPrintable into an existing string, so that a cell's text is built where it is kept.
void AssignPrintableCellText(wxString& out, const wxChar* text, std::size_t length);

// A number ordering texts by their first six characters (low 8 bits of each code; spaces past the end).
double SortKeyOfSix(const wxString& text);
// SortKeyOfSix of the six characters starting at offset.
double SortKeyOfSixAt(const wxString& text, std::size_t offset);
// The number of characters, a character outside the BMP counted once on every platform.
std::size_t CharacterCount(const wxString& text);

// "first" .. "ninth" for 1..9, the decimal number otherwise.
wxString OrdinalWord(unsigned number);

}  // namespace tabulon

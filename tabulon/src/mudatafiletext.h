#pragma once
#include <string>
#include <vector>
#include <wx/string.h>

// Turns the bytes of a data file into text by the automatic converter's rules: a byte-order mark chooses
// UTF-8, UTF-16 or UTF-32, text without one is read as UTF-8 and, where that is not valid, as Latin-1.
// Bytes that cannot be decoded give the empty text, as a file without lines.
wxString MUDecodeDataFileText(const std::string& bytes);

// Splits text into lines at every line end, CR LF, LF or CR alike; a last line without a line end counts
// when it is not empty.
std::vector<wxString> MUSplitTextLines(const wxString& text);

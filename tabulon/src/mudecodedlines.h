#pragma once
#include <cstddef>
#include <string>
#include <vector>
#include <wx/string.h>

// One line of a decoded text, pointing into the text that holds it.
struct MULineView {
  const wxChar* chars = nullptr;
  std::size_t length = 0;

  wxString ToString() const { return wxString(chars, length); }
};

// A data file's bytes decoded once into one text, and the lines of that text as spans of it: no copy per line.
class MUDecodedLines {
 public:
  enum class LineEnds {
    // CR LF, LF and CR each end a line, as the toolkit's text files read them.
    Any,
    // Only "\r\n" when the text has one, otherwise only "\n".
    OneSeparator,
  };

  // Decodes the bytes as the toolkit's automatic converter does (byte-order marks, UTF-16 and UTF-32, UTF-8 and
  // its fall-back 8-bit encoding when the bytes are not UTF-8) and splits the text. False, leaving no lines,
  // when the converter cannot make a text of bytes that are not empty (a byte-order mark alone is one such).
  bool Decode(const char* bytes, std::size_t size, LineEnds lineEnds);

  std::size_t LineCount() const { return lines.size(); }
  MULineView Line(std::size_t index) const { return {text.data() + lines[index].start, lines[index].length}; }

 private:
  struct Span {
    std::size_t start;
    std::size_t length;
  };
  void SplitAtAnyLineEnd();
  void SplitAtOneSeparator();

  std::wstring text;
  std::vector<Span> lines;
};

namespace tabulon {

// The text the toolkit's automatic converter makes of the bytes; false when it fails. Plain ASCII and
// well-formed UTF-8 without a byte-order mark are decoded here directly, everything else by the converter.
bool DecodeAsConverterDoes(const char* bytes, std::size_t size, std::wstring& text);

}  // namespace tabulon

#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>
#include <wx/string.h>

namespace tabulon {

// One line of a decoded text.
struct LineView {
  const wxChar* chars = nullptr;
  std::size_t length = 0;

  wxString ToString() const { return wxString(chars, length); }
};

// A data file's bytes decoded as the toolkit's automatic converter does, and split into lines without a copy per
// line. Bytes that are well-formed UTF-8 (nearly every data file) stay as they are and each line is decoded when
// it is asked for, so that a load never holds the whole file as wide characters; other bytes are decoded once.
class DecodedLines {
 public:
  enum class LineEnds {
    // CR LF, LF and CR each end a line, as the toolkit's text files read them.
    Any,
    // Only "\r\n" when the text has one, otherwise only "\n".
    OneSeparator,
  };

  // Takes the bytes, decodes them as the toolkit's automatic converter does (byte-order marks, UTF-16 and UTF-32,
  // UTF-8 and its fall-back 8-bit encoding when the bytes are not UTF-8) and splits the text. False, leaving no
  // lines, when the converter cannot make a text of bytes that are not empty (a byte-order mark alone is one such).
  bool Decode(std::string bytes, LineEnds lineEnds);

  std::size_t LineCount() const { return lines_.size(); }
  // Whether the lines stay UTF-8 bytes, each decoded when asked for (well-formed UTF-8 without NUL that starts
  // with ASCII), rather than the whole text decoded at once.
  bool KeepsUtf8Bytes() const { return linesInUtf8_; }
  // The line's text; it stays valid until the next call of Line or Decode.
  LineView Line(std::size_t index) const;

 private:
  // 32-bit offsets: a file of a million short lines holds a million of these while its rows are made.
  struct Span {
    std::uint32_t start;
    std::uint32_t length;
  };
  template <typename Char>
  void Split(const Char* chars, std::size_t size, LineEnds lineEnds);

  // Either the UTF-8 bytes (lines decoded one at a time into lineText) or the whole decoded text.
  std::string utf8_;
  std::wstring text_;
  bool linesInUtf8_ = false;
  mutable std::wstring lineText_;
  std::vector<Span> lines_;
};

// The text the toolkit's automatic converter makes of the bytes; none when it fails. Plain ASCII and
// well-formed UTF-8 without a byte-order mark are decoded here directly, everything else by the converter.
std::optional<std::wstring> DecodeAsConverterDoes(const char* bytes, std::size_t size);

}  // namespace tabulon

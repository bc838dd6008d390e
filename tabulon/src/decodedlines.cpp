#include "tabulon/decodedlines.h"
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>
#include <wx/convauto.h>

namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The length of the well-formed UTF-8 sequence at p (at most `left` bytes), 0 when there is none. The second
// byte's range rules out overlong forms, surrogates and code points above U+10FFFF.
std::size_t WellFormedSequenceLength(const unsigned char* p, std::size_t left) {
  const unsigned char lead = p[0];
  std::size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (left < length || p[1] < low || p[1] > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (!IsContinuation(p[i])) return 0;
  }
  return length;
}

wchar_t* AppendCodePoint(wchar_t* out, std::uint32_t code) {
  if (sizeof(wchar_t) == 2 && code >= 0x10000) {
    code -= 0x10000;
    *out++ = static_cast<wchar_t>(0xD800 + (code >> 10));
    *out++ = static_cast<wchar_t>(0xDC00 + (code & 0x3FF));
  } else {
    *out++ = static_cast<wchar_t>(code);
  }
  return out;
}

// Whether the bytes are well-formed UTF-8 without NUL. A first byte that is not plain ASCII might begin a
// byte-order mark, so such bytes are left to the converter as well.
bool IsPlainUtf8(const unsigned char* bytes, std::size_t size) {
  if (size == 0 || bytes[0] == 0 || bytes[0] >= 0x80) return false;
  constexpr std::uint64_t kHighBits = 0x8080808080808080u;
  constexpr std::uint64_t kLowBits = 0x0101010101010101u;
  for (std::size_t i = 0; i < size;) {
    // Eight ASCII bytes without NUL at a time: no high bit set, and no byte that is zero.
    if (size - i >= 8) {
      std::uint64_t word;
      std::memcpy(&word, bytes + i, 8);
      if ((word & kHighBits) == 0 && ((word - kLowBits) & ~word & kHighBits) == 0) {
        i += 8;
        continue;
      }
    }
    const unsigned char byte = bytes[i];
    if (byte == 0) return false;
    if (byte < 0x80) {
      ++i;
      continue;
    }
    const std::size_t length = WellFormedSequenceLength(bytes + i, size - i);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

// The text of bytes already known to be plain UTF-8, in place of what `text` held.
void DecodePlainUtf8(const unsigned char* bytes, std::size_t size, std::wstring& text) {
  text.resize(size);  // every byte yields at most one character
  wchar_t* out = &text[0];
  for (std::size_t i = 0; i < size;) {
    const unsigned char lead = bytes[i];
    if (lead < 0x80) {
      *out++ = static_cast<wchar_t>(lead);
      ++i;
      continue;
    }
    const std::size_t length = WellFormedSequenceLength(bytes + i, size - i);
    std::uint32_t code = lead & (0xFF >> (length + 1));
    for (std::size_t k = 1; k < length; ++k) code = (code << 6) | (bytes[i + k] & 0x3F);
    out = AppendCodePoint(out, code);
    i += length;
  }
  text.resize(static_cast<std::size_t>(out - text.data()));
}

const unsigned char* Unsigned(const char* bytes) { return reinterpret_cast<const unsigned char*>(bytes); }

// A line's code unit as an unsigned number, so that one comparison rules out everything above '\r'.
std::uint32_t CodeUnit(char c) { return static_cast<unsigned char>(c); }
std::uint32_t CodeUnit(wchar_t c) { return static_cast<std::uint32_t>(c); }

}  // namespace

namespace tabulon {

std::optional<std::wstring> DecodeAsConverterDoes(const char* bytes, std::size_t size) {
  std::wstring text;
  if (size == 0) return text;
  if (IsPlainUtf8(Unsigned(bytes), size)) {
    DecodePlainUtf8(Unsigned(bytes), size, text);
    return text;
  }
  const wxString decoded(bytes, wxConvAuto(), size);
  text = decoded.ToStdWstring();
  if (text.empty()) return std::nullopt;
  return text;
}

}  // namespace tabulon

bool tabulon::DecodedLines::Decode(std::string bytes, LineEnds lineEnds) {
  lines_.clear();
  text_.clear();
  utf8_.clear();
  if (bytes.size() > UINT32_MAX) return false;
  linesInUtf8_ = IsPlainUtf8(Unsigned(bytes.data()), bytes.size());
  if (linesInUtf8_) {
    // Line ends are ASCII, and an ASCII byte never sits inside a longer UTF-8 sequence: the bytes split as the
    // text would.
    utf8_ = std::move(bytes);
    Split(utf8_.data(), utf8_.size(), lineEnds);
    return true;
  }
  std::optional<std::wstring> text = tabulon::DecodeAsConverterDoes(bytes.data(), bytes.size());
  if (!text) return false;
  text_ = std::move(*text);
  Split(text_.data(), text_.size(), lineEnds);
  return true;
}

tabulon::LineView tabulon::DecodedLines::Line(std::size_t index) const {
  const Span& span = lines_[index];
  if (!linesInUtf8_) return {text_.data() + span.start, span.length};
  DecodePlainUtf8(Unsigned(utf8_.data()) + span.start, span.length, lineText_);
  return {lineText_.data(), lineText_.size()};
}

template <typename Char>
void tabulon::DecodedLines::Split(const Char* chars, std::size_t size, LineEnds lineEnds) {
  const Char* const begin = chars;
  const Char* const end = begin + size;
  const auto add = [&](const Char* first, const Char* last) {
    lines_.push_back({static_cast<std::uint32_t>(first - begin), static_cast<std::uint32_t>(last - first)});
  };
  if (lineEnds == LineEnds::OneSeparator) {
    const std::basic_string_view<Char> all(chars, size);
    const Char crlf[] = {Char('\r'), Char('\n')};
    const std::basic_string_view<Char> separator = all.find(std::basic_string_view<Char>(crlf, 2)) != all.npos
                                                       ? std::basic_string_view<Char>(crlf, 2)
                                                       : std::basic_string_view<Char>(crlf + 1, 1);
    for (std::size_t start = 0; start < size;) {
      const std::size_t found = all.find(separator, start);
      if (found == all.npos) {
        add(begin + start, end);
        break;
      }
      add(begin + start, begin + found);
      start = found + separator.size();
    }
    return;
  }
  const Char* start = begin;
  for (const Char* p = begin; p < end; ++p) {
    // Both line ends are below 14: one comparison rules out nearly every character.
    const std::uint32_t code = CodeUnit(*p);
    if (code > '\r' || (code != '\r' && code != '\n')) continue;
    add(start, p);
    if (code == '\r' && p + 1 < end && p[1] == Char('\n')) ++p;
    start = p + 1;
  }
  if (start < end) add(start, end);
}

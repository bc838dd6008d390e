#include "text/onelinetext.h"

namespace Varnel {

namespace {

const char kHexDigits[] = "0123456789ABCDEF";

void AppendHex(std::string& line, unsigned value, int digits) {
  for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) line += kHexDigits[(value >> shift) & 0xFU];
}

// The code point of a C1 control or a line or paragraph separator encoded at `at`, with its length; 0 for
// anything else.
unsigned EscapedCodePoint(const std::string& text, std::size_t at, std::size_t& length) {
  const auto byte = [&text](std::size_t index) { return static_cast<unsigned char>(text[index]); };
  if (byte(at) == 0xC2 && at + 1 < text.size() && byte(at + 1) >= 0x80 && byte(at + 1) <= 0x9F) {
    length = 2;
    return byte(at + 1);  // U+0080..U+009F
  }
  if (byte(at) == 0xE2 && at + 2 < text.size() && byte(at + 1) == 0x80 &&
      (byte(at + 2) == 0xA8 || byte(at + 2) == 0xA9)) {
    length = 3;
    return 0x2000U + (byte(at + 2) & 0x3FU);  // U+2028, U+2029
  }
  return 0;
}

// The length of the well-formed UTF-8 sequence of a character from U+0080 up that starts at `at`, or 0 when the
// bytes there are not one (a stray continuation byte, a sequence cut short, an overlong form, a surrogate, a code
// point past U+10FFFF).
std::size_t Utf8SequenceLength(const std::string& text, std::size_t at) {
  const auto byte = [&text](std::size_t index) { return static_cast<unsigned char>(text[index]); };
  const unsigned lead = byte(at);
  const std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                             : lead >= 0xE0 && lead <= 0xEF ? 3
                             : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                            : 0;
  if (length == 0 || at + length > text.size()) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(at + i) & 0xC0U) != 0x80U) return 0;
  }
  // The second byte's range is narrower after these leads: no overlong form, surrogate or code past U+10FFFF.
  const unsigned second = byte(at + 1);
  const bool narrowed = (lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
                        (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F);
  return narrowed ? 0 : length;
}

}  // namespace

std::string OneLineText(const std::string& utf8) {
  std::string line;
  line.reserve(utf8.size());
  for (std::size_t at = 0; at < utf8.size();) {
    const auto byte = static_cast<unsigned char>(utf8[at]);
    if (byte < 0x20 || byte == 0x7F) {
      line += "\\x";
      AppendHex(line, byte, 2);
      ++at;
      continue;
    }
    std::size_t length = 0;
    if (const unsigned codePoint = EscapedCodePoint(utf8, at, length)) {
      line += "\\u";
      AppendHex(line, codePoint, 4);
      at += length;
      continue;
    }
    if (byte < 0x80) {
      line += utf8[at++];
      continue;
    }
    const std::size_t sequence = Utf8SequenceLength(utf8, at);
    if (sequence == 0) {
      line += "\\x";
      AppendHex(line, byte, 2);
      ++at;
      continue;
    }
    line.append(utf8, at, sequence);
    at += sequence;
  }
  return line;
}

}  // namespace Varnel

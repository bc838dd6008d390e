#include "reporting/onelinetext.h"

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
    line += utf8[at++];
  }
  return line;
}

}  // namespace Varnel

#include "tabulon/src/mudecodedlines.h"
#include <cstdint>
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

// The text of bytes that are well-formed UTF-8 without NUL, or false. A first byte that is not plain ASCII might
// begin a byte-order mark, so such bytes are left to the converter as well.
bool DecodeWellFormedUtf8(const unsigned char* bytes, std::size_t size, std::wstring& text) {
  if (size == 0 || bytes[0] == 0 || bytes[0] >= 0x80) return false;
  text.resize(size);  // every byte yields at most one character
  wchar_t* out = &text[0];
  for (std::size_t i = 0; i < size;) {
    const unsigned char byte = bytes[i];
    if (byte >= 0x01 && byte < 0x80) {
      *out++ = static_cast<wchar_t>(byte);
      ++i;
      continue;
    }
    const std::size_t length = byte == 0 ? 0 : WellFormedSequenceLength(bytes + i, size - i);
    if (length == 0) return false;
    std::uint32_t code = byte & (0xFF >> (length + 1));
    for (std::size_t k = 1; k < length; ++k) code = (code << 6) | (bytes[i + k] & 0x3F);
    out = AppendCodePoint(out, code);
    i += length;
  }
  text.resize(static_cast<std::size_t>(out - text.data()));
  return true;
}

}  // namespace

namespace tabulon {

bool DecodeAsConverterDoes(const char* bytes, std::size_t size, std::wstring& text) {
  text.clear();
  if (size == 0) return true;
  if (DecodeWellFormedUtf8(reinterpret_cast<const unsigned char*>(bytes), size, text)) return true;
  const wxString decoded(bytes, wxConvAuto(), size);
  text = decoded.ToStdWstring();
  return !text.empty();
}

}  // namespace tabulon

bool MUDecodedLines::Decode(const char* bytes, std::size_t size, LineEnds lineEnds) {
  lines.clear();
  if (!tabulon::DecodeAsConverterDoes(bytes, size, text)) return false;
  if (lineEnds == LineEnds::Any) {
    SplitAtAnyLineEnd();
  } else {
    SplitAtOneSeparator();
  }
  return true;
}

void MUDecodedLines::SplitAtAnyLineEnd() {
  const wchar_t* const begin = text.data();
  const wchar_t* const end = begin + text.size();
  const wchar_t* start = begin;
  for (const wchar_t* p = begin; p < end; ++p) {
    // One comparison rules out nearly every character: both line ends are below 14.
    if (static_cast<std::uint32_t>(*p) > L'\r' || (*p != L'\r' && *p != L'\n')) continue;
    lines.push_back({static_cast<std::size_t>(start - begin), static_cast<std::size_t>(p - start)});
    if (*p == L'\r' && p + 1 < end && p[1] == L'\n') ++p;
    start = p + 1;
  }
  if (start < end) lines.push_back({static_cast<std::size_t>(start - begin), static_cast<std::size_t>(end - start)});
}

void MUDecodedLines::SplitAtOneSeparator() {
  const std::wstring separator = text.find(L"\r\n") != std::wstring::npos ? L"\r\n" : L"\n";
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = text.find(separator, start);
    if (end == std::wstring::npos) {
      lines.push_back({start, text.size() - start});
      break;
    }
    lines.push_back({start, end - start});
    start = end + separator.size();
  }
}

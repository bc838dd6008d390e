#include "tabulon/celltext.h"
#include <cstdint>
#include <string>
#include <type_traits>
#include <wx/intl.h>

namespace tabulon {

namespace {

bool NeedsRewriting(std::uint32_t code) { return (code >= 1 && code <= 31) || (code >= 127 && code <= 159); }

void AppendHexByte(std::wstring& out, std::uint32_t value) {
  static const wchar_t digits[] = L"0123456789abcdef";
  out += digits[(value >> 4) & 0xF];
  out += digits[value & 0xF];
}

// A character's code, whatever the signedness of the platform's wide character.
std::uint32_t CodeOf(wxChar character) { return static_cast<std::make_unsigned_t<wxChar>>(character); }

// The text with every character from `first` on rewritten as needed.
wxString Rewritten(const wxChar* text, std::size_t length, std::size_t first) {
  // One pass does what the four rewrites do in turn: none of them produces a character another one rewrites.
  std::wstring out(text, first);
  out.reserve(length + 16);
  for (std::size_t i = first; i < length; ++i) {
    const auto code = CodeOf(text[i]);
    if (code == 27 && i + 1 < length) {
      const auto next = CodeOf(text[i + 1]);
      if (next >= 64 && next <= 95) {
        out += L"0x1B 0x";
        AppendHexByte(out, next);
        ++i;
        continue;
      }
    }
    if (code >= 1 && code <= 31) {
      out += L'^';
      out += static_cast<wchar_t>(code + 64);
    } else if (code == 127) {
      out += L"^?";
    } else if (code >= 128 && code <= 159) {
      out += L"0x";
      AppendHexByte(out, code);
    } else {
      out += text[i];
    }
  }
  return wxString(out);
}

}  // namespace

void AssignPrintableCellText(wxString& out, const wxChar* text, std::size_t length) {
  std::size_t first = 0;
  while (first < length && !NeedsRewriting(static_cast<std::uint32_t>(text[first]))) ++first;
  if (first == length) {
    out.assign(text, length);
  } else {
    out = Rewritten(text, length, first);
  }
}

wxString MakeCellTextPrintable(const wxChar* text, std::size_t length) {
  wxString printable;
  AssignPrintableCellText(printable, text, length);
  return printable;
}

wxString MakeCellTextPrintable(const wxString& text) { return MakeCellTextPrintable(text.wx_str(), text.length()); }

namespace {

// The text's character codes, at most limit of them. On Windows the toolkit's strings hold a character
// outside the BMP as two UTF-16 halves; counted here as one character, as it is everywhere else.
std::u32string CharacterCodes(const wxString& text, std::size_t limit) {
  std::u32string codes;
  const wxChar* units = text.wx_str();
  const std::size_t length = text.length();
  for (std::size_t i = 0; i < length && codes.size() < limit; ++i) {
    std::uint32_t c = CodeOf(units[i]);
    if (sizeof(wxChar) == 2 && c >= 0xD800 && c <= 0xDBFF && i + 1 < length) {
      const std::uint32_t low = CodeOf(units[i + 1]);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
        ++i;
      }
    }
    codes.push_back(static_cast<char32_t>(c));
  }
  return codes;
}

}  // namespace

std::size_t CharacterCount(const wxString& text) {
  if (sizeof(wxChar) != 2) return text.length();
  return CharacterCodes(text, text.length()).size();
}

double SortKeyOfSixAt(const wxString& text, std::size_t offset) {
  // 256^7 .. 256^2: six bytes fit a double's mantissa exactly.
  static const double weights[6] = {72057594037927936.0, 281474976710656.0, 1099511627776.0,
                                    4294967296.0,        16777216.0,        65536.0};
  const std::u32string codes = CharacterCodes(text, offset + 6);
  double key = 0;
  for (std::size_t i = 0; i < 6; ++i) {
    const std::size_t at = offset + i;
    const std::uint32_t c = at < codes.size() ? (static_cast<std::uint32_t>(codes[at]) & 0xFFu) : 32u;
    key += c * weights[i];
  }
  return key;
}

double SortKeyOfSix(const wxString& text) { return SortKeyOfSixAt(text, 0); }

wxString OrdinalWord(unsigned number) {
  switch (number) {
    case 1:
      return _("first");
    case 2:
      return _("second");
    case 3:
      return _("third");
    case 4:
      return _("fourth");
    case 5:
      return _("fifth");
    case 6:
      return _("sixth");
    case 7:
      return _("seventh");
    case 8:
      return _("eighth");
    case 9:
      return _("ninth");
    default:
      return wxString::Format("%u", number);
  }
}

}  // namespace tabulon

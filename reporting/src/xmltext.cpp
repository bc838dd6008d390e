#include "reporting/xmltext.h"
#include <cstdint>

namespace Varnel {

namespace {

using CodePoint = std::uint32_t;

bool IsAllowedInXml(CodePoint c) {
  if (c < 0x20) return c == '\t' || c == '\n' || c == '\r';
  if (c >= 0xD800 && c <= 0xDFFF) return false;  // lone surrogate halves from a bad decode
  if (c == 0xFFFE || c == 0xFFFF) return false;
  return c <= 0x10FFFF;
}

const char* AttributeEntity(CodePoint c) {
  switch (c) {
    case '&':
      return "&amp;";
    case '<':
      return "&lt;";
    case '>':
      return "&gt;";
    case '"':
      return "&quot;";
    case '\'':
      return "&apos;";
    case '\t':
      return "&#x09;";
    case '\n':
      return "&#x0A;";
    case '\r':
      return "&#x0D;";
    default:
      return nullptr;
  }
}

void AppendNotation(std::string& out, CodePoint c) {
  static const char kHexDigits[] = "0123456789ABCDEF";
  char digits[8];
  int count = 0;
  do {
    digits[count++] = kHexDigits[c & 0xF];
    c >>= 4;
  } while (c != 0 || count < 2);
  out += "[0x";
  while (count > 0) out += digits[--count];
  out += ']';
}

// Calls emit with every code point of the text. Where the string holds UTF-16, pairs of surrogates are joined;
// a lone half is passed on as it is.
template <typename Emit>
void ForEachCodePoint(const wxString& text, Emit emit) {
  const wxString::const_iterator end = text.end();
  for (wxString::const_iterator it = text.begin(); it != end; ++it) {
    CodePoint c = static_cast<CodePoint>((*it).GetValue());
    if (c >= 0xD800 && c <= 0xDBFF && it + 1 != end) {
      const CodePoint low = static_cast<CodePoint>((*(it + 1)).GetValue());
      if (low >= 0xDC00 && low <= 0xDFFF) {
        c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
        ++it;
      }
    }
    emit(c);
  }
}

}  // namespace

void AppendXmlAttribute(std::string& out, const wxString& text, AttributeEscapes escapes) {
  const bool all = escapes == AttributeEscapes::All;
  ForEachCodePoint(text, [&out, all](CodePoint c) {
    const char* entity = all || (c != '>' && c != '\'') ? AttributeEntity(c) : nullptr;
    if (entity != nullptr) {
      out += entity;
    } else if (IsAllowedInXml(c)) {
      AppendUtf8(out, c);
    } else {
      AppendNotation(out, c);
    }
  });
}

void AppendXmlCData(std::string& out, const wxString& text) {
  const std::size_t start = out.size();
  ForEachCodePoint(text, [&out, start](CodePoint c) {
    if (c == '>' && out.size() >= start + 2 && out.compare(out.size() - 2, 2, "]]") == 0) {
      out += "]]><![CDATA[>";
    } else if (IsAllowedInXml(c)) {
      AppendUtf8(out, c);
    } else {
      AppendNotation(out, c);
    }
  });
}

void AppendUtf8(std::string& out, CodePoint c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

void AppendDecimal(std::string& out, unsigned long long number, unsigned minimumDigits) {
  char digits[24];
  unsigned count = 0;
  do {
    digits[count++] = static_cast<char>('0' + number % 10);
    number /= 10;
  } while (number != 0 || (count < minimumDigits && count < sizeof digits));
  while (count > 0) out += digits[--count];
}

}  // namespace Varnel

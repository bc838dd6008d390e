#include "reporting/xmltext.h"

namespace Varnel {

namespace {

constexpr wxUniChar::value_type kReplacementCharacter = 0xFFFD;

bool IsAllowedInXml(wxUniChar::value_type c) {
  if (c < 0x20) return c == '\t' || c == '\n' || c == '\r';
  if (c >= 0xD800 && c <= 0xDFFF) return false;  // lone surrogate halves from a bad decode
  if (c == 0xFFFE || c == 0xFFFF) return false;
  return c <= 0x10FFFF;
}

const char* AttributeEntity(wxUniChar::value_type c) {
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

// On Windows the toolkit's strings hold a character outside the BMP as two UTF-16 halves; a well-formed
// pair is that one character and stays whole. Elsewhere every character is one code and halves are errors.
bool StartsSurrogatePair(wxString::const_iterator it, wxString::const_iterator end) {
  if (sizeof(wchar_t) != 2) return false;
  const wxUniChar::value_type c = (*it).GetValue();
  if (c < 0xD800 || c > 0xDBFF || it + 1 == end) return false;
  const wxUniChar::value_type next = (*(it + 1)).GetValue();
  return next >= 0xDC00 && next <= 0xDFFF;
}

}  // namespace

wxString EscapeXmlAttribute(const wxString& text) {
  wxString escaped;
  escaped.reserve(text.length());
  for (wxString::const_iterator it = text.begin(); it != text.end(); ++it) {
    if (StartsSurrogatePair(it, text.end())) {
      escaped += *it;
      escaped += *++it;
      continue;
    }
    const wxUniChar::value_type c = (*it).GetValue();
    if (const char* entity = AttributeEntity(c)) {
      escaped += entity;
    } else {
      escaped += IsAllowedInXml(c) ? *it : wxUniChar(kReplacementCharacter);
    }
  }
  return escaped;
}

wxString EscapeXmlCData(const wxString& text) {
  wxString cleaned;
  cleaned.reserve(text.length());
  for (wxString::const_iterator it = text.begin(); it != text.end(); ++it) {
    if (StartsSurrogatePair(it, text.end())) {
      cleaned += *it;
      cleaned += *++it;
      continue;
    }
    cleaned += IsAllowedInXml((*it).GetValue()) ? *it : wxUniChar(kReplacementCharacter);
  }
  cleaned.Replace("]]>", "]]]]><![CDATA[>");
  return cleaned;
}

}  // namespace Varnel

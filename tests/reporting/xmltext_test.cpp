#include "reporting/xmltext.h"
#include <gtest/gtest.h>
#include <string>

namespace {

std::string Attribute(const wxString& text) {
  std::string out;
  Varnel::AppendXmlAttribute(out, text);
  return out;
}

std::string CData(const wxString& text) {
  std::string out;
  Varnel::AppendXmlCData(out, text);
  return out;
}

// On Windows the toolkit's strings hold a character outside the BMP as two UTF-16 halves: they must come out
// as the one character. A lone half is no character: it is written in the visible notation.
TEST(XmlText, ACharacterOutsideTheBmpStaysWholeAndALoneHalfIsShownAsItsCode) {
  const wxString grin = wxString::FromUTF8("\xF0\x9F\x98\x80");
  EXPECT_EQ(Attribute("a" + grin + "&"), "a\xF0\x9F\x98\x80&amp;");
  EXPECT_EQ(CData(grin + "]]>"), "\xF0\x9F\x98\x80]]]]><![CDATA[>");
  EXPECT_EQ(Attribute(wxString(L"x\xD800y")), "x[0xD800]y");
  EXPECT_EQ(CData(wxString(L"\xDC00")), "[0xDC00]");
  // Each length of UTF-8 at both its ends.
  const char* const bounds = "\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBD\xF0\x90\x80\x80\xF4\x8F\xBF\xBF";
  EXPECT_EQ(CData(wxString::FromUTF8(bounds)), bounds);
}

}  // namespace

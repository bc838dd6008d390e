#include "reporting/xmltext.h"
#include <gtest/gtest.h>

namespace {

using Varnel::EscapeXmlAttribute;
using Varnel::EscapeXmlCData;

// On Windows the toolkit's strings hold a character outside the BMP as two UTF-16 halves: they must come out
// as the one character, not as two replacement characters. A lone half is no character and is replaced.
TEST(XmlText, ACharacterOutsideTheBmpStaysWholeAndALoneHalfIsReplaced) {
  const wxString grin = wxString::FromUTF8("\xF0\x9F\x98\x80");
  EXPECT_EQ(EscapeXmlAttribute("a" + grin + "&").utf8_string(), "a\xF0\x9F\x98\x80&amp;");
  EXPECT_EQ(EscapeXmlCData(grin + "]]>").utf8_string(), "\xF0\x9F\x98\x80]]]]><![CDATA[>");
  EXPECT_EQ(EscapeXmlAttribute(wxString(L"x\xD800y")).utf8_string(), "x\xEF\xBF\xBDy");
  EXPECT_EQ(EscapeXmlCData(wxString(L"\xDC00")).utf8_string(), "\xEF\xBF\xBD");
}

}  // namespace

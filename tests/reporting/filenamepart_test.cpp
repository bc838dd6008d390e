// The host name's part of the dashboard report's name: the characters beside each kept range are replaced.
#include "reporting/filenamepart.h"
#include <gtest/gtest.h>

namespace {

TEST(FileNamePart, KeepsAsciiLettersDigitsDashAndDotOnly) {
  EXPECT_EQ(Varnel::FileNamePart("azAZ09-.").utf8_string(), "azAZ09-.");
  EXPECT_EQ(Varnel::FileNamePart("`{@[/:_ ,\\").utf8_string(), "__________");
  EXPECT_EQ(Varnel::FileNamePart(wxString::FromUTF8("h\xC3\xA9te")).utf8_string(), "h_te");
  EXPECT_EQ(Varnel::FileNamePart("").utf8_string(), "unknown");
}

}  // namespace

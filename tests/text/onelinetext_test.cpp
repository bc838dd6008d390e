#include "text/onelinetext.h"
#include <gtest/gtest.h>
#include <string>

namespace {

// Only what would break the line is escaped; a byte that merely begins such a character passes unchanged.
TEST(OneLineText, EscapesExactlyTheCharactersThatBreakALineAndTheBytesThatAreNotUtf8) {
  const std::pair<std::string, std::string> cases[] = {
      {"a\tb\x1F \x7F~", "a\\x09b\\x1F \\x7F~"},
      {"\xC2\x80.\xC2\x85.\xC2\x9F", "\\u0080.\\u0085.\\u009F"},
      {"\xC2\xA0\xC2\x7F", "\xC2\xA0\\xC2\\x7F"},
      {"\xE2\x80\xA8\xE2\x80\xA9", "\\u2028\\u2029"},
      {"\xE2\x80\xA7\xE2\x80\xAA\xE2\x81\xA8", "\xE2\x80\xA7\xE2\x80\xAA\xE2\x81\xA8"},
      {"\xC2", "\\xC2"},
      {"\xE2\x80", "\\xE2\\x80"},
      {"\xEF\xBF\xBF\xF0\x90\x80\x80\xF4\x8F\xBF\xBF", "\xEF\xBF\xBF\xF0\x90\x80\x80\xF4\x8F\xBF\xBF"},
      {"bad\xFF.\x80.\xC0\xAF.\xC1\xBF.\xE0\x9F\xBF.\xED\xA0\x80.\xF0\x8F\xBF\xBF.\xF4\x90\x80\x80.\xF5\x80\x80\x80",
       "bad\\xFF.\\x80.\\xC0\\xAF.\\xC1\\xBF.\\xE0\\x9F\\xBF.\\xED\\xA0\\x80.\\xF0\\x8F\\xBF\\xBF.\\xF4\\x90\\x80\\x80."
       "\\xF5\\x80\\x80\\x80"}};
  for (const auto& [text, line] : cases) EXPECT_EQ(Varnel::OneLineText(text), line) << line;
}

}  // namespace

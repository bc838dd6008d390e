// The data-file decoder against the toolkit it stands in for: the same text as the automatic converter, and the
// same lines as the toolkit's text files (or the in-memory parser's single separator).
#include "tabulon/decodedlines.h"
#include "support/files.h"
#include "support/scratchdir.h"
#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <wx/convauto.h>
#include <wx/textfile.h>

using tabulon::DecodeAsConverterDoes;

namespace {

std::vector<wxString> LinesOf(const tabulon::DecodedLines& decoded) {
  std::vector<wxString> lines;
  for (std::size_t i = 0; i < decoded.LineCount(); ++i) lines.push_back(decoded.Line(i).ToString());
  return lines;
}

TEST(DecodedLines, DecodesEveryEncodingAsTheAutomaticConverterDoes) {
  const std::string cases[] = {
      "",
      "plain ASCII\tcells\n",
      "caf\xC3\xA9 \xE2\x98\x83 \xF0\x9F\x98\x80 \xF4\x8F\xBF\xBF \xEF\xBF\xBD",  // two- to four-byte sequences
      "over\xC0\xAF long",                                                        // overlong forms
      "overlong \xE0\x80\xAF",
      "overlong \xF0\x80\x80\xAF",
      "surrogate \xED\xA0\x80",
      "beyond \xF4\x90\x80\x80 \xF5\x80\x80\x80",
      "cut short \xE2\x98",
      "stray \x80 continuation",
      "latin-1 caf\xE9",
      std::string("NUL\0inside", 10),
      "\xEF\xBB\xBFUTF-8 after its mark",
      "\xEF\xBB\xBF",
      std::string("\xFF\xFEU\0T\0F\0-\0001\0006\0", 14),
      std::string("\xFE\xFF\0U\0T\0F", 8),
      std::string("\xFF\xFE\0\0U\0\0\0", 8),
      std::string("\xFF\xFEodd", 5),
      "\xEF not a mark",
      std::string("\0\0", 2),
  };
  for (const std::string& bytes : cases) {
    std::wstring text;
    const bool decoded = DecodeAsConverterDoes(bytes.data(), bytes.size(), text);
    const wxString expected(bytes.data(), wxConvAuto(), bytes.size());
    EXPECT_EQ(wxString(text), expected) << bytes;
    EXPECT_EQ(decoded, bytes.empty() || !expected.empty()) << bytes;

    // Split into lines, the same text comes out line by line, whether it is kept as bytes or decoded at once.
    const std::string twoLines = bytes + "\n" + bytes;
    const wxString whole(twoLines.data(), wxConvAuto(), twoLines.size());
    std::vector<wxString> expectedLines;
    for (std::size_t start = 0; start < whole.length();) {
      const std::size_t end = std::min(whole.find(wxS('\n'), start), whole.length());
      expectedLines.push_back(whole.Mid(start, end - start));
      start = end + 1;
    }
    tabulon::DecodedLines lines;
    EXPECT_EQ(lines.Decode(twoLines, tabulon::DecodedLines::LineEnds::Any), !whole.empty()) << bytes;
    EXPECT_EQ(LinesOf(lines), expectedLines) << bytes;
  }
}

struct SplitCase {
  const char* text;
  std::vector<const char*> oneSeparator;
};

TEST(DecodedLines, SplitsLinesAsTheToolkitsTextFilesOrAtOneSeparator) {
  const SplitCase cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\nb\n", {"a", "b"}},
      {"a\n\n\nb", {"a", "", "", "b"}},
      {"a\r\nb\rc\nd\r\n", {"a", "b\rc\nd"}},
      {"a\rb\r", {"a\rb\r"}},
      {"\r\n\r\n", {"", ""}},
      {"a\n\rb\r\r\n", {"a\n\rb\r"}},
  };
  testsupport::ScratchDir dir;
  for (const SplitCase& split : cases) {
    const std::string path = dir.File("lines.txt");
    testsupport::WriteFile(path, split.text);
    wxTextFile textFile;
    ASSERT_TRUE(textFile.Open(path, wxConvAuto()));
    std::vector<wxString> asTextFile;
    for (std::size_t i = 0; i < textFile.GetLineCount(); ++i) asTextFile.push_back(textFile.GetLine(i));

    tabulon::DecodedLines any;
    ASSERT_TRUE(any.Decode(split.text, tabulon::DecodedLines::LineEnds::Any));
    EXPECT_EQ(LinesOf(any), asTextFile) << split.text;
    tabulon::DecodedLines one;
    ASSERT_TRUE(one.Decode(split.text, tabulon::DecodedLines::LineEnds::OneSeparator));
    EXPECT_EQ(LinesOf(one), std::vector<wxString>(split.oneSeparator.begin(), split.oneSeparator.end())) << split.text;
  }
}

TEST(DecodedLines, BytesTheConverterCannotDecodeLeaveNoLines) {
  tabulon::DecodedLines decoded;
  ASSERT_TRUE(decoded.Decode("a\nb", tabulon::DecodedLines::LineEnds::Any));
  EXPECT_FALSE(
      decoded.Decode("\xFF\xFE"
                     "a",
                     tabulon::DecodedLines::LineEnds::Any));
  EXPECT_EQ(decoded.LineCount(), 0u);
}

}  // namespace

// The data-file decoder against the toolkit it stands in for: the same text as the automatic converter, and the
// same lines as the toolkit's text files (or the in-memory parser's single separator).
#include "tabulon/decodedlines.h"
#include "support/files.h"
#include "support/scratchdir.h"
#include "support/system.h"
#include <algorithm>
#include <gtest/gtest.h>
#include <optional>
#include <sstream>
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
  // Each text, and whether it is kept as UTF-8 bytes when it is given twice with a line end between.
  std::vector<std::pair<std::string, bool>> cases = {
      {"", true}, {"plain ASCII\tcells\n", true}, {"latin-1 caf\xE9", false}};
  // In hexadecimal, '+' before well-formed UTF-8 without NUL: byte-order marks (UTF-8, UTF-16 of either order, UTF-32)
  // alone and before text, NUL, and UTF-8's boundaries: each lead byte range's ends, the second byte's limits after E0,
  // ED, F0 and F4 (overlongs, surrogates, beyond U+10FFFF), sequences cut short or broken by ASCII, stray
  // continuations. Each alone, inside ASCII (within the eight-byte steps over ASCII) and at the end of ASCII.
  std::istringstream sequences(
      "+EFBBBF +EFBBBF5554462D38 FFFE5500540046002D0031003600 FEFF005500540046 FFFE000055000000 FFFE6F6464 EF20 "
      "0000 4E00 +7F 80 BF C0AF C1BF C2 +C280 C241 +DFBF E0 E09FBF +E0A080 E298 E29841 E24180 +ECBFBF +ED9FBF EDA080 "
      "+EE8080 +EFBFBF F0 F08FBFBF +F0908080 F09F98 F09F9841 F09F4180 F0418080 +F3BFBFBF +F48FBFBF F4908080 F5808080 "
      "F888808080 FF +C3A9C3A9C3A9C3A9 +E29883F09F9880");
  for (std::string hex; sequences >> hex;) {
    const bool plus = hex[0] == '+';
    if (plus) hex.erase(0, 1);
    // U+110000, past the last code point, in the form of a four-byte sequence.
    const bool beyondUnicode = hex == "F4908080";
    if (beyondUnicode && !testsupport::kConverterStableBeyondUnicode) continue;
    std::string sequence;
    for (std::size_t i = 0; i < hex.size(); i += 2)
      sequence += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    cases.insert(cases.end(),
                 {{sequence, plus && hex < "80"}, {"a" + sequence + "bcdefgh", plus}, {"abcdefgh" + sequence, plus}});
  }
  for (const auto& [bytes, keepsUtf8Bytes] : cases) {
    const std::optional<std::wstring> text = DecodeAsConverterDoes(bytes.data(), bytes.size());
    const wxString expected(bytes.data(), wxConvAuto(), bytes.size());
    EXPECT_EQ(wxString(text.value_or(std::wstring())), expected) << bytes;
    EXPECT_EQ(text.has_value(), bytes.empty() || !expected.empty()) << bytes;

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
    EXPECT_EQ(lines.KeepsUtf8Bytes(), keepsUtf8Bytes) << bytes;
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

}  // namespace

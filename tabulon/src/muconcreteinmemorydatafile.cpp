#include "tabulon/src/muconcreteinmemorydatafile.h"
#include <cstring>
#include <wx/convauto.h>
#include <wx/file.h>
#include <wx/intl.h>
#include <wx/log.h>

namespace {

const char* const kSourceFile = "tabulon/src/muconcreteinmemorydatafile";

// A byte-order mark alone decodes to the empty text without anything having failed.
bool IsByteOrderMarkOnly(const std::vector<char>& bytes) {
  static const char* const marks[] = {"\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF"};
  for (const char* mark : marks) {
    if (bytes.size() == std::strlen(mark) && std::memcmp(bytes.data(), mark, bytes.size()) == 0) return true;
  }
  static const char utf32Little[] = {'\xFF', '\xFE', 0, 0};
  static const char utf32Big[] = {0, 0, '\xFE', '\xFF'};
  return bytes.size() == 4 &&
         (std::memcmp(bytes.data(), utf32Little, 4) == 0 || std::memcmp(bytes.data(), utf32Big, 4) == 0);
}

bool PopulateLinesCollection(wxFile& file, std::vector<wxString>& lines) {
  lines.clear();
  bool readable = file.IsOpened();
  std::vector<char> bytes;
  if (readable) {
    // Read to the end rather than trusting the length: the object need not be a plain file.
    char chunk[65536];
    for (;;) {
      const ssize_t got = file.Read(chunk, sizeof chunk);
      if (got == wxInvalidOffset) {
        readable = false;
        break;
      }
      if (got <= 0) break;
      bytes.insert(bytes.end(), chunk, chunk + got);
    }
  }
  wxString text;
  if (readable && !bytes.empty()) {
    text = wxString(bytes.data(), wxConvAuto(), bytes.size());
    readable = !text.empty() || IsByteOrderMarkOnly(bytes);
  }
  if (!readable) {
    wxLogger(wxLOG_Error, kSourceFile, __LINE__, "`anonymous-namespace'::PopulateLinesCollection", wxLOG_COMPONENT)
        .Log(_("Failed to slurp into string."));
    return false;
  }
  lines = SplitIntoLines(text);
  return true;
}

}  // namespace

std::vector<wxString> SplitIntoLines(const wxString& text) {
  std::vector<wxString> lines;
  const wxString separator = text.find(wxS("\r\n")) != wxString::npos ? wxString(wxS("\r\n")) : wxString(wxS("\n"));
  std::size_t start = 0;
  while (start < text.length()) {
    const std::size_t end = text.find(separator, start);
    if (end == wxString::npos) {
      lines.emplace_back(text.wx_str() + start, text.length() - start);
      break;
    }
    lines.emplace_back(text.wx_str() + start, end - start);
    start = end + separator.length();
  }
  return lines;
}

MUConcreteInMemoryDataFile::MUConcreteInMemoryDataFile(wxFile& file, const wxString& fileName, bool hasHeader,
                                                       ParseReportSink* sink)
    : MUDataFileParserCore(hasHeader, sink, Dialect{true, false}) {
  RecordFilePath(fileName);

  const wxFileOffset remembered = file.IsOpened() ? file.Tell() : wxInvalidOffset;
  if (remembered == wxInvalidOffset || file.Seek(0) == wxInvalidOffset) {
    wxLogger(wxLOG_Error, kSourceFile, __LINE__, "MUConcreteInMemoryDataFile::MUConcreteInMemoryDataFile",
             wxLOG_COMPONENT)
        .Log(_("Seek failed"));
  }
  PopulateLinesCollection(file, lines);
  if (remembered != wxInvalidOffset) file.Seek(remembered);

  if (!ReadHeader()) return;
  if (!BuildColumns()) return;
  if (HasHeader() && ColumnCount() == 0) {
    Fail(ParseReport_BadLayout, _("Missing Header"));
    return;
  }
  ReportSuccess();
}

wxString MUConcreteInMemoryDataFile::LayoutFailureMessage(LayoutFailure failure) const {
  switch (failure) {
    case LayoutFailure::MissingExperimentName:
      return _("missing exp name");
    case LayoutFailure::MissingRunDate:
      return _("missing date");
    case LayoutFailure::TooShort:
      return _("file too short");
    case LayoutFailure::NoColumnHeadings:
      return _("no column names");
    case LayoutFailure::TooManyColumns:
      return _("Missing Header");
  }
  return wxString();
}

#include "tabulon/muconcreteinmemorydatafile.h"
#include <cstring>
#include <string>
#include <wx/file.h>
#include <utility>
#include <wx/intl.h>
#include <wx/log.h>

using tabulon::ParseReportSink;

namespace {

const char* const kSourceFile = "tabulon/src/muconcreteinmemorydatafile";

// A byte-order mark alone decodes to the empty text without anything having failed.
bool IsByteOrderMarkOnly(const std::string& bytes) {
  static const char* const marks[] = {"\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF"};
  for (const char* mark : marks) {
    if (bytes.size() == std::strlen(mark) && std::memcmp(bytes.data(), mark, bytes.size()) == 0) return true;
  }
  static const char utf32Little[] = {'\xFF', '\xFE', 0, 0};
  static const char utf32Big[] = {0, 0, '\xFE', '\xFF'};
  return bytes.size() == 4 &&
         (std::memcmp(bytes.data(), utf32Little, 4) == 0 || std::memcmp(bytes.data(), utf32Big, 4) == 0);
}

// Leaves no lines when the file cannot be read or decoded (logged unless it holds a byte-order mark alone): the
// header check then fails the file.
void PopulateLinesCollection(wxFile& file, tabulon::DecodedLines& lines) {
  bool readable = file.IsOpened();
  std::string bytes;
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
      bytes.append(chunk, static_cast<std::size_t>(got));
    }
  }
  if (readable) {
    // The lines are cut at "\r\n" when the text has one, otherwise at "\n".
    const bool markOnly = IsByteOrderMarkOnly(bytes);
    readable = lines.Decode(std::move(bytes), tabulon::DecodedLines::LineEnds::OneSeparator) || markOnly;
  }
  if (!readable) {
    wxLogger(wxLOG_Error, kSourceFile, __LINE__, "`anonymous-namespace'::PopulateLinesCollection", wxLOG_COMPONENT)
        .Log(_("Failed to slurp into string."));
  }
}

}  // namespace

MUConcreteInMemoryDataFile::MUConcreteInMemoryDataFile(wxFile& file, const wxString& fileName, bool withHeader,
                                                       ParseReportSink* reportSink)
    : tabulon::DataFileParserCore(withHeader, reportSink, Dialect{true, false}) {
  RecordFilePath(fileName);

  const wxFileOffset remembered = file.IsOpened() ? file.Tell() : wxInvalidOffset;
  if (remembered == wxInvalidOffset || file.Seek(0) == wxInvalidOffset) {
    wxLogger(wxLOG_Error, kSourceFile, __LINE__, "MUConcreteInMemoryDataFile::MUConcreteInMemoryDataFile",
             wxLOG_COMPONENT)
        .Log(_("Seek failed"));
  }
  PopulateLinesCollection(file, lines_);
  if (remembered != wxInvalidOffset) file.Seek(remembered);

  if (!ReadHeader()) return;
  if (!BuildColumns()) return;
  if (HasHeader() && ColumnCount() == 0) {
    Fail(tabulon::ParseReportCode::BadLayout, _("Missing Header"));
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

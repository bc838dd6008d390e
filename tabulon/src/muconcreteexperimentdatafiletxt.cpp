#include "tabulon/src/muconcreteexperimentdatafiletxt.h"
#include "tabulon/src/celltext.h"
#include "tabulon/src/mueasyredirectminimalerrorlog.h"
#include <wx/file.h>
#include <wx/filefn.h>
#include <wx/intl.h>
#include <sys/stat.h>

using tabulon::OrdinalWord;
using tabulon::ParseReport;
using tabulon::ParseReport_FileTooLarge;
using tabulon::ParseReport_OpenFailed;
using tabulon::ParseReportSink;

MUConcreteExperimentDataFileTxt::MUConcreteExperimentDataFileTxt(const wxString& fileName, bool hasHeader,
                                                                 ParseReportSink* sink)
    : MUDataFileParserCore(hasHeader, sink, Dialect{}), sourceFile(fileName) {
  if (!Open(fileName)) return;
  if (!ReadHeader()) return;
  if (!BuildColumns()) return;
  ReportSuccess();
}

bool MUConcreteExperimentDataFileTxt::Open(const wxString& fileName) {
  // Asking the file system, unlike opening the file, logs nothing when the file is not there.
  wxStructStat status;
  const bool known = !fileName.empty() && wxStat(fileName, &status) == 0;
  if (known && static_cast<unsigned long long>(status.st_size) > kMaximumFileSize) {
    RecordFilePath(fileName);
    const auto lowBits = static_cast<unsigned>(static_cast<unsigned long long>(status.st_size) & 0xFFFFFFFFu);
    Fail(ParseReport_FileTooLarge,
         wxString::Format(_("File too large.  This file is %u bytes in size.  Tabulon cannot support opening such "
                            "large files.  You may wish to split the file into multiple smaller files and try "
                            "again."),
                          lowBits));
    return false;
  }

  RecordFilePath(fileName);

  std::vector<wxString> messages;
  bool opened = false;
  {
    MUEasyRedirectMinimalErrorLog redirect;
    MURedirectedLogScope scope(redirect);
    if (fileName.empty()) {
      wxLogError(_("No data file name was given."));
    } else if (known && !S_ISREG(status.st_mode)) {
      // Reading a directory or a device as text would never end or would ask for absurd amounts of memory.
      wxLogError(_("Cannot open \"%s\": it is not a regular file."), fileName);
    } else {
      std::string bytes;
      opened = ReadBytes(fileName, bytes);
      // CR LF, LF and CR all end a line. Bytes that do not decode make a file without lines, as they make an
      // empty text file for the toolkit.
      if (opened) lines.Decode(bytes.data(), bytes.size(), MUDecodedLines::LineEnds::Any);
    }
    messages = redirect.TakeMessages();
  }
  if (opened) return true;

  std::vector<ParseReport> reports;
  for (const wxString& message : messages) {
    ParseReport report;
    report.code = ParseReport_OpenFailed;
    report.message = message;
    report.filePath = FilePath();
    reports.push_back(report);
  }
  Report(reports);
  MarkFailed();
  return false;
}

bool MUConcreteExperimentDataFileTxt::ReadBytes(const wxString& fileName, std::string& bytes) {
  wxFile file;
  if (!file.Open(fileName)) return false;
  char chunk[65536];
  for (;;) {
    const ssize_t got = file.Read(chunk, sizeof chunk);
    if (got == wxInvalidOffset) return false;
    if (got == 0) return true;
    bytes.append(chunk, static_cast<std::size_t>(got));
  }
}

std::size_t MUConcreteExperimentDataFileTxt::LineCount() const { return lines.LineCount(); }

wxString MUConcreteExperimentDataFileTxt::LayoutFailureMessage(LayoutFailure failure) const {
  switch (failure) {
    case LayoutFailure::MissingExperimentName:
      return wxString::Format(_("Input file is missing an experiment name.  The %s line of the file should contain "
                                "the title of the experiment."),
                              OrdinalWord(2));
    case LayoutFailure::MissingRunDate:
      return wxString::Format(_("Input file is missing information about the time the experiment was run.  The %s "
                                "line of the file should contain this information."),
                              OrdinalWord(3));
    case LayoutFailure::TooShort:
      return wxString::Format(_("This file does not appear long enough to be a valid datafile.  There should be %u "
                                "lines of header information followed by one or more rows of data."),
                              6u);
    case LayoutFailure::NoColumnHeadings:
      return wxString::Format(_("This file does not appear to have any column headings.  There should be column "
                                "titles populated from row %u to row %u of the file."),
                              4u, 5u);
    case LayoutFailure::TooManyColumns:
      return _("This file has more columns than can be read.");
  }
  return wxString();
}

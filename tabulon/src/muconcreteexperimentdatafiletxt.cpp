#include "tabulon/src/muconcreteexperimentdatafiletxt.h"
#include "tabulon/src/mucelltext.h"
#include "tabulon/src/mueasyredirectminimalerrorlog.h"
#include <wx/convauto.h>
#include <wx/filefn.h>
#include <wx/intl.h>
#include <wx/textfile.h>
#include <sys/stat.h>

MUConcreteExperimentDataFileTxt::MUConcreteExperimentDataFileTxt(const wxString& fileName, bool hasHeader,
                                                                 ParseReportSink* sink)
    : MUDataFileParserCore(hasHeader, sink, Dialect{}), sourceFile(fileName), textFile(std::make_unique<wxTextFile>()) {
  if (!Open(fileName)) return;
  RecordFilePath(textFile->GetName());
  if (!ReadHeader()) return;
  if (!BuildColumns()) return;
  ReportSuccess();
}

MUConcreteExperimentDataFileTxt::~MUConcreteExperimentDataFileTxt() {
  if (textFile && textFile->IsOpened()) textFile->Close();
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
  if (textFile->IsOpened()) textFile->Close();

  std::vector<wxString> messages;
  {
    MUEasyRedirectMinimalErrorLog redirect;
    MURedirectedLogScope scope(redirect);
    if (fileName.empty()) {
      wxLogError(_("No data file name was given."));
    } else if (known && !S_ISREG(status.st_mode)) {
      // Reading a directory or a device as text would never end or would ask for absurd amounts of memory.
      wxLogError(_("Cannot open \"%s\": it is not a regular file."), fileName);
    } else {
      textFile->Open(fileName, wxConvAuto());
    }
    messages = redirect.TakeMessages();
  }
  if (textFile->IsOpened()) return true;

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

std::size_t MUConcreteExperimentDataFileTxt::LineCount() const { return textFile->GetLineCount(); }

const wxString& MUConcreteExperimentDataFileTxt::Line(std::size_t index) const { return textFile->GetLine(index); }

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

#include "muconcreteexperimentdatafiletxt.h"
#include "tabulon/celltext.h"
#include "tabulon/datafilebytes.h"
#include <utility>
#include <wx/intl.h>
#include <wx/log.h>

using tabulon::OrdinalWord;
using tabulon::ParseReport;
using tabulon::ParseReportSink;

MUConcreteExperimentDataFileTxt::MUConcreteExperimentDataFileTxt(const wxString& fileName, bool withHeader,
                                                                 ParseReportSink* reportSink)
    : tabulon::DataFileParserCore(withHeader, reportSink, Dialect{}), sourceFile_(fileName) {
  if (!Open(fileName)) return;
  if (!ReadHeader()) return;
  if (!BuildColumns()) return;
  ReportSuccess();
}

MUConcreteExperimentDataFileTxt::~MUConcreteExperimentDataFileTxt() = default;

bool MUConcreteExperimentDataFileTxt::Open(const wxString& fileName) {
  RecordFilePath(fileName);
  if (fileName.empty()) {
    FailToOpen({_("No data file name was given.")});
    return false;
  }
  tabulon::DataFileBytes read = tabulon::ReadDataFileBytes(fileName, kMaximumFileSize);
  switch (read.failure) {
    case tabulon::DataFileBytes::Failure::None:
      break;
    case tabulon::DataFileBytes::Failure::CannotOpen:
      FailToOpen({wxString::Format(_("can't open file '%s'"), fileName) +
                  wxString::Format(" (error %d: %s)", read.systemError.value(),
                                   wxSysErrorMsgStr(static_cast<unsigned long>(read.systemError.value())))});
      return false;
    case tabulon::DataFileBytes::Failure::NotRegular:
      // Reading a directory or a device as text would never end or would ask for absurd amounts of memory.
      FailToOpen({wxString::Format(_("Cannot open \"%s\": it is not a regular file."), fileName)});
      return false;
    case tabulon::DataFileBytes::Failure::TooLarge: {
      const auto lowBits = static_cast<unsigned>(read.size & 0xFFFFFFFFu);
      Fail(tabulon::ParseReportCode::FileTooLarge,
           wxString::Format(_("File too large.  This file is %u bytes in size.  Tabulon cannot support opening such "
                              "large files.  You may wish to split the file into multiple smaller files and try "
                              "again."),
                            lowBits));
      return false;
    }
  }
  // CR LF, LF and CR all end a line. Bytes that do not decode make a file without lines, as they make an empty
  // text file for the toolkit.
  lines_.Decode(std::move(read.bytes), tabulon::DecodedLines::LineEnds::Any);
  return true;
}

void MUConcreteExperimentDataFileTxt::FailToOpen(const std::vector<wxString>& messages) {
  std::vector<ParseReport> reports;
  for (const wxString& message : messages) {
    ParseReport report;
    report.code = tabulon::ParseReportCode::OpenFailed;
    report.message = message;
    report.filePath = FilePath();
    reports.push_back(report);
  }
  Report(reports);
  MarkFailed();
}

std::size_t MUConcreteExperimentDataFileTxt::LineCount() const { return lines_.LineCount(); }

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

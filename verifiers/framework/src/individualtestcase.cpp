#include "framework/individualtestcase.h"
#include "reporting/fakejunitprinter.h"
#include "reporting/maketestlocation.h"
#include "tabulon/muinterfacemultiexperimentdatasource.h"
#include "readeracquisition.h"
#include <climits>

namespace Varnel {

namespace {

// The lines that locate the template's own failures, in the file part of the verifier's name.
constexpr int kMissingNotifierLine = 327;
constexpr int kNoRunTimeColumnLine = 343;
constexpr int kNoExpansionColumnLine = 369;

}  // namespace

IndividualTestCaseBase::IndividualTestCaseBase(const wxString& experimentFileName, bool expectsEmptyFile)
    : name(experimentFileName), expectEmptyDatafile_(expectsEmptyFile) {}

void IndividualTestCaseBase::VerifyDatafile(const wxString& dataFilePath, const StimAreaList* stimAreas,
                                            FakeJUnitPrinter* outcomePrinter) {
  printer = outcomePrinter;
  printer->BeginSuite(name);
  printer->ReportPass("VerifyDatafile_was_called_for_" + name);
  reader = CommonTestHelperLogic_GetReaderOrElseLogAnError(printer, dataFilePath, expectEmptyDatafile_);
  if (!reader) {
    OnNotifyUnableToReadDatafile(printer);
    return;
  }
  RunChecks(VerificationContext{reader, printer, stimAreas});
  TrackExperimentTiming();
  TrackExpansionTiming();
}

void IndividualTestCaseBase::OnNotifyUnableToReadDatafile(FakeJUnitPrinter* reportTo) {
  if (!expectEmptyDatafile_) return;
  reportTo->ReportFailure("Failed_To_Override_Notifier_Function_OnNotifyUnableToReadDatafile",
                          "Incorrect subclass of IndividualTestCase_T.", MakeTestLocation(name, kMissingNotifierLine),
                          "You set EXPECT_EMPTY_DATAFILE to true, which means you MUST override "
                          "OnNotifyUnableToReadDatafile.");
}

int IndividualTestCaseBase::FindColumnStartingWith(const wxString& prefix) const {
  const std::vector<wxString>& names = reader->GetColumnNames();
  for (size_t i = 0; i < names.size(); ++i) {
    if (names[i].StartsWith(prefix)) return static_cast<int>(i);
  }
  return -1;
}

int IndividualTestCaseBase::GetExpansionTimeMs() const {
  const int column = FindColumnStartingWith(kExpansionMarker);
  if (column < 0) return -123;
  const wxString heading = reader->GetColumnNames()[column];
  wxString number = heading.AfterFirst(':');
  number.Trim(true).Trim(false);
  long value = 0;
  // A heading that carries no plain whole number counts as no expansion time, so that windows fail clearly.
  if (!number.ToLong(&value) || value < INT_MIN || value > INT_MAX) return -123;
  return static_cast<int>(value);
}

void IndividualTestCaseBase::TrackExperimentTiming() {
  const int column = reader->GetColumnIndex(kCumulativeTimeColumn);
  if (column < 0) {
    ReportFailure(wxString::Format("__TIMING__TRACKING__UNAVAILABLE__%s", name),
                  "Please add the Cumulative Time column to the output.", kNoRunTimeColumnLine,
                  "We cannot monitor run-time duration without having the Cum Time column available.")
        << wxString::Format("no column {%s} among the %d columns", kCumulativeTimeColumn,
                            static_cast<int>(reader->GetColumnNames().size()));
    return;
  }
  const wxString lastTime = reader->GetCellText(reader->GetRowCount() - 1, column);
  printer->ReportTracking("__TIMING__TRACKING__" + name, lastTime);
}

void IndividualTestCaseBase::TrackExpansionTiming() {
  if (FindColumnStartingWith(kExpansionMarker) == -1) {
    ReportFailure(wxString::Format("__EXPANSION__TRACKING__UNAVAILABLE__%s", name),
                  "Someting broke, there's no expansion time column.", kNoExpansionColumnLine,
                  "We cannot monitor run-time duration without having the expansion time column available.")
        << wxString::Format("no column heading starts with {%s} among the %d columns", kExpansionMarker,
                            static_cast<int>(reader->GetColumnNames().size()));
    return;
  }
  printer->ReportTracking("__EXPANSION__TRACKING__" + name, wxString::Format("%d", GetExpansionTimeMs()));
}

CheckOutcome IndividualTestCaseBase::ReportPass(const wxString& testName) {
  printer->ReportPass(testName);
  return CheckOutcome(printer, true);
}

CheckOutcome IndividualTestCaseBase::ReportFailure(const wxString& testName, const wxString& subject, int line,
                                                   const wxString& message) {
  return ReportFailureTo(printer, testName, subject, MakeTestLocation(name, line), message);
}

CheckOutcome IndividualTestCaseBase::ReportOutcome(bool held, const wxString& testName, const wxString& subject,
                                                   int line, const wxString& message) {
  return held ? ReportPass(testName) : ReportFailure(testName, subject, line, message);
}

TextColumn IndividualTestCaseBase::ColumnTexts(const wxString& columnName) const {
  return TextColumn(*reader, reader->GetColumnIndex(columnName));
}

}  // namespace Varnel

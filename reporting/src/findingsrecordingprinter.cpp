#include "reporting/findingsrecordingprinter.h"
#include "reporting/atomicfilewriter.h"
#include <cstdio>
#include <exception>
#include <string>
#include <vector>
#include <wx/utils.h>

namespace Varnel {

FindingsRecordingPrinter::FindingsRecordingPrinter(std::unique_ptr<ConcreteFakeJUnitPrinter> reportPrinter,
                                                   std::unique_ptr<DashboardJUnitPrinter> dashboardPrinter)
    : report_(std::move(reportPrinter)), dashboard_(std::move(dashboardPrinter)) {
  report_->TellWrittenReportTo(&writtenReport_);
  wxString host;
  // Only a well-formed token is repeated: the stamp must stay one line of a known shape.
  if (wxGetEnv(kHostInstanceVariable, &host) && IsInstanceToken(host.utf8_string())) hostInstance_ = host.utf8_string();
  findings_.BeginSuite(kDefaultInitialSuiteName);
}

FindingsRecordingPrinter::~FindingsRecordingPrinter() {
  // Runs inside the host: whatever happens, nothing may escape, and the report goes out first.
  wxString path;
  try {
    path = DiagnosticsFilePath();
  } catch (...) {
    std::fprintf(stderr, "FakeJUnitPrinter could not write its diagnostics: no memory for the file's name\n");
  }
  report_.reset();
  try {
    if (!path.empty()) WriteDiagnostics(path);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "FakeJUnitPrinter could not write its diagnostics: %s\n", error.what());
  } catch (...) {
    std::fprintf(stderr, "FakeJUnitPrinter could not write its diagnostics\n");
  }
  dashboard_.reset();
}

void FindingsRecordingPrinter::WriteDiagnostics(const wxString& path) const {
  AtomicFileWriter writer(path);
  // Which build wrote it, for whoever reads diagnostics from machines that run different ones.
  writer.Append("version: dh-AutomatedTesting " DH_VERSION "\n");
  writer.Append(DiagnosticsStamp{ProcessInstanceToken(), hostInstance_, writtenReport_}.Lines());
  findings_.ForEachLine([&writer](const std::string& line) {
    writer.Append(line);
    writer.Append("\n");
  });
  writer.Commit();
}

wxString FindingsRecordingPrinter::DiagnosticsFilePath() const {
  wxString path = report_->ReportFilePath();
  if (path.EndsWith(".xml")) path.RemoveLast(4);
  return path + kDiagnosticsSuffix;
}

void FindingsRecordingPrinter::BeginSuite(const wxString& suiteName) {
  if (dashboard_) dashboard_->BeginSuite(suiteName);
  report_->BeginSuite(suiteName);
  findings_.BeginSuite(suiteName);
}

void FindingsRecordingPrinter::ReportPass(const wxString& testName) {
  if (dashboard_) dashboard_->ReportPass(testName);
  report_->ReportPass(testName);
}

void FindingsRecordingPrinter::ReportTracking(const wxString& trackName, const wxString& milliseconds) {
  if (dashboard_) dashboard_->ReportTracking(trackName, milliseconds);
  report_->ReportTracking(trackName, milliseconds);
}

void FindingsRecordingPrinter::ReportFailure(const wxString& testName, const wxString& subject,
                                             const wxString& location, const wxString& message) {
  if (dashboard_) dashboard_->ReportFailure(testName, subject, location, message);
  report_->ReportFailure(testName, subject, location, message);
  findings_.RecordFailure(testName);
}

void FindingsRecordingPrinter::AddFinding(const wxString& text) {
  if (dashboard_) dashboard_->AddFinding(text);
  findings_.AddFinding(text);
}

void FindingsRecordingPrinter::BeginDataFile(const wxString& path) {
  if (dashboard_) dashboard_->BeginDataFile(path);
  findings_.BeginDataFile(path);
}

}  // namespace Varnel

#include "reporting/findingsrecordingprinter.h"
#include "reporting/reportfiles.h"
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

namespace Varnel {

FindingsRecordingPrinter::FindingsRecordingPrinter(std::unique_ptr<ConcreteFakeJUnitPrinter> reportPrinter,
                                                   std::unique_ptr<DashboardJUnitPrinter> dashboardPrinter)
    : report(std::move(reportPrinter)), dashboard(std::move(dashboardPrinter)) {
  findings.BeginSuite(kDefaultInitialSuiteName);
}

FindingsRecordingPrinter::~FindingsRecordingPrinter() {
  // Runs inside the host: whatever happens, nothing may escape, and the report goes out first.
  wxString path;
  try {
    path = DiagnosticsFilePath();
  } catch (...) {
    std::fprintf(stderr, "FakeJUnitPrinter could not write its diagnostics: no memory for the file's name\n");
  }
  report.reset();
  try {
    if (!path.empty()) WriteDiagnostics(path);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "FakeJUnitPrinter could not write its diagnostics: %s\n", error.what());
  } catch (...) {
    std::fprintf(stderr, "FakeJUnitPrinter could not write its diagnostics\n");
  }
  dashboard.reset();
}

void FindingsRecordingPrinter::WriteDiagnostics(const wxString& path) const {
  AtomicFileWriter writer(path);
  findings.ForEachLine([&writer](const std::string& line) {
    writer.Append(line);
    writer.Append("\n");
  });
  writer.Commit();
}

wxString FindingsRecordingPrinter::DiagnosticsFilePath() const {
  wxString path = report->ReportFilePath();
  if (path.EndsWith(".xml")) path.RemoveLast(4);
  return path + ".diagnostics.txt";
}

void FindingsRecordingPrinter::BeginSuite(const wxString& suiteName) {
  if (dashboard) dashboard->BeginSuite(suiteName);
  report->BeginSuite(suiteName);
  findings.BeginSuite(suiteName);
}

void FindingsRecordingPrinter::ReportPass(const wxString& testName) {
  if (dashboard) dashboard->ReportPass(testName);
  report->ReportPass(testName);
}

void FindingsRecordingPrinter::ReportFailure(const wxString& testName, const wxString& subject,
                                             const wxString& location, const wxString& message) {
  if (dashboard) dashboard->ReportFailure(testName, subject, location, message);
  report->ReportFailure(testName, subject, location, message);
  findings.RecordFailure(testName);
}

void FindingsRecordingPrinter::AddFinding(const wxString& text) {
  if (dashboard) dashboard->AddFinding(text);
  findings.AddFinding(text);
}

void FindingsRecordingPrinter::BeginDataFile(const wxString& path) {
  if (dashboard) dashboard->BeginDataFile(path);
  findings.BeginDataFile(path);
}

}  // namespace Varnel

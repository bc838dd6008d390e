#include "findingsprinter.h"
#include "reporting/findingssink.h"
#include "text/onelinetext.h"

namespace datahookrunner {

namespace {

bool AllDigits(const std::string& text, std::size_t from, std::size_t to) {
  if (from >= to) return false;
  for (std::size_t i = from; i < to; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
  }
  return true;
}

// The diagnostics hold every name as BoundedLine made it.
bool IsStoredNameOf(const std::string& reportText, std::size_t from, std::size_t to, const std::string& stored) {
  return Varnel::BoundedLine(wxString::FromUTF8(reportText.substr(from, to - from))) == stored;
}

// The report names a suite "<name>_pid_<process id>".
bool IsReportSuiteOf(const std::string& reportName, const std::string& name) {
  const std::size_t marker = reportName.rfind("_pid_");
  return marker != std::string::npos && AllDigits(reportName, marker + 5, reportName.size()) &&
         IsStoredNameOf(reportName, 0, marker, name);
}

// The report numbers every test: "test<number><name>"; a name may itself begin with digits.
bool IsReportTestOf(const std::string& reportName, const std::string& name) {
  const std::string prefix = "test";
  if (reportName.compare(0, prefix.size(), prefix) != 0) return false;
  for (std::size_t nameStart = prefix.size() + 1;
       nameStart <= reportName.size() && AllDigits(reportName, prefix.size(), nameStart); ++nameStart) {
    if (IsStoredNameOf(reportName, nameStart, reportName.size(), name)) return true;
  }
  return false;
}

}  // namespace

FindingsPrinter::FindingsPrinter(const RunDiagnostics& runDiagnostics, bool withFindings)
    : diagnostics_(runDiagnostics), showFindings_(withFindings) {}

void FindingsPrinter::PrintSuiteDataFile(std::ostream& out, const std::string& reportSuiteName) {
  suite_ = nullptr;
  nextFailure_ = 0;
  if (nextSuite_ >= diagnostics_.size() || !IsReportSuiteOf(reportSuiteName, diagnostics_[nextSuite_].name)) return;
  suite_ = &diagnostics_[nextSuite_++];
  out << "  data file: " << Varnel::OneLineText(suite_->dataFile) << "\n";
}

void FindingsPrinter::PrintFindings(std::ostream& out, const std::string& reportTestName) {
  if (suite_ == nullptr || nextFailure_ >= suite_->failures.size()) return;
  const DiagnosedFailure& failure = suite_->failures[nextFailure_];
  if (!IsReportTestOf(reportTestName, failure.testName)) return;
  ++nextFailure_;
  if (!showFindings_) return;
  if (failure.dataFile != suite_->dataFile) out << "    data file: " << Varnel::OneLineText(failure.dataFile) << "\n";
  for (const std::string& finding : failure.findings) out << "    found: " << Varnel::OneLineText(finding) << "\n";
}

}  // namespace datahookrunner

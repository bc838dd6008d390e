#include "tools/datahook-runner/findingsprinter.h"

namespace datahookrunner {

namespace {

bool AllDigits(const std::string& text, std::size_t from, std::size_t to) {
  if (from >= to) return false;
  for (std::size_t i = from; i < to; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
  }
  return true;
}

// The report names a suite "<name>_pid_<process id>".
bool IsReportSuiteOf(const std::string& reportName, const std::string& name) {
  const std::string stem = name + "_pid_";
  return reportName.compare(0, stem.size(), stem) == 0 && AllDigits(reportName, stem.size(), reportName.size());
}

// The report numbers every test: "test<number><name>".
bool IsReportTestOf(const std::string& reportName, const std::string& name) {
  const std::string prefix = "test";
  if (reportName.size() < prefix.size() + name.size()) return false;
  const std::size_t nameStart = reportName.size() - name.size();
  return reportName.compare(0, prefix.size(), prefix) == 0 && reportName.compare(nameStart, name.size(), name) == 0 &&
         AllDigits(reportName, prefix.size(), nameStart);
}

}  // namespace

FindingsPrinter::FindingsPrinter(const RunDiagnostics& runDiagnostics, bool withFindings)
    : diagnostics(runDiagnostics), showFindings(withFindings) {}

void FindingsPrinter::PrintSuiteDataFile(std::ostream& out, const std::string& reportSuiteName) {
  suite = nullptr;
  nextFailure = 0;
  if (nextSuite >= diagnostics.size() || !IsReportSuiteOf(reportSuiteName, diagnostics[nextSuite].name)) return;
  suite = &diagnostics[nextSuite++];
  out << "  data file: " << suite->dataFile << "\n";
}

void FindingsPrinter::PrintFindings(std::ostream& out, const std::string& reportTestName) {
  if (suite == nullptr || nextFailure >= suite->failures.size()) return;
  const DiagnosedFailure& failure = suite->failures[nextFailure];
  if (!IsReportTestOf(reportTestName, failure.testName)) return;
  ++nextFailure;
  if (!showFindings) return;
  if (failure.dataFile != suite->dataFile) out << "    data file: " << failure.dataFile << "\n";
  for (const std::string& finding : failure.findings) out << "    found: " << finding << "\n";
}

}  // namespace datahookrunner

#pragma once
#include "diagnosticsfile.h"
#include <cstddef>
#include <ostream>
#include <string>

namespace datahookrunner {

// Pairs the report's suites and failures, in report order, with those of the diagnostics file, and prints each
// suite's data file under its line and what was found under each failure. A report entry without its
// counterpart in the diagnostics gets no added lines, so nothing is ever shown under the wrong failure.
class FindingsPrinter {
 public:
  FindingsPrinter(const RunDiagnostics& runDiagnostics, bool withFindings);

  void PrintSuiteDataFile(std::ostream& out, const std::string& reportSuiteName);
  void PrintFindings(std::ostream& out, const std::string& reportTestName);

 private:
  const RunDiagnostics& diagnostics_;
  const bool showFindings_;
  std::size_t nextSuite_ = 0;
  const DiagnosedSuite* suite_ = nullptr;
  std::size_t nextFailure_ = 0;
};

}  // namespace datahookrunner

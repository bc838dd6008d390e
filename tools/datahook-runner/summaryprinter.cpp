#include "summaryprinter.h"
#include "text/onelinetext.h"

using Varnel::OneLineText;

namespace datahookrunner {

namespace {

void PrintFailure(std::ostream& out, const FailureSummary& failure, FindingsPrinter& findings) {
  out << "  FAILED " << OneLineText(failure.testName) << "\n"
      << "    subject: " << OneLineText(failure.subject) << "\n"
      << "    message: " << OneLineText(failure.firstMessageLine) << "\n";
  findings.PrintFindings(out, failure.testName);
}

void PrintSuite(std::ostream& out, const SuiteSummary& suite, FindingsPrinter& findings) {
  out << "suite " << OneLineText(suite.name) << ": tests " << suite.tests << ", failures " << suite.failureCount
      << "\n";
  findings.PrintSuiteDataFile(out, suite.name);
  for (const FailureSummary& failure : suite.failures) PrintFailure(out, failure, findings);
  const unsigned long unlisted = suite.failureCount - suite.failures.size();
  if (unlisted > 0) {
    out << "  ... and " << unlisted << (unlisted == 1 ? " more failure" : " more failures")
        << ", not listed here: the report holds them all\n";
  }
}

void CompareCount(std::ostream& out, const std::string& where, const char* what,
                  const std::optional<std::string>& declared, unsigned long counted) {
  if (!declared || *declared == std::to_string(counted)) return;
  out << "datahook-runner: warning: " << where << " declares " << what << "=\"" << OneLineText(*declared)
      << "\" but holds " << counted << "\n";
}

}  // namespace

void PrintSummary(std::ostream& out, const ReportSummary& summary, const std::string& reportPath,
                  FindingsPrinter& findings) {
  for (const SuiteSummary& suite : summary.suites) PrintSuite(out, suite, findings);
  out << "total: suites " << summary.suites.size() << ", tests " << summary.TotalTests() << ", failures "
      << summary.TotalFailures() << "\n"
      << "report: " << OneLineText(reportPath) << "\n";
}

void PrintCountMismatches(std::ostream& out, const ReportSummary& summary) {
  for (const SuiteSummary& suite : summary.suites) {
    const std::string where = "suite '" + OneLineText(suite.name) + "'";
    CompareCount(out, where, "tests", suite.declaredTests, suite.tests);
    CompareCount(out, where, "failures", suite.declaredFailures, suite.failureCount);
  }
  CompareCount(out, "the report", "tests", summary.declaredTests, summary.TotalTests());
  CompareCount(out, "the report", "failures", summary.declaredFailures, summary.TotalFailures());
}

}  // namespace datahookrunner

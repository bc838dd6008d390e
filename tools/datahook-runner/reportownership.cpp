#include "reportownership.h"

namespace datahookrunner {

namespace {

bool SuitesNamedWithProcessId(const std::string& path, const ReportSummary& summary, unsigned long processId,
                              std::string& error) {
  const std::string suffix = "_pid_" + std::to_string(processId);
  for (const SuiteSummary& suite : summary.suites) {
    if (suite.name.size() < suffix.size() ||
        suite.name.compare(suite.name.size() - suffix.size(), suffix.size(), suffix) != 0) {
      error.assign("the report ")
          .append(path)
          .append(" is not this run's: its suite '")
          .append(suite.name)
          .append("' is not named with ")
          .append(suffix);
      return false;
    }
  }
  if (summary.suites.empty()) {
    error = "the report " + path + " holds no suite named with " + suffix + ", so it cannot be this run's";
    return false;
  }
  return true;
}

const char* StampProblem(const Varnel::DiagnosticsStamp& stamp, const std::string& hostInstance,
                         const Varnel::ContentDigest& read) {
  if (stamp.hostInstance != hostInstance) return "the diagnostics beside it are not this run's";
  if (!stamp.report) return "this run's plug-in did not write it";
  if (!(*stamp.report == read)) return "its bytes are not those this run's plug-in wrote";
  return nullptr;
}

}  // namespace

bool CheckReportIsOwn(const std::string& path, const ReportSummary& summary, const Varnel::ContentDigest& read,
                      unsigned long processId, const Varnel::DiagnosticsStamp& stamp, const std::string& hostInstance,
                      std::string& error) {
  if (!SuitesNamedWithProcessId(path, summary, processId, error)) return false;
  const char* problem = StampProblem(stamp, hostInstance, read);
  if (problem == nullptr) return true;
  error.assign("cannot tell the report ").append(path).append(" for this run's: ").append(problem);
  error.append("; ").append(kAnotherProcessWrote);
  return false;
}

}  // namespace datahookrunner

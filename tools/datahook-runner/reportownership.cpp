#include "reportownership.h"

namespace datahookrunner {

namespace {

hostkit::Failure NotNamedWith(const std::string& path, const std::string& suite, const std::string& suffix) {
  return hostkit::Failure("the report " + path + " is not this run's: its suite '" + suite + "' is not named with " +
                          suffix);
}

hostkit::Status SuitesNamedWithProcessId(const std::string& path, const ReportSummary& summary,
                                         unsigned long processId) {
  const std::string suffix = "_pid_" + std::to_string(processId);
  for (const SuiteSummary& suite : summary.suites) {
    if (suite.name.size() < suffix.size() ||
        suite.name.compare(suite.name.size() - suffix.size(), suffix.size(), suffix) != 0) {
      return NotNamedWith(path, suite.name, suffix);
    }
  }
  if (summary.suites.empty()) {
    return hostkit::Failure("the report " + path + " holds no suite named with " + suffix +
                            ", so it cannot be this run's");
  }
  return {};
}

const char* StampProblem(const Varnel::DiagnosticsStamp& stamp, const std::string& hostInstance,
                         const Varnel::ContentDigest& read) {
  if (stamp.hostInstance != hostInstance) return "the diagnostics beside it are not this run's";
  if (!stamp.report) return "this run's plug-in did not write it";
  if (!(*stamp.report == read)) return "its bytes are not those this run's plug-in wrote";
  return nullptr;
}

}  // namespace

hostkit::Status CheckReportIsOwn(const std::string& path, const ReportSummary& summary,
                                 const Varnel::ContentDigest& read, unsigned long processId,
                                 const Varnel::DiagnosticsStamp& stamp, const std::string& hostInstance) {
  hostkit::Status named = SuitesNamedWithProcessId(path, summary, processId);
  if (!named.Ok()) return named;
  const char* problem = StampProblem(stamp, hostInstance, read);
  if (problem == nullptr) return {};
  return hostkit::Failure("cannot tell the report " + path + " for this run's: " + problem + "; " +
                          kAnotherProcessWrote);
}

}  // namespace datahookrunner

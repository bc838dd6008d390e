#include "tools/datahook-runner/reportownership.h"
#include "tools/datahook-runner/runpaths.h"
#include <fstream>

namespace datahookrunner {

namespace fs = std::filesystem;

bool MarkRunStart(const std::string& reportDirectory, fs::file_time_type& start, std::string& error) {
  const fs::path probe = fs::path(reportDirectory) / ".datahook-runner-start";
  std::error_code failure;
  fs::remove(probe, failure);
  if (!std::ofstream(probe)) {
    error = "cannot create '" + probe.string() + "' to take the run's start time";
    return false;
  }
  start = fs::last_write_time(probe, failure);
  fs::remove(probe);
  if (failure) error = "cannot take the run's start time: " + failure.message();
  return !failure;
}

bool CheckReportIsOwn(const std::string& path, const ReportSummary& summary, unsigned long processId,
                      fs::file_time_type runStart, std::string& error) {
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
  std::error_code failure;
  const fs::file_time_type written = fs::last_write_time(NativePath(path), failure);
  if (failure || written < runStart) {
    error = "the report " + path + " was not written during this run (an earlier report left under its name)";
    return false;
  }
  return true;
}

}  // namespace datahookrunner

#include "tools/datahook-runner/runpaths.h"
#include <filesystem>
#include <system_error>

namespace datahookrunner {

namespace fs = std::filesystem;

std::string AbsoluteFrom(const std::string& base, const std::string& path) {
  fs::path joined(path);
  if (joined.is_relative()) joined = fs::path(base) / joined;
  fs::path cleaned;
  for (const fs::path& part : joined) {
    if (part != "." && !part.empty()) cleaned /= part;
  }
  return cleaned.string();
}

std::string DirectoryOfRunner() {
  std::error_code error;
  const fs::path executable = fs::read_symlink("/proc/self/exe", error);
  return error ? std::string() : executable.parent_path().string();
}

std::string ReportDirectory() { return "scons-out/opt/tests/auto_experiment_tests"; }

namespace {

std::string RunFileStem(pid_t hostProcessId) {
  return "FakeUnitTestsDataHookExperimentRunning_" + std::to_string(static_cast<unsigned long>(hostProcessId));
}

}  // namespace

std::string ReportFileName(pid_t hostProcessId) { return RunFileStem(hostProcessId) + ".xml"; }

std::string DiagnosticsFileName(pid_t hostProcessId) { return RunFileStem(hostProcessId) + ".diagnostics.txt"; }

}  // namespace datahookrunner

#include "runpaths.h"
#include <wx/filename.h>
#include <wx/stdpaths.h>

namespace datahookrunner {

namespace fs = std::filesystem;

fs::path NativePath(const std::string& utf8) { return fs::u8path(utf8); }

std::string Utf8Path(const fs::path& path) { return path.u8string(); }

std::string AbsoluteFrom(const std::string& base, const std::string& path) {
  fs::path joined = NativePath(path);
  if (joined.is_relative()) joined = NativePath(base) / joined;
  fs::path cleaned;
  for (const fs::path& part : joined) {
    if (part != "." && !part.empty()) cleaned /= part;
  }
  return Utf8Path(cleaned);
}

std::string DirectoryOfRunner() {
  const wxString executable = wxStandardPaths::Get().GetExecutablePath();
  if (executable.empty()) return std::string();
  return wxFileName(executable).GetPath().utf8_string();
}

std::string ReportDirectory() { return "scons-out/opt/tests/auto_experiment_tests"; }

namespace {

std::string RunFileStem(unsigned long hostProcessId) {
  return "FakeUnitTestsDataHookExperimentRunning_" + std::to_string(hostProcessId);
}

}  // namespace

std::string ReportFileName(unsigned long hostProcessId) { return RunFileStem(hostProcessId) + ".xml"; }

std::string DiagnosticsFileName(unsigned long hostProcessId) { return RunFileStem(hostProcessId) + ".diagnostics.txt"; }

}  // namespace datahookrunner

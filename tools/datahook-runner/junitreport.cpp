#include "junitreport.h"
#include "runpaths.h"
#include <filesystem>
#include <wx/utils.h>

namespace datahookrunner {

namespace fs = std::filesystem;

bool SwitchOnJunitReport(const std::string& directory) {
  return wxSetEnv("DH_AUTOMATEDTESTING_JUNIT_DIR", wxString::FromUTF8(directory));
}

std::set<std::string> JunitReportsOfThisProcess(const std::string& directory) {
  // The plug-in names its file "dh-AutomatedTesting_<host>_<pid>_<random>.xml".
  const std::string ownProcess = "_" + std::to_string(wxGetProcessId()) + "_";
  std::set<std::string> reports;
  std::error_code failure;
  for (fs::directory_iterator it(NativePath(directory), failure), end; !failure && it != end; it.increment(failure)) {
    const std::string name = Utf8Path(it->path().filename());
    if (name.rfind("dh-AutomatedTesting_", 0) == 0 && name.find(ownProcess) != std::string::npos &&
        it->path().extension() == ".xml") {
      reports.insert(Utf8Path(it->path()));
    }
  }
  return reports;
}

hostkit::Result<std::string> FindNewJunitReport(const std::set<std::string>& before, const std::set<std::string>& now) {
  std::set<std::string> added;
  for (const std::string& report : now) {
    if (before.count(report) == 0) added.insert(report);
  }
  if (added.size() == 1) return *added.begin();
  return hostkit::Failure(added.empty()
                              ? "the plug-in wrote no JUnit report to the --junit-dir folder"
                              : "the plug-in wrote more than one JUnit report to the --junit-dir folder in one run");
}

}  // namespace datahookrunner

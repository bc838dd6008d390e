#include "junitreport.h"
#include "runpaths.h"
#include "site/sitesettings.h"
#include "reporting/dashboardjunitprinter.h"
#include "reporting/environmentvariable.h"
#include "text/onelinetext.h"
#include <filesystem>
#include <vector>
#include <wx/utils.h>

namespace datahookrunner {

namespace fs = std::filesystem;

bool SwitchOnJUnitReport(const std::string& directory) {
  return Varnel::SetEnvironmentVariable(Varnel::kJUnitDirectoryVariable, wxString::FromUTF8(directory));
}

std::string JUnitDirectoryInForce(const std::string& pluginFolder) {
  // The plug-in's own rule: the variable, else the settings file (whose problems the plug-in tells itself).
  const std::optional<wxString> variable = Varnel::EnvironmentVariable(Varnel::kJUnitDirectoryVariable);
  if (variable) return variable->utf8_string();
  std::vector<std::string> problemsToldByThePlugin;
  return Varnel::ReadSiteSettings(wxString::FromUTF8(pluginFolder), problemsToldByThePlugin)
      .junitDir.value.utf8_string();
}

std::set<std::string> JUnitReportsOfThisProcess(const std::string& directory) {
  // The plug-in names its file "dh-AutomatedTesting_<host>_<pid>_<random>.xml".
  const std::string ownProcess = "_" + std::to_string(wxGetProcessId()) + "_";
  std::set<std::string> reports;
  if (directory.empty()) return reports;
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

hostkit::Result<std::string> FindNewJUnitReport(const std::string& directory, const std::set<std::string>& before,
                                                const std::set<std::string>& now) {
  std::set<std::string> added;
  for (const std::string& report : now) {
    if (before.count(report) == 0) added.insert(report);
  }
  if (added.size() == 1) return *added.begin();
  const std::string folder = Varnel::OneLineText(directory);
  return hostkit::Failure(added.empty() ? "the plug-in wrote none to " + folder + " (standard error says why)"
                                        : "the plug-in wrote more than one to " + folder + " in one run");
}

}  // namespace datahookrunner

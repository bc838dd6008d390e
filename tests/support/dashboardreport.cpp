#include "tests/support/dashboardreport.h"
#include <algorithm>
#include <filesystem>
#include <wx/utils.h>

namespace testsupport {

std::vector<std::string> DashboardReportsIn(const std::string& directory) {
  std::vector<std::string> reports;
  std::error_code missing;
  for (const auto& entry : std::filesystem::directory_iterator(directory, missing)) {
    if (entry.path().extension() == ".xml") reports.push_back(entry.path().string());
  }
  std::sort(reports.begin(), reports.end());
  return reports;
}

DashboardSwitchedOn::DashboardSwitchedOn(const std::string& directory) {
  wxSetEnv("DH_AUTOMATEDTESTING_JUNIT_DIR", wxString::FromUTF8(directory));
}

DashboardSwitchedOn::~DashboardSwitchedOn() { wxUnsetEnv("DH_AUTOMATEDTESTING_JUNIT_DIR"); }

}  // namespace testsupport

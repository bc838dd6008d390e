#pragma once
#include <string>
#include <vector>

namespace testsupport {

// The dashboard reports in the folder, sorted by name; ReadReport reads each.
std::vector<std::string> DashboardReportsIn(const std::string& directory);

// Switches the plug-in's dashboard report on, into the folder, for the lifetime of the object.
struct DashboardSwitchedOn {
  explicit DashboardSwitchedOn(const std::string& directory);
  ~DashboardSwitchedOn();
};

}  // namespace testsupport

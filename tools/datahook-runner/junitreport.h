#pragma once
#include "hostkit/result.h"
#include <set>
#include <string>

namespace datahookrunner {

// --junit-dir: the folder is handed to the plug-in through its environment variable, and the dashboard report
// it wrote there during this run is found afterwards by what is new in the folder.

// Sets the plug-in's variable to the folder (absolute) for this process; false when the system refuses.
bool SwitchOnJunitReport(const std::string& directory);

// The dashboard reports of this process (its id in the name) in the folder; empty when there is none.
std::set<std::string> JunitReportsOfThisProcess(const std::string& directory);

// The one report among now that was not among before, or an error when there is not exactly one.
hostkit::Result<std::string> FindNewJunitReport(const std::set<std::string>& before, const std::set<std::string>& now);

}  // namespace datahookrunner

#pragma once
#include "hostkit/result.h"
#include <set>
#include <string>

namespace datahookrunner {

// The dashboard report: asked for by --junit-dir (handed to the plug-in through its environment variable), by that
// variable, or by the settings file beside the plug-in. The report the plug-in wrote during this run is found
// afterwards by what is new in the folder; when there is none the run cannot pass.

// Sets the plug-in's variable to the folder (absolute) for this process; false when the system refuses.
bool SwitchOnJUnitReport(const std::string& directory);

// The folder the plug-in in pluginFolder writes its dashboard report to, as the plug-in finds it (relative to the
// working directory when relative); empty when none is asked for.
std::string JUnitDirectoryInForce(const std::string& pluginFolder);

// The dashboard reports of this process (its id in the name) in the folder; empty when there is none.
std::set<std::string> JUnitReportsOfThisProcess(const std::string& directory);

// The one report among now that was not among before, or why there is not exactly one.
hostkit::Result<std::string> FindNewJUnitReport(const std::string& directory, const std::set<std::string>& before,
                                                const std::set<std::string>& now);

}  // namespace datahookrunner

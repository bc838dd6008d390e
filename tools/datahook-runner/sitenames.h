#pragma once
#include <string>

namespace datahookrunner {

// The line that follows the summary: the names of the site's machines that the plug-in in that folder goes by,
// with where each came from, when they are not all the compiled-in ones; empty otherwise. The plug-in itself
// tells what was wrong with a malformed settings file or variable, so this reads them without a word.
std::string SiteNamesInForce(const std::string& pluginFolder);

}  // namespace datahookrunner

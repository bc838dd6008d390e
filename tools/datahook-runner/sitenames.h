#pragma once
#include <ostream>
#include <string>

namespace datahookrunner {

// After the summary: the names of the site's machines that the plug-in in that folder goes by, with where each
// came from, when they are not all the compiled-in ones; nothing otherwise. The plug-in itself tells what was
// wrong with a malformed settings file or variable, so this reads them without a word.
void PrintSiteNamesInForce(std::ostream& out, const std::string& pluginFolder);

}  // namespace datahookrunner

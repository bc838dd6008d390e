#pragma once
#include "hostkit/result.h"
#include <string>
#include <vector>

namespace datahookrunner {

// The command line as given; paths are not resolved yet.
struct RunnerOptions {
  std::string pluginPath;        // empty: the plug-in built beside the runner
  std::string workDir;           // empty: the current directory
  std::string stimAreaFile;      // empty: every data file gets an empty list of areas
  std::string junitDir;          // empty: no dashboard JUnit report asked for
  bool stimAreasBeside = false;  // a data file X.txt with a file X.stimareas beside it gets those areas instead
  bool showFindings = true;      // what the diagnostics file says was found, under each failure
  std::vector<std::string> hostAssertions;
  std::vector<std::string> dataFiles;
  bool showHelp = false;
  bool showVersion = false;
};

// The options, or what makes the command line unusable.
hostkit::Result<RunnerOptions> ParseArguments(int argc, const char* const* argv);
std::string UsageText();

}  // namespace datahookrunner

#pragma once

namespace datahookrunner {

// The whole tool: parses the command line, drives the plug-in like the host and sums up its report.
// Returns the process exit status.
int RunDataHookRunner(int argc, const char* const* argv);

}  // namespace datahookrunner

#pragma once
#include <string>
#include <sys/types.h>

namespace datahookrunner {

// The path as an absolute one, relative paths taken from base; "." parts are dropped, ".." parts are kept
// because dropping them would be wrong across symbolic links.
std::string AbsoluteFrom(const std::string& base, const std::string& path);

// Directory of the running executable; empty if /proc/self/exe cannot be read.
std::string DirectoryOfRunner();

// Where the plug-in writes, relative to the host's working directory.
std::string ReportDirectory();
std::string ReportFileName(pid_t hostProcessId);
// The plug-in's diagnostics file, beside the report.
std::string DiagnosticsFileName(pid_t hostProcessId);

}  // namespace datahookrunner

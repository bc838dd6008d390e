#pragma once
#include <filesystem>
#include <string>

namespace datahookrunner {

// The runner keeps paths as UTF-8 text; these turn them into the system's paths and back, which a plain
// narrow string would not do on Windows, where narrow paths are in the ANSI code page.
std::filesystem::path NativePath(const std::string& utf8);
std::string Utf8Path(const std::filesystem::path& path);

// The path as an absolute one, relative paths taken from base; "." parts are dropped, ".." parts are kept
// because dropping them would be wrong across symbolic links.
std::string AbsoluteFrom(const std::string& base, const std::string& path);

// Directory of the running executable; empty if the system does not tell. Needs the toolkit initialised.
std::string DirectoryOfRunner();

// Where the plug-in writes, relative to the host's working directory.
std::string ReportDirectory();
std::string ReportFileName(unsigned long hostProcessId);
// The plug-in's diagnostics file, beside the report.
std::string DiagnosticsFileName(unsigned long hostProcessId);

}  // namespace datahookrunner

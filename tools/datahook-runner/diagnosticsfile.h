#pragma once
#include "reporting/reportstamp.h"
#include <optional>
#include <string>
#include <vector>

namespace datahookrunner {

// The plug-in's diagnostics file as read back: suites in report order, each with its data file and its failures
// with what was found behind them.
struct DiagnosedFailure {
  std::string testName;  // as reported, without the report's numbering
  std::string dataFile;
  std::vector<std::string> findings;
};

struct DiagnosedSuite {
  std::string name;  // as begun, without the report's process id
  std::string dataFile;
  std::vector<DiagnosedFailure> failures;
};

using RunDiagnostics = std::vector<DiagnosedSuite>;

struct DiagnosticsFile {
  Varnel::DiagnosticsStamp stamp;  // from the lines before the first suite
  RunDiagnostics suites;
};

// None when the file cannot be opened or read to its end; lines it does not know are skipped.
std::optional<DiagnosticsFile> ReadDiagnosticsFile(const std::string& path);

}  // namespace datahookrunner

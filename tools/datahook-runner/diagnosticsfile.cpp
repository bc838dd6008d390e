#include "diagnosticsfile.h"
#include <fstream>
#include <utility>

namespace datahookrunner {

namespace {

// The line's text after the prefix, which must follow the indentation exactly; none without the prefix.
std::optional<std::string> After(const std::string& line, const std::string& prefix) {
  if (line.compare(0, prefix.size(), prefix) != 0) return std::nullopt;
  return line.substr(prefix.size());
}

void ReadLine(const std::string& line, RunDiagnostics& diagnostics) {
  if (std::optional<std::string> name = After(line, "suite: ")) {
    diagnostics.push_back(DiagnosedSuite{std::move(*name), "", {}});
    return;
  }
  if (diagnostics.empty()) return;
  DiagnosedSuite& suite = diagnostics.back();
  std::optional<std::string> text;
  if ((text = After(line, "  data file: "))) {
    suite.dataFile = std::move(*text);
  } else if ((text = After(line, "  failure: "))) {
    suite.failures.push_back(DiagnosedFailure{std::move(*text), "", {}});
  } else if (suite.failures.empty()) {
    return;
  } else if ((text = After(line, "    data file: "))) {
    suite.failures.back().dataFile = std::move(*text);
  } else if ((text = After(line, "    found: "))) {
    suite.failures.back().findings.push_back(std::move(*text));
  }
}

}  // namespace

std::optional<DiagnosticsFile> ReadDiagnosticsFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  DiagnosticsFile file;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (file.suites.empty() && file.stamp.Read(line)) continue;
    ReadLine(line, file.suites);
  }
  // A read that broke off (the stream keeps what it was thrown, out of memory included) is no whole file.
  if (in.bad()) return std::nullopt;
  return file;
}

}  // namespace datahookrunner

#include "diagnosticsfile.h"
#include <fstream>

namespace datahookrunner {

namespace {

// The line's text after the prefix, which must follow the indentation exactly.
bool After(const std::string& line, const std::string& prefix, std::string& rest) {
  if (line.compare(0, prefix.size(), prefix) != 0) return false;
  rest = line.substr(prefix.size());
  return true;
}

void ReadLine(const std::string& line, RunDiagnostics& diagnostics) {
  std::string text;
  if (After(line, "suite: ", text)) {
    diagnostics.push_back(DiagnosedSuite{text, "", {}});
    return;
  }
  if (diagnostics.empty()) return;
  DiagnosedSuite& suite = diagnostics.back();
  if (After(line, "  data file: ", text)) {
    suite.dataFile = text;
  } else if (After(line, "  failure: ", text)) {
    suite.failures.push_back(DiagnosedFailure{text, "", {}});
  } else if (suite.failures.empty()) {
    return;
  } else if (After(line, "    data file: ", text)) {
    suite.failures.back().dataFile = text;
  } else if (After(line, "    found: ", text)) {
    suite.failures.back().findings.push_back(text);
  }
}

}  // namespace

bool ReadDiagnosticsFile(const std::string& path, RunDiagnostics& diagnostics, Varnel::DiagnosticsStamp& stamp) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (diagnostics.empty() && stamp.Read(line)) continue;
    ReadLine(line, diagnostics);
  }
  // A read that broke off (the stream keeps what it was thrown, out of memory included) is no whole file.
  return !in.bad();
}

}  // namespace datahookrunner

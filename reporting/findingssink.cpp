#include "reporting/findingssink.h"

namespace Varnel {

namespace {

const char kNothingMore[] = "    found: this check has nothing to show beyond its message";

wxString ShownPath(const wxString& path) { return path.empty() ? wxString("(none)") : path; }

}  // namespace

wxString BoundedLine(const wxString& text, std::size_t maxLength) {
  wxString line;
  std::size_t shown = 0;
  for (auto it = text.begin(); it != text.end(); ++it) {
    if (shown >= maxLength) {
      const std::size_t rest = text.length() - shown;
      return line + wxString::Format(" [cut: %lu more characters]", static_cast<unsigned long>(rest));
    }
    const wxUniChar ch = *it;
    if (ch.GetValue() < 0x20 || ch.GetValue() == 0x7f) {
      line += wxString::Format("\\x%02X", static_cast<unsigned>(ch.GetValue()));
    } else {
      line += ch;
    }
    ++shown;
  }
  return line;
}

void FindingsSink::BeginSuite(const wxString& suiteName) {
  failureOpen = false;
  if (!HasRoom()) {
    ++linesCut;
    return;
  }
  suites.push_back(Suite{BoundedLine(suiteName), currentDataFile, {}});
  storedLines += 2;
}

void FindingsSink::BeginDataFile(const wxString& path) { currentDataFile = BoundedLine(path); }

void FindingsSink::RecordFailure(const wxString& testName) {
  failureOpen = false;
  if (suites.empty()) BeginSuite("(before any suite)");
  if (!HasRoom()) {
    ++linesCut;
    return;
  }
  suites.back().failures.push_back(Failure{BoundedLine(testName), currentDataFile, {}, 0});
  storedLines += 3;
  failureOpen = true;
}

void FindingsSink::AddFinding(const wxString& text) {
  if (!failureOpen) return;
  Failure& failure = suites.back().failures.back();
  if (!HasRoom() || failure.findings.size() >= kMaxFindingsPerFailure) {
    ++failure.findingsCut;
    return;
  }
  failure.findings.push_back(BoundedLine(text));
  ++storedLines;
}

std::vector<wxString> FindingsSink::Lines() const {
  std::vector<wxString> lines;
  for (const Suite& suite : suites) {
    lines.push_back("suite: " + suite.name);
    lines.push_back("  data file: " + ShownPath(suite.dataFile));
    for (const Failure& failure : suite.failures) {
      lines.push_back("  failure: " + failure.testName);
      lines.push_back("    data file: " + ShownPath(failure.dataFile));
      if (failure.findings.empty() && failure.findingsCut == 0) lines.push_back(kNothingMore);
      for (const wxString& finding : failure.findings) lines.push_back("    found: " + finding);
      if (failure.findingsCut > 0) {
        lines.push_back(
            wxString::Format("    found: [cut: %lu more findings]", static_cast<unsigned long>(failure.findingsCut)));
      }
    }
  }
  if (linesCut > 0) {
    lines.push_back(wxString::Format("[cut: %lu more suites and failures]", static_cast<unsigned long>(linesCut)));
  }
  return lines;
}

}  // namespace Varnel

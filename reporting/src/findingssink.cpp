#include "reporting/findingssink.h"
#include "text/onelinetext.h"

namespace Varnel {

namespace {

const char kNothingMore[] = "    found: this check has nothing to show beyond its message";

std::string ShownPath(const std::string& path) { return path.empty() ? std::string("(none)") : path; }

}  // namespace

std::string BoundedLine(const wxString& text, std::size_t maxLength) {
  if (text.length() <= maxLength) return OneLineText(text.utf8_string());
  return OneLineText(text.Left(maxLength).utf8_string()) + " [cut: " + std::to_string(text.length() - maxLength) +
         " more characters]";
}

void FindingsSink::BeginSuite(const wxString& suiteName) {
  failureOpen_ = false;
  if (!HasRoom()) {
    ++linesCut_;
    return;
  }
  suites_.push_back(Suite{BoundedLine(suiteName), currentDataFile_, {}});
  storedLines_ += 2;
}

void FindingsSink::BeginDataFile(const wxString& path) { currentDataFile_ = BoundedLine(path); }

void FindingsSink::RecordFailure(const wxString& testName) {
  failureOpen_ = false;
  if (suites_.empty()) BeginSuite("(before any suite)");
  if (!HasRoom()) {
    ++linesCut_;
    return;
  }
  suites_.back().failures.push_back(Failure{BoundedLine(testName), currentDataFile_, {}, 0});
  storedLines_ += 3;
  failureOpen_ = true;
}

void FindingsSink::AddFinding(const wxString& text) {
  if (!failureOpen_) return;
  Failure& failure = suites_.back().failures.back();
  if (!HasRoom() || failure.findings.size() >= kMaxFindingsPerFailure) {
    ++failure.findingsCut;
    return;
  }
  failure.findings.push_back(BoundedLine(text));
  ++storedLines_;
}

void FindingsSink::ForEachLine(const std::function<void(const std::string&)>& emit) const {
  for (const Suite& suite : suites_) {
    emit("suite: " + suite.name);
    emit("  data file: " + ShownPath(suite.dataFile));
    for (const Failure& failure : suite.failures) {
      emit("  failure: " + failure.testName);
      emit("    data file: " + ShownPath(failure.dataFile));
      if (failure.findings.empty() && failure.findingsCut == 0) emit(kNothingMore);
      for (const std::string& finding : failure.findings) emit("    found: " + finding);
      if (failure.findingsCut > 0) emit("    found: [cut: " + std::to_string(failure.findingsCut) + " more findings]");
    }
  }
  if (linesCut_ > 0) emit("[cut: " + std::to_string(linesCut_) + " more suites and failures]");
}

std::vector<std::string> FindingsSink::Lines() const {
  std::vector<std::string> lines;
  ForEachLine([&lines](const std::string& line) { lines.push_back(line); });
  return lines;
}

}  // namespace Varnel

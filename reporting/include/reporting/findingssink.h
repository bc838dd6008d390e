#pragma once
#include <cstddef>
#include <functional>
#include <string>
#include <vector>
#include <wx/string.h>

namespace Varnel {

// What the checks found behind their failures, kept beside the report: every suite with its data file, every
// failure with its findings. Texts come from data files of any content, so each is cut to a bounded length
// (with a visible mark) and written on one line (OneLineText); the whole is bounded too.
class FindingsSink {
 public:
  static constexpr std::size_t kMaxTextLength = 400;
  static constexpr std::size_t kMaxFindingsPerFailure = 16;
  static constexpr std::size_t kMaxLines = 20000;

  void BeginSuite(const wxString& suiteName);
  void BeginDataFile(const wxString& path);
  void RecordFailure(const wxString& testName);
  // Belongs to the failure recorded last; without one it is dropped.
  void AddFinding(const wxString& text);

  // The diagnostics file, line by line in UTF-8 without line ends: "suite: " and its "data file: ", then each of
  // its failures with "failure: ", the data file it is about and "found: " lines, indented by level; a failure
  // without findings says that its check had nothing more to show. Lines go out one at a time, so that a long
  // run's diagnostics are never held twice.
  void ForEachLine(const std::function<void(const std::string&)>& emit) const;
  std::vector<std::string> Lines() const;

 private:
  // Kept in UTF-8: a run over thousands of data files holds a suite and a path for each.
  struct Failure {
    std::string testName;
    std::string dataFile;
    std::vector<std::string> findings;
    std::size_t findingsCut = 0;
  };
  struct Suite {
    std::string name;
    std::string dataFile;
    std::vector<Failure> failures;
  };

  bool HasRoom() const { return storedLines_ < kMaxLines; }

  std::vector<Suite> suites_;
  std::string currentDataFile_;
  std::size_t storedLines_ = 0;
  std::size_t linesCut_ = 0;
  bool failureOpen_ = false;
};

// A text as one bounded line in UTF-8: escaped as OneLineText does, and a text longer than the limit (in
// characters) cut, ending in a mark that tells how much was left out.
std::string BoundedLine(const wxString& text, std::size_t maxLength = FindingsSink::kMaxTextLength);

}  // namespace Varnel

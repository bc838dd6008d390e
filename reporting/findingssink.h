#pragma once
#include <cstddef>
#include <vector>
#include <wx/string.h>

namespace Varnel {

// What the checks found behind their failures, kept beside the report: every suite with its data file, every
// failure with its findings. Texts come from data files of any content, so each is cut to a bounded length
// (with a visible mark) and its control characters are shown as escapes; the whole is bounded too.
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

  // The diagnostics file: "suite: " and its "data file: ", then each of its failures with "failure: ", the data
  // file it is about and "found: " lines, indented by level; a failure without findings says that its check
  // had nothing more to show.
  std::vector<wxString> Lines() const;

 private:
  struct Failure {
    wxString testName;
    wxString dataFile;
    std::vector<wxString> findings;
    std::size_t findingsCut = 0;
  };
  struct Suite {
    wxString name;
    wxString dataFile;
    std::vector<Failure> failures;
  };

  bool HasRoom() const { return storedLines < kMaxLines; }

  std::vector<Suite> suites;
  wxString currentDataFile;
  std::size_t storedLines = 0;
  std::size_t linesCut = 0;
  bool failureOpen = false;
};

// A text as one bounded line: control characters become "\xNN" and a text longer than the limit is cut,
// ending in a mark that tells how much was left out.
wxString BoundedLine(const wxString& text, std::size_t maxLength = FindingsSink::kMaxTextLength);

}  // namespace Varnel

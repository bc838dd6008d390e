#pragma once
#include <cstddef>
#include <map>
#include <string>
#include <unordered_map>
#include <wx/string.h>

namespace tabulon {

// The column names of one file already in use, compared ignoring case (by upper-case form). Names that differ
// only in trailing '#' characters are kept together, as runs of consecutive '#' counts, so that a new duplicate
// finds its suffix in logarithmic time even in a file with thousands of equal headings.
class NamesInUse {
 public:
  void Clear();
  void Insert(const wxString& name);

 private:
  friend wxString MakeUniqueName(const wxString& baseName, const NamesInUse& namesInUse);
  // First and last number of a run of consecutive '#' counts, keyed by the first.
  using HashRuns = std::map<std::size_t, std::size_t>;
  // Upper-case form without its trailing '#' characters -> the '#' counts of the names with that form, as runs.
  std::unordered_map<std::wstring, HashRuns> hashRunsByStem_;
};

// The base name when no name in use equals it ignoring case; otherwise the base name followed by as many '#' as
// it takes to pass the first run of consecutive '#'-suffixed duplicates ("Name#", "Name##", ...).
wxString MakeUniqueName(const wxString& baseName, const NamesInUse& namesInUse);

}  // namespace tabulon

#pragma once
#include <cstddef>
#include <set>
#include <string>
#include <unordered_map>
#include <wx/string.h>

// The column names of one file already in use, compared ignoring case (by upper-case form). Names that differ
// only in trailing '#' characters are kept together so that a new duplicate finds its suffix quickly even in a
// file with thousands of equal headings.
class MUNamesInUse {
 public:
  void Clear();
  void Insert(const wxString& name);
  bool empty() const { return count == 0; }

 private:
  friend wxString MakeUniqueName(const wxString& baseName, const MUNamesInUse& namesInUse);
  // Upper-case form without its trailing '#' characters -> the numbers of trailing '#' of the names with that form.
  std::unordered_map<std::wstring, std::set<std::size_t>> suffixLengthsByStem;
  std::size_t count = 0;
};

// The base name when no name in use equals it ignoring case; otherwise the base name followed by as many '#' as
// it takes to pass the first run of consecutive '#'-suffixed duplicates ("Name#", "Name##", ...).
wxString MakeUniqueName(const wxString& baseName, const MUNamesInUse& namesInUse);

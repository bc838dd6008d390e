#include "tabulon/src/mumakeuniquename.h"
#include <iterator>

namespace {

// The upper-case form of the name split into its stem and the number of '#' that end it.
std::pair<std::wstring, std::size_t> FoldedStem(const wxString& name) {
  std::wstring folded = name.Upper().ToStdWstring();
  std::size_t hashes = 0;
  while (hashes < folded.size() && folded[folded.size() - 1 - hashes] == L'#') ++hashes;
  folded.resize(folded.size() - hashes);
  return {std::move(folded), hashes};
}

}  // namespace

void MUNamesInUse::Clear() {
  suffixLengthsByStem.clear();
  count = 0;
}

void MUNamesInUse::Insert(const wxString& name) {
  auto [stem, hashes] = FoldedStem(name);
  if (suffixLengthsByStem[stem].insert(hashes).second) ++count;
}

wxString MakeUniqueName(const wxString& baseName, const MUNamesInUse& namesInUse) {
  const auto [stem, baseHashes] = FoldedStem(baseName);
  const auto found = namesInUse.suffixLengthsByStem.find(stem);
  if (found == namesInUse.suffixLengthsByStem.end()) return baseName;
  const std::set<std::size_t>& lengths = found->second;
  if (lengths.count(baseHashes) == 0) return baseName;

  // The names that are the base name followed by '#' characters, by how many '#' they add.
  auto next = lengths.upper_bound(baseHashes);
  std::size_t added = 0;
  if (next != lengths.end()) {
    added = *next - baseHashes;
    for (auto after = std::next(next); after != lengths.end() && *after == *next + 1; ++after, ++next) ++added;
  }
  return baseName + wxString(wxS('#'), added + 1);
}

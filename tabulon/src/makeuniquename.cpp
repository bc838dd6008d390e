#include "tabulon/makeuniquename.h"
#include "tabulon/asciicase.h"
#include <iterator>

namespace {

// The upper-case form of the name split into its stem and the number of '#' that end it.
std::pair<std::wstring, std::size_t> FoldedStem(const wxString& name) {
  std::wstring folded = tabulon::AsciiUpper(name).ToStdWstring();
  const std::size_t stem = folded.find_last_not_of(L'#') + 1;  // npos + 1 is 0: a name of '#' only
  const std::size_t hashes = folded.size() - stem;
  folded.resize(stem);
  return {std::move(folded), hashes};
}

// The run that holds the count, or end().
template <typename Runs>
auto RunHolding(Runs& runs, std::size_t count) {
  auto run = runs.upper_bound(count);
  if (run == runs.begin()) return runs.end();
  --run;
  return run->second >= count ? run : runs.end();
}

// Adds the count to the runs, joining it to its neighbours; a count there already changes nothing.
void AddToRuns(std::map<std::size_t, std::size_t>& runs, std::size_t count) {
  if (RunHolding(runs, count) != runs.end()) return;
  auto after = runs.upper_bound(count);
  auto before = after == runs.begin() ? runs.end() : std::prev(after);
  const bool joinsBefore = before != runs.end() && before->second + 1 == count;
  const bool joinsAfter = after != runs.end() && after->first == count + 1;
  if (joinsBefore && joinsAfter) {
    before->second = after->second;
    runs.erase(after);
  } else if (joinsBefore) {
    before->second = count;
  } else if (joinsAfter) {
    const std::size_t last = after->second;
    runs.erase(after);
    runs.emplace(count, last);
  } else {
    runs.emplace(count, count);
  }
}

}  // namespace

void tabulon::NamesInUse::Clear() { hashRunsByStem_.clear(); }

void tabulon::NamesInUse::Insert(const wxString& name) {
  auto [stem, hashes] = FoldedStem(name);
  AddToRuns(hashRunsByStem_[stem], hashes);
}

namespace tabulon {

wxString MakeUniqueName(const wxString& baseName, const tabulon::NamesInUse& namesInUse) {
  const auto [stem, baseHashes] = FoldedStem(baseName);
  const auto found = namesInUse.hashRunsByStem_.find(stem);
  if (found == namesInUse.hashRunsByStem_.end()) return baseName;
  const tabulon::NamesInUse::HashRuns& runs = found->second;
  const auto own = RunHolding(runs, baseHashes);
  if (own == runs.end()) return baseName;

  // The names that are the base name followed by '#' characters, by how many '#' they add: the first of them
  // starts a run, and the new name passes the end of that run.
  std::size_t added = 0;
  if (own->second > baseHashes) {
    added = own->second - baseHashes;
  } else if (std::next(own) != runs.end()) {
    added = std::next(own)->second - baseHashes;
  }
  return baseName + wxString(wxS('#'), added + 1);
}

}  // namespace tabulon

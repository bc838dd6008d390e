#include "framework/listitemsuffixes.h"
#include <algorithm>
#include <iterator>

namespace Varnel {

wxString BaseTrialName(const wxString& trialName) {
  const int comma = trialName.Find(',');
  if (comma == wxNOT_FOUND) return wxString();
  return trialName.Left(comma);
}

wxString ListItemSuffix(const wxString& eventName) {
  const int open = eventName.Find('(');
  if (open == wxNOT_FOUND) return wxString();
  return eventName.Mid(open);
}

wxString NumeralText(const wxString& suffix) {
  for (int k = 1; k <= 7; ++k) {
    if (suffix == wxString::Format("(%d, %d)", k, k)) return wxString::Format("%d,", k);
  }
  return wxString();
}

wxString LetterText(const wxString& suffix) {
  static const wxString letters[] = {"a", "b", "c"};
  for (const wxString& letter : letters) {
    if (suffix.Contains(letter)) return letter + ",";
  }
  return wxString();
}

const std::vector<wxString>& TrialSuffixTable::SuffixesOf(const wxString& baseTrialName) const {
  static const std::vector<wxString> none;
  const auto found = suffixesByTrial.find(baseTrialName);
  return found == suffixesByTrial.end() ? none : found->second;
}

TrialSuffixTable BuildTrialSuffixTable(const TextColumn& trialNames, const TextColumn& eventNames) {
  TrialSuffixTable table;
  for (size_t row = 0; row < trialNames.size(); ++row) {
    const wxString base = BaseTrialName(trialNames[row]);
    if (base.empty()) {
      table.firstUnnamedRow = static_cast<int>(row);
      break;
    }
    const wxString eventName = row < eventNames.size() ? eventNames[row] : wxString("?");
    table.suffixesByTrial[base].push_back(ListItemSuffix(eventName));
  }
  return table;
}

TrialSequenceVerdict CompareTrialSequence(const std::vector<wxString>& actual, const std::vector<wxString>& expected) {
  if (actual.empty()) return TrialSequenceVerdict::TrialMissing;
  for (size_t i = 0; i < actual.size(); ++i) {
    if (i >= expected.size()) return TrialSequenceVerdict::MoreRows;
    if (actual[i] != expected[i]) return TrialSequenceVerdict::Mismatch;
  }
  return actual.size() < expected.size() ? TrialSequenceVerdict::FewerRows : TrialSequenceVerdict::Same;
}

LetterLadderWalk WalkLetterLadder(const std::vector<wxString>& letterSuffixes) {
  static const wxString ladder[] = {"Z", "A", "B", "C", "D", "E"};
  const int top = static_cast<int>(std::size(ladder)) - 1;
  LetterLadderWalk walk;
  for (const wxString& suffix : letterSuffixes) {
    if (suffix.Contains(ladder[walk.position])) {
      ++walk.repeats;
      continue;
    }
    // Climbing past the top rung is as wrong as skipping a letter.
    if (walk.position == top || !suffix.Contains(ladder[++walk.position])) {
      walk.bad = true;
      break;
    }
  }
  return walk;
}

bool IsCompleteWithTwoRepeats(const LetterLadderWalk& walk) {
  return !walk.bad && walk.repeats == 2 && walk.position == 5;
}

std::vector<wxString> PairedItems(const std::vector<wxString>& first, const std::vector<wxString>& second) {
  std::vector<wxString> items;
  if (first.empty() || second.empty()) return items;
  const size_t pairs = std::max(first.size(), second.size());
  for (size_t i = 0; i < pairs; ++i) {
    items.push_back(first[i % first.size()]);
    items.push_back(second[i % second.size()]);
  }
  return items;
}

std::vector<wxString> CrossedItems(const std::vector<wxString>& first, const std::vector<wxString>& second) {
  std::vector<wxString> items;
  for (const wxString& outer : first) {
    for (const wxString& inner : second) {
      items.push_back(outer);
      items.push_back(inner);
    }
  }
  return items;
}

const std::vector<wxString>& UnpairedLetterPatterns() {
  static const std::vector<wxString> patterns = {"a,a,a,b,b,c,c,", "a,a,b,b,b,c,c,", "a,a,b,b,c,c,c,"};
  return patterns;
}

int FindUnpairedLetterPattern(const wxString& letterSequence) {
  const std::vector<wxString>& patterns = UnpairedLetterPatterns();
  const auto found = std::find(patterns.begin(), patterns.end(), letterSequence);
  return found == patterns.end() ? -1 : static_cast<int>(found - patterns.begin());
}

}  // namespace Varnel

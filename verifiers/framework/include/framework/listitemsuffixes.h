#pragma once
#include "framework/textcolumn.h"
#include <map>
#include <vector>
#include <wx/string.h>

namespace Varnel {

// Events expanded from stimulus lists end in their item, "(position, text)", and trials expanded from a list end
// in ", n". These helpers take such names apart so that the combinations of two lists (paired, unpaired,
// crossed) can be checked per trial.

// The trial name up to its first comma; empty when it has none or starts with one.
wxString BaseTrialName(const wxString& trialName);

// The event name from its first "(" to the end, such as "(2, b)"; empty when it has no "(".
wxString ListItemSuffix(const wxString& eventName);

// "k," for a numeral item "(k, k)" with k from 1 to 7; empty for every other suffix.
wxString NumeralText(const wxString& suffix);

// "a,", "b," or "c," for a suffix that contains that letter (tried in that order); empty otherwise.
wxString LetterText(const wxString& suffix);

// The item suffixes of every trial, in row order, keyed by base trial name. Rows of one trial need not be
// adjacent: a trial that the host runs again collects all its rows.
struct TrialSuffixTable {
  std::map<wxString, std::vector<wxString>> suffixesByTrial;
  // The first row whose trial name has no base name, or -1 when every row has one. The table holds only the
  // rows before it.
  int firstUnnamedRow = -1;

  // The trial's suffixes; empty for a trial that has no rows.
  const std::vector<wxString>& SuffixesOf(const wxString& baseTrialName) const;
};

TrialSuffixTable BuildTrialSuffixTable(const TextColumn& trialNames, const TextColumn& eventNames);

// How a trial's suffixes compare with the sequence it must always show.
enum class TrialSequenceVerdict { Same, TrialMissing, MoreRows, Mismatch, FewerRows };

// Compares position by position; the first extra or differing suffix decides.
TrialSequenceVerdict CompareTrialSequence(const std::vector<wxString>& actual, const std::vector<wxString>& expected);

// Letters of a list presented in order with some repeated: each letter must be the current rung of the ladder
// "Z", "A" .. "E" (a repeat) or the next rung.
struct LetterLadderWalk {
  bool bad = false;
  int position = 0;  // index into the ladder, 0 being the "Z" below "A"
  int repeats = 0;
};

// A letter that would climb past "E" makes the sequence bad; the walk never reads beyond the ladder.
LetterLadderWalk WalkLetterLadder(const std::vector<wxString>& letterSuffixes);

// All five letters "A" to "E" seen, in order, with exactly two repeats.
bool IsCompleteWithTwoRepeats(const LetterLadderWalk& walk);

// The events of two lists combined as PAIRED: item i of each list in turn, the shorter list starting over,
// until the longer one is used up.
std::vector<wxString> PairedItems(const std::vector<wxString>& first, const std::vector<wxString>& second);

// The events of two lists combined as CROSSED: every item of the first before every item of the second.
std::vector<wxString> CrossedItems(const std::vector<wxString>& first, const std::vector<wxString>& second);

// Unpaired lists of three letters and seven numerals: the three ways the short list can be stretched to seven.
const std::vector<wxString>& UnpairedLetterPatterns();

// Index into UnpairedLetterPatterns, or -1.
int FindUnpairedLetterPattern(const wxString& letterSequence);

}  // namespace Varnel

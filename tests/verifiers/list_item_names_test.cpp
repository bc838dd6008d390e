// Rules of the stimulus-list verifiers that no faulty data file shows: how trial and event names are taken apart,
// and the letter ladder of unpaired lists.
#include "framework/listitemsuffixes.h"
#include <gtest/gtest.h>

namespace {

TEST(ListItemNames, TrialNamesEndAtTheFirstCommaAndEventsWithoutItemHaveNoSuffix) {
  EXPECT_EQ(Varnel::BaseTrialName("a, b, c"), "a");
  EXPECT_EQ(Varnel::BaseTrialName(", starts with a comma"), "");
  EXPECT_EQ(Varnel::BaseTrialName("no comma at all"), "");
  EXPECT_EQ(Varnel::ListItemSuffix("x (1, (1) cab)"), "(1, (1) cab)");
  EXPECT_EQ(Varnel::ListItemSuffix("abc without item"), "");
}

// Five letters stretched to seven: all five in order, exactly two repeats, and never past E.
TEST(LetterLadder, AllFiveInOrderWithExactlyTwoRepeats) {
  const struct {
    const char* letters;
    bool complete;
  } cases[] = {{"AABCCDE", true}, {"ABCDEEE", true},   {"ABDDEEE", false}, {"AAAABCD", false},
               {"ABCDE", false},  {"AABCDEEE", false}, {"ABCDEEA", false}};
  for (const auto& c : cases) {
    std::vector<wxString> suffixes;
    for (const char* l = c.letters; *l != '\0'; ++l) suffixes.push_back(wxString::Format("(%d, %c)", *l - 'A' + 1, *l));
    EXPECT_EQ(Varnel::IsCompleteWithTwoRepeats(Varnel::WalkLetterLadder(suffixes)), c.complete) << c.letters;
  }
}

}  // namespace

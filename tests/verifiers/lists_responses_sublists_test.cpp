// Rules of the stimulus-list, response and sublist verifiers that need more than one faulty file: how list items
// are taken apart and combined, the letter ladder of unpaired lists, the ordered-subset and subset properties,
// each verifier's duration windows on every kind of machine, and small runs through the plug-in.
#include "tests/support/datafile.h"
#include "tests/support/pluginhost.h"
#include "tests/support/report.h"
#include "tests/support/scratchdir.h"
#include "verifiers/framework/hostnames.h"
#include "verifiers/framework/listitemsuffixes.h"
#include "verifiers/framework/randomselectionrules.h"
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

using namespace Varnel;
using Texts = std::vector<wxString>;
using Entries = std::vector<std::string>;

// ---- Taking list items apart

struct TrialNameCase {
  const char* trialName;
  const char* baseTrialName;
};

TEST(ListItemNames, BaseTrialNameEndsAtTheFirstComma) {
  const TrialNameCase cases[] = {
      {"1  letters3 PAIRED with numbers7, 1", "1  letters3 PAIRED with numbers7"},
      {"9. empty list PAIRED with numbers3, 2", "9. empty list PAIRED with numbers3"},
      {"a, b, c", "a"},
      {", starts with a comma", ""},
      {"no comma at all", ""},
      {"", ""},
  };
  for (const TrialNameCase& c : cases) EXPECT_EQ(BaseTrialName(c.trialName), c.baseTrialName) << c.trialName;
}

struct EventNameCase {
  const char* eventName;
  const char* suffix;
  const char* numeral;
  const char* letter;
};

TEST(ListItemNames, SuffixAndItsNumeralOrLetter) {
  const EventNameCase cases[] = {
      {"numbers7 (7, 7)", "(7, 7)", "7,", ""},
      {"numbers7 (1, 1)", "(1, 1)", "1,", ""},
      {"odd (8, 8)", "(8, 8)", "", ""},
      {"odd (1, 2)", "(1, 2)", "", ""},
      {"numbers7 (1, 1) (2, 2)", "(1, 1) (2, 2)", "", ""},
      {"letters3 (1, a)", "(1, a)", "", "a,"},
      {"letters3 (2, b)", "(2, b)", "", "b,"},
      {"letters3 (3, c)", "(3, c)", "", "c,"},
      {"letters5 (1, A)", "(1, A)", "", ""},
      {"numbers3 (1, one)", "(1, one)", "", ""},
      {"numbers3 (3, three)", "(3, three)", "", ""},
      {"x (1, (1) cab)", "(1, (1) cab)", "", "a,"},
      {"abc without item", "", "", ""},
      {"", "", "", ""},
  };
  for (const EventNameCase& c : cases) {
    const wxString suffix = ListItemSuffix(c.eventName);
    EXPECT_EQ(suffix, c.suffix) << c.eventName;
    EXPECT_EQ(NumeralText(suffix), c.numeral) << c.eventName;
    EXPECT_EQ(LetterText(suffix), c.letter) << c.eventName;
  }
}

TEST(ListItemNames, TableStopsAtTheFirstTrialWithoutBaseName) {
  const TrialSuffixTable table = BuildTrialSuffixTable(
      {"t, 1", "u, 1", "t, 2", "no comma", "t, 3"}, {"e (1, a)", "e (1, 1)", "no item", "e (2, b)", "e (3, c)"});
  EXPECT_EQ(table.firstUnnamedRow, 3);
  EXPECT_EQ(table.SuffixesOf("t"), (Texts{"(1, a)", ""}));
  EXPECT_EQ(table.SuffixesOf("u"), (Texts{"(1, 1)"}));
  EXPECT_TRUE(table.SuffixesOf("no comma").empty());
  EXPECT_EQ(BuildTrialSuffixTable({"t, 1"}, {"e (1, a)"}).firstUnnamedRow, -1);
}

// ---- Combining lists

const Texts kLetters3 = {"(1, a)", "(2, b)", "(3, c)"};
const Texts kLetters5 = {"(1, A)", "(2, B)", "(3, C)", "(4, D)", "(5, E)"};
const Texts kNumbers7 = {"(1, 1)", "(2, 2)", "(3, 3)", "(4, 4)", "(5, 5)", "(6, 6)", "(7, 7)"};
const Texts kNumbers3 = {"(1, one)", "(2, two)", "(3, three)"};

TEST(CombinedLists, PairedRepeatsTheShorterListUntilTheLongerEnds) {
  EXPECT_EQ(PairedItems(kLetters3, kNumbers7),
            (Texts{"(1, a)", "(1, 1)", "(2, b)", "(2, 2)", "(3, c)", "(3, 3)", "(1, a)", "(4, 4)", "(2, b)", "(5, 5)",
                   "(3, c)", "(6, 6)", "(1, a)", "(7, 7)"}));
  EXPECT_EQ(PairedItems(kLetters5, kNumbers7),
            (Texts{"(1, A)", "(1, 1)", "(2, B)", "(2, 2)", "(3, C)", "(3, 3)", "(4, D)", "(4, 4)", "(5, E)", "(5, 5)",
                   "(1, A)", "(6, 6)", "(2, B)", "(7, 7)"}));
  EXPECT_EQ(PairedItems(kLetters5, kNumbers3),
            (Texts{"(1, A)", "(1, one)", "(2, B)", "(2, two)", "(3, C)", "(3, three)", "(4, D)", "(1, one)", "(5, E)",
                   "(2, two)"}));
  EXPECT_TRUE(PairedItems({}, kNumbers3).empty());
}

TEST(CombinedLists, CrossedPutsEachFirstItemBeforeEverySecondItem) {
  const Texts crossed = CrossedItems(kLetters3, kNumbers7);
  ASSERT_EQ(crossed.size(), 42u);
  EXPECT_EQ(Texts(crossed.begin(), crossed.begin() + 4), (Texts{"(1, a)", "(1, 1)", "(1, a)", "(2, 2)"}));
  EXPECT_EQ(Texts(crossed.begin() + 12, crossed.begin() + 16), (Texts{"(1, a)", "(7, 7)", "(2, b)", "(1, 1)"}));
  EXPECT_EQ(Texts(crossed.end() - 2, crossed.end()), (Texts{"(3, c)", "(7, 7)"}));
  EXPECT_EQ(CrossedItems(kLetters3, kNumbers3).size(), 18u);
}

// ---- One trial against its fixed sequence

struct SequenceCase {
  Texts actual;
  TrialSequenceVerdict verdict;
};

TEST(TrialSequence, FirstExtraOrDifferingSuffixDecides) {
  const Texts expected = {"(1, a)", "(1, 1)", "(2, b)"};
  const SequenceCase cases[] = {
      {{"(1, a)", "(1, 1)", "(2, b)"}, TrialSequenceVerdict::Same},
      {{}, TrialSequenceVerdict::TrialMissing},
      {{"(1, a)", "(1, 1)", "(2, b)", "(2, b)"}, TrialSequenceVerdict::MoreRows},
      {{"(1, a)", "(1, 1)"}, TrialSequenceVerdict::FewerRows},
      {{"(1, a)", "(2, b)", "(1, 1)"}, TrialSequenceVerdict::Mismatch},
      {{"(1, a)", "", "(2, b)"}, TrialSequenceVerdict::Mismatch},
      {{"(1, A)", "(1, 1)", "(2, b)"}, TrialSequenceVerdict::Mismatch},
      // A wrong suffix is reported as such even when the trial is also too long.
      {{"(1, a)", "(9, 9)", "(2, b)", "(3, c)"}, TrialSequenceVerdict::Mismatch},
  };
  for (const SequenceCase& c : cases) {
    EXPECT_EQ(CompareTrialSequence(c.actual, expected), c.verdict) << c.actual.size() << " suffixes";
  }
}

// ---- Five letters stretched to seven

Texts Letters(const std::string& letters) {
  Texts suffixes;
  for (char letter : letters) suffixes.push_back(wxString::Format("(%d, %c)", letter - 'A' + 1, letter));
  return suffixes;
}

struct LadderCase {
  const char* letters;
  bool complete;
};

TEST(LetterLadder, AllFiveInOrderWithExactlyTwoRepeats) {
  const LadderCase cases[] = {
      {"AABCCDE", true}, {"ABCDEEE", true},  {"AABBCDE", true},  {"ABDDEEE", false}, {"AAAABCD", false},
      {"ABCDE", false},  {"AABCDEEE", false}, {"ABCDEEA", false}, {"BBCCDEE", false}, {"", false},
  };
  for (const LadderCase& c : cases) {
    EXPECT_EQ(IsCompleteWithTwoRepeats(WalkLetterLadder(Letters(c.letters))), c.complete) << c.letters;
  }
}

TEST(LetterLadder, ClimbingPastEIsBadAndStopsAtTheTop) {
  const LetterLadderWalk walk = WalkLetterLadder(Letters("ABCDEA"));
  EXPECT_TRUE(walk.bad);
  EXPECT_EQ(walk.position, 5);
  const LetterLadderWalk threeRepeats = WalkLetterLadder(Letters("AAAABCD"));
  EXPECT_FALSE(threeRepeats.bad);
  EXPECT_EQ(threeRepeats.repeats, 3);
  EXPECT_EQ(threeRepeats.position, 4);
}

TEST(UnpairedLetters, OnlyTheThreeStretchedOrdersAreKnown) {
  EXPECT_EQ(FindUnpairedLetterPattern("a,a,a,b,b,c,c,"), 0);
  EXPECT_EQ(FindUnpairedLetterPattern("a,a,b,b,b,c,c,"), 1);
  EXPECT_EQ(FindUnpairedLetterPattern("a,a,b,b,c,c,c,"), 2);
  for (const char* other : {"a,b,a,b,c,c,a,", "a,a,b,b,c,c,", "a,a,a,b,b,c,c", "", "a,a,a,a,b,c,c,"}) {
    EXPECT_EQ(FindUnpairedLetterPattern(other), -1) << other;
  }
}

// ---- Sublists and subsets

struct SubsetCase {
  Texts rows;
  int matched;
};

TEST(OrderedSubset, RowsUseUpTheItemsTheyPass) {
  const Texts items = {"e (1, 1)", "e (2, 2)", "e (3, 3)", "e (4, 4)", "e (5, 5)"};
  const SubsetCase cases[] = {
      {{"e (1, 1)", "e (2, 2)", "e (4, 4)", "e (5, 5)", "thanks", "e (3, 3)"}, 4},
      {{"e (2, 2)", "e (1, 1)", "e (3, 3)", "e (4, 4)"}, 1},
      {{"e (1, 1)", "e (2, 2)", "e (3, 3)", "e (4, 4)", "e (5, 5)"}, 5},
      {{"welcome", "e (1, 1)", "e (2, 2)", "e (3, 3)", "e (4, 4)"}, 0},
      {{}, 0},
      {{"e (2, 2)", "e (2, 2)", "e (3, 3)"}, 1},
      {{"E (1, 1)", "e (2, 2)"}, 0},
  };
  for (const SubsetCase& c : cases) EXPECT_EQ(CountOrderedSubsetMatches(c.rows, items), c.matched);
}

TEST(SubsetRows, ConsecutiveRepeatsAndVariety) {
  EXPECT_TRUE(HasConsecutiveRepeatOf({"x", "coinflips", "coinflips"}, "coinflips"));
  EXPECT_FALSE(HasConsecutiveRepeatOf({"coinflips", "x", "coinflips", "x", "x"}, "coinflips"));
  EXPECT_FALSE(HasConsecutiveRepeatOf({"", "", "Coinflips", "coinflips"}, "coinflips"));
  EXPECT_TRUE(ContainsEveryText({"a", "cues right", "cues left"}, {"cues left", "cues right"}));
  EXPECT_FALSE(ContainsEveryText({"cues left", "cues left", "cues Right"}, {"cues left", "cues right"}));
  EXPECT_FALSE(ContainsEveryText({}, {"cues left"}));
}

// ---- Through the plug-in

const char kLists[] = "2013-09-27_list_access_pair_unpair_cross.vn5";
const char kRsvp[] = "2014-08-14_list_SPR_and_RSVP.vn5";
const char kListFeedback[] = "2012-12-06_stimlist_events_oddly_attached_as_feedbacks.vn4";
const char kWays[] = "2015-06-01_ways_to_attach_responses_in_RStep.vn5";
const char kCase2781[] = "aiming_for_all_possible_rstep_attachment_patterns.vn4";
const char kBranching[] = "all_feedback_branching.vn4";
const char kPrecedence[] = "2013-05-14_and_or_expression_evaluation.vn5";
const char kCodes[] = "2011-10-20_responses_personality_disorder_2545.vn4";
const char kSublistExp[] = "one_sublist_exp_randomization.vn5";
const char kSublistGroup[] = "one_sublist_group_randomization.vn5";
const char kSubsets[] = "2012-12-20_test_reset_the_subset.vn5";

// The machines the tests pose as; their names are made when a test runs, after the host-name fragments exist.
enum class Machine { Plain, RigA, RigB, Farm };

std::string HostNameOf(Machine machine) {
  switch (machine) {
    case Machine::RigA:
      return "x-" + kHostNameA.Upper().ToStdString() + "-1";
    case Machine::RigB:
      return kHostNameB.ToStdString() + ".lab";
    case Machine::Farm:
      return "ci-" + kBuildFarmHost.ToStdString() + "-07";
    case Machine::Plain:
      break;
  }
  return "plain-workstation";
}

constexpr Machine kPlain = Machine::Plain, kRigA = Machine::RigA, kRigB = Machine::RigB, kFarm = Machine::Farm;

// Runs a data file of the experiment through the plug-in on the given machine; returns the verifier's own
// outcomes, without the call pass before them and the two timing records after them.
Entries RunThroughPlugin(const std::string& experiment, const std::vector<std::string>& columns,
                         const std::vector<std::vector<std::string>>& rows, Machine machine = kPlain) {
  setenv(kHostNameOverrideVariable, HostNameOf(machine).c_str(), 1);
  Entries entries;
  {
    testsupport::ScratchDir scratch;
    const std::string path = scratch.File(experiment + " P01.txt");
    testsupport::WriteDataFile(path, columns, rows);
    testsupport::PluginHost plugin;
    plugin.PerformPostProcessing(path);
    for (const testsupport::Outcome& outcome : testsupport::ReadReport(plugin.ReleaseTestPrinter()).OfSuite(experiment)) {
      entries.push_back(outcome.failed ? "FAIL " + outcome.name + " | " + outcome.subject + " | " + outcome.message
                                       : "pass " + outcome.name);
    }
  }
  unsetenv(kHostNameOverrideVariable);
  if (entries.size() < 3) {
    ADD_FAILURE() << experiment << " reported " << entries.size() << " outcomes";
    return entries;
  }
  return Entries(entries.begin() + 1, entries.end() - 2);
}

// The duration outcomes in short: "+Experiment" for a pass, "-Expansion 35..70 71" for a failure.
Entries DurationsOnly(const std::string& experiment, const Entries& entries) {
  Entries durations;
  for (const std::string& entry : entries) {
    for (const std::string what : {"Experiment", "Expansion"}) {
      const std::string name = what + "_duration_" + experiment;
      if (entry == "pass " + name) durations.push_back("+" + what);
      if (entry.rfind("FAIL " + name + " |", 0) != 0) continue;
      int min = 0, max = 0, value = 0;
      const std::string message = entry.substr(entry.rfind("| ") + 2);
      if (sscanf(message.c_str(), "Expected a duration between %d and %d. Instead, we got a duration of %d.", &min,
                 &max, &value) != 3) {
        ADD_FAILURE() << entry;
      }
      durations.push_back("-" + what + " " + std::to_string(min) + ".." + std::to_string(max) + " " +
                          std::to_string(value));
    }
  }
  return durations;
}

struct WindowCase {
  const char* experiment;
  Machine machine;
  int runMs;
  int expansionMs;
  Entries durations;
};

class ListsResponsesSublistsDurations : public ::testing::TestWithParam<WindowCase> {};

TEST_P(ListsResponsesSublistsDurations, EachMachineGetsItsOwnWindows) {
  const WindowCase& c = GetParam();
  const Entries entries =
      RunThroughPlugin(c.experiment, {"Cumulative\nTime", "Expansion Time(ms): " + std::to_string(c.expansionMs)},
                       {{"1", ""}, {std::to_string(c.runMs), ""}}, c.machine);
  EXPECT_EQ(DurationsOnly(c.experiment, entries), c.durations) << c.experiment << " on " << HostNameOf(c.machine);
}

const WindowCase kWindows[] = {
    {kLists, kPlain, 2500, 160, {"+Experiment", "+Expansion"}},
    {kLists, kRigA, 1449, 99, {"-Experiment 1450..2500 1449", "-Expansion 100..160 99"}},
    {kLists, kFarm, 5500, 9999, {"+Experiment"}},
    {kLists, kFarm, 5501, 0, {"-Experiment 1450..5500 5501"}},
    {kRsvp, kPlain, 396, 35, {"+Experiment", "+Expansion"}},
    {kRsvp, kFarm, 525, 175, {"+Experiment", "+Expansion"}},
    {kRsvp, kFarm, 526, 99, {"-Experiment 396..525 526", "-Expansion 100..175 99"}},
    {kListFeedback, kPlain, 520, 70, {"+Experiment", "+Expansion"}},
    {kListFeedback, kFarm, 299, 81, {"-Experiment 300..650 299", "-Expansion 40..80 81"}},
    {kWays, kPlain, 1100, 0, {"+Experiment"}},
    {kWays, kRigA, 251, 249, {"+Experiment", "-Experiment 200..250 251", "-Expansion 250..350 249"}},
    {kWays, kRigB, 179, 300, {"-Experiment 180..1100 179"}},
    {kWays, kFarm, 1, 1, {}},
    {kCase2781, kRigA, 28301, 45, {"+Experiment", "-Experiment 28100..28300 28301", "+Expansion"}},
    {kCase2781, kRigB, 29700, 90, {"+Experiment", "+Expansion"}},
    {kCase2781, kFarm, 1, 166, {"-Expansion 100..165 166"}},
    {kBranching, kRigA, 351, 0, {"+Experiment", "-Experiment 90..350 351", "+Expansion"}},
    {kBranching, kRigB, 401, 5000, {"-Experiment 90..400 401", "+Experiment", "+Expansion"}},
    {kBranching, kFarm, 1, 99999, {}},
    {kPrecedence, kRigB, 1751, 5001, {"-Experiment 49..1750 1751", "+Experiment", "-Expansion 0..5000 5001"}},
    {kPrecedence, kRigA, 1201, 0, {"+Experiment", "-Experiment 200..1200 1201", "+Expansion"}},
    {kPrecedence, kFarm, 1, 99999, {}},
    {kCodes, kPlain, 1600, 20, {"+Experiment", "+Expansion"}},
    {kCodes, kFarm, 1, 100, {"+Expansion"}},
    {kCodes, kFarm, 1, 49, {"-Expansion 50..100 49"}},
    {kSublistExp, kRigA, 501, 199,
     {"+Experiment", "-Experiment 410..500 501", "+Expansion", "-Expansion 200..300 199"}},
    {kSublistExp, kRigB, 11600, 400, {"-Experiment 400..5200 11600", "+Experiment", "+Expansion"}},
    {kSublistExp, kFarm, 1, 99999, {}},
    {kSublistGroup, kRigA, 410, 251, {"+Experiment", "+Experiment", "+Expansion", "-Expansion 190..250 251"}},
    {kSublistGroup, kRigB, 11601, 0, {"-Experiment 400..5200 11601", "-Experiment 400..11600 11601", "+Expansion"}},
    {kSubsets, kPlain, 83, 30, {"+Experiment", "+Expansion"}},
    {kSubsets, kFarm, 725, 200, {"+Experiment", "+Expansion"}},
    {kSubsets, kFarm, 82, 201, {"-Experiment 83..725 82", "-Expansion 70..200 201"}},
};

INSTANTIATE_TEST_SUITE_P(EveryVerifier, ListsResponsesSublistsDurations, ::testing::ValuesIn(kWindows),
                         [](const ::testing::TestParamInfo<WindowCase>& info) {
                           return "case_" + std::to_string(info.index);
                         });

// "pass name" or "FAIL name" of an outcome, without its texts.
std::string Verdict(const std::string& entry) { return entry.substr(0, entry.find(" | ")); }

// Coin flips every seven rows that run past the end of the data file: the visits beyond it read "?" and fail.
TEST(ListsResponsesSublistsRuns, CoinFlipVisitsBeyondTheLastRowFail) {
  std::vector<std::vector<std::string>> rows;
  for (int flip = 0; flip < 10; ++flip) {
    rows.push_back({"coinflips", "coinflip", "coinflips (1, coinflip)", "1", flip == 0 ? "" : "1"});
    for (int cue = 0; cue < 6; ++cue) rows.push_back({"cues", cue % 2 ? "cues left" : "cues right", "cue", "", "1"});
  }
  const std::vector<std::string> columns = {"Block\nName", "Trial\nName", "Event\nName", "coinflips_event",
                                            "coinflips_trial"};
  const Entries tenFlips = RunThroughPlugin(kSubsets, columns, rows);
  ASSERT_EQ(tenFlips.size(), 4u);
  EXPECT_EQ(Verdict(tenFlips[0]), "FAIL Improper_Row_Count");
  EXPECT_EQ(tenFlips[1], "pass Never_Two_Consecutive_Coinflips");
  EXPECT_EQ(tenFlips[2], "pass Variety_of_Right_and_Left");
  EXPECT_EQ(Verdict(tenFlips[3]), "FAIL Random_codes_that_propagate_from_evt_to_trl");

  rows.push_back({"coinflips", "coinflip", "coinflips (1, coinflip)", "1", "1"});
  const Entries elevenFlips = RunThroughPlugin(kSubsets, columns, rows);
  ASSERT_EQ(elevenFlips.size(), 4u);
  EXPECT_EQ(elevenFlips[3], "pass Random_codes_that_propagate_from_evt_to_trl");
}

// Trial rows of one trial that the host runs apart still form one trial.
TEST(ListsResponsesSublistsRuns, TrialRowsNeedNotBeAdjacent) {
  const std::vector<std::vector<std::string>> rows = {{"9. empty list PAIRED with numbers3, 1", "n (1, one)"},
                                                      {"10. empty list UNPAIRED with numbers3, 1", "n (1, one)"},
                                                      {"9. empty list PAIRED with numbers3, 2", "n (2, two)"},
                                                      {"9. empty list PAIRED with numbers3, 3", "n (3, three)"}};
  const Entries entries = RunThroughPlugin(kLists, {"Trial\nName", "Event\nName"}, rows);
  auto find = [&](const std::string& prefix) {
    for (const std::string& entry : entries) {
      if (entry.rfind(prefix, 0) == 0) return entry;
    }
    return std::string("none");
  };
  EXPECT_EQ(find("pass INITIAL_PARSING"), "pass INITIAL_PARSING_OF_DATAFILE_TRIALS_COLUMN");
  EXPECT_EQ(find("pass TRIAL_09"), "pass TRIAL_09_ALWAYS_SAME");
  EXPECT_EQ(find("FAIL TRIAL_10"),
            "FAIL TRIAL_10_ALWAYS_SAME | Trial had fewer rows than expected. | The given trial should always have the "
            "expected row count. Something is clearly wrong now.");
}

}  // namespace

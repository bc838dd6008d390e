// Faulty data files of the trial-variable, level, expression and robustness verifiers.
#include "tests/verifiers/faultycorpus.h"
#include <gtest/gtest.h>

namespace {

using namespace faultycorpus;

const char kFetchVars[] = "tessel_2807_test.vn5";
const char kLevels1618[] = "2011-08-11_tessel_1618_NumberMemorytest.vn4";
const char kExpressions[] = "2013-11-15_trial_level_expressions.vn5";
const char kCoinFlips[] = "2011-11-1_tessel_2552_Randomization.vn4";
const char kRandomColour[] = "2012-4-25_random_color_trial_level_test.vn4";
const char kSprRsvp[] = "10_11_13_all_tvars_spr_rsvp.vn5";
const char kImportV4[] = "2013-10-21_import_v4_trial_vars.vn4";
const char kTwelveVariables[] = "2013-10-21_randomize_opts_TrialVars_RSVP_SPR.vn5";
const char kUnexpanded[] = "2014-12-4_fail_to_present_block.vn5";
const char kException[] = "2015-01-30_VNException_thrown_and_caught.vn5";

std::string File(const std::string& experiment, const std::string& fault) { return experiment + " " + fault + ".txt"; }

const ExpectedFailure kLevelsNotOnce = {
    "Trial_levels_in_column_6", "We didn't find exactly one occurrence of each of the five levels.", 109,
    "There should have been a left-left, a left, a middle, a right, and a right-right.                   Exactly "
    "one of each."};

ExpectedFailure Sorted(const std::string& name, int line) {
  return {name, "could fail VERY RARELY... the levels were in perfect SORTED order rather than random", line,
          "probability dictates this will fail once in a BLUE MOON. normally we expect a SHUFFLED ordering"};
}

const ExpectedFailure kBeforeAnyLevel = {
    "TestExpressionResultsPriorToAnyLevelUsage", "bad behavior of trial variable expressions prior to any selections",
    93,
    "before anything in the experiment has APPLIED any variable value the expression should determine we are at "
    "the first level"};

ExpectedFailure LevelFollowing(const std::string& name, const std::string& mode, int line) {
  return {name, "bad behavior of trial variable expressions with selection " + mode, line,
          "trial variable expressions in rules do not seem to evaluate according to where the position level "
          "actually went"};
}

ExpectedFailure CoinFlips(const std::string& proportion) {
  return {"Experiment_is_a_bunch_of_coinflips_as_expected",
          "The trial variable Font Color occurs too often or not often enough", 65,
          "We expected very close to a proportion of 0.50 blue to red. Instead, we got " + proportion + "."};
}

const ExpectedFailure kColoursMissing = {
    "Test_didnt_randomly_break_and_all_trials_were_presented", "Something bad happened instead.", 67,
    "We expected to see three events with three different values of the trial variable."};

const ExpectedFailure kSegmentsOrLevels = {
    "Having_an_SPR_and an_RSVP_event_present_every_segment_and_use_every_trial_level",
    "Something bad happened instead.", 127,
    "We expected to see every segment six times in a specific order and every trial level four times."};

const ExpectedFailure kColoursWithoutReplacement = {
    "Random_choice_of_two_items_ONLY_RESETS_at_BLOCK_boundary",
    "bad behavior of trial variable for colors with selection rand no repl", 193,
    "the comments in the function VerifyVariableThatUsedRandom_NO_Replacement explain what SHOULD happen every time"};

const ExpectedFailure kPositionsFromGroupSeed = {
    "Random_choice_of_five_items_ALLOWS_REPEATS_group_seed",
    "bad behavior of trial variable for positions with selection rand with repl group seed", 225,
    "the group seed should guarantee the same sequence... this test never has a reason to fail"};

// The first trial's name: an "a" before each character a file name may not hold, then 31 more "a".
const std::string kForbiddenCharactersTrial = "a\\a/a:a*a?a\"a<a>a|aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa";

const FaultyCase kCases[] = {
    {File(kFetchVars, "value kept on next trial"), kFetchVars,
     {OrderMismatch(1, ""), Duration("Experiment", kFetchVars, 1500, 1700, 1701)}},
    {File(kFetchVars, "stops after 24 trials"), kFetchVars,
     {TooFewCells(), Duration("Expansion", kFetchVars, 0, 1000, 1001)}},

    {File(kLevels1618, "level twice"), kLevels1618, {kLevelsNotOnce}},
    {File(kLevels1618, "sorted and presented"), kLevels1618,
     {OrderMismatch(4, ""), Sorted("Trial_levels_in_column_6_randomized", 125),
      Duration("Experiment", kLevels1618, 1000, 1350, 1351)}},

    {File(kExpressions, "level in other case"), kExpressions,
     {LevelFollowing("TestExpressionResultsUsingNoRepl", "rand no repl", 157)}},
    {File(kExpressions, "wrong detections"), kExpressions,
     {kBeforeAnyLevel, LevelFollowing("TestExpressionResultsUsingSequential", "sequential", 182),
      Duration("Expansion", kExpressions, 10, 120, 121)}},
    {File(kExpressions, "ends before last trial"), kExpressions,
     {LevelFollowing("TestExpressionResultsUsingWithRepl", "rand with repl", 207)}},

    {File(kCoinFlips, "42 of 100 blue"), kCoinFlips, {CoinFlips("0.420000")}},
    {File(kCoinFlips, "58 of 100 blue"), kCoinFlips,
     {CoinFlips("0.580000"), Duration("Expansion", kCoinFlips, 250, 700, 701)}},

    {File(kRandomColour, "no green"), kRandomColour,
     {kColoursMissing, Duration("Experiment", kRandomColour, 1500, 1600, 1601)}},
    {File(kRandomColour, "lower-case red"), kRandomColour, {kColoursMissing}},

    {File(kSprRsvp, "fifth left"), kSprRsvp, {kSegmentsOrLevels}},
    {File(kSprRsvp, "segments swapped"), kSprRsvp, {kSegmentsOrLevels}},
    {File(kSprRsvp, "sorted"), kSprRsvp,
     {Sorted("SPR_and_RSVP_detect_that_randomization_happened_OK_to_FAIL_RARELY", 172),
      Duration("Experiment", kSprRsvp, 12000, 12600, 12601)}},

    {File(kImportV4, "colours reset every trial"), kImportV4, {kColoursWithoutReplacement}},
    {File(kImportV4, "capitalised colour"), kImportV4,
     {kColoursWithoutReplacement, Duration("Experiment", kImportV4, 710, 1200, 1201)}},
    {File(kImportV4, "positions reordered"), kImportV4, {kPositionsFromGroupSeed}},
    {File(kImportV4, "stops after 20 trials"), kImportV4, {TooFewCells(), TooFewCells(), kPositionsFromGroupSeed}},

    {File(kTwelveVariables, "ten colors 2 has a value"), kTwelveVariables,
     {OrderMismatch(40, ""), Duration("Expansion", kTwelveVariables, 50, 150, 151)}},
    {File(kTwelveVariables, "sequential not restarted"), kTwelveVariables,
     {OrderMismatch(240, "red"), Duration("Experiment", kTwelveVariables, 2200, 3200, 3201)}},
    {File(kTwelveVariables, "EMPTY color column missing"), kTwelveVariables, {OrderMismatch(0, "")}},
    {File(kTwelveVariables, "one row too many"), kTwelveVariables,
     std::vector<ExpectedFailure>(12, TooManyCells())},

    {File(kUnexpanded, "block expanded"), kUnexpanded, {TooManyCells()}},
    {File(kUnexpanded, "other event"), kUnexpanded, {OrderMismatch(0, "an event that runs")}},

    {File(kException, "ends after exception"), kException, {TooFewCells()}},
    {File(kException, "forbidden characters dropped"), kException, {OrderMismatch(0, kForbiddenCharactersTrial)}},
};

DH_FAULTY_CORPUS(TrialVariableFaults, kCases);

}  // namespace

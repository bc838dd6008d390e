// Faulty data files of the stimulus-list, response and feedback, and sublist and subset verifiers.
#include "tests/verifiers/faultycorpus.h"
#include <gtest/gtest.h>

namespace {

using namespace faultycorpus;

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

std::string File(const std::string& experiment, const std::string& fault) { return experiment + " " + fault + ".txt"; }

const std::string kTrialMissingSubject = "An entire trial went missing";
const std::string kTrialMissingMessage =
    "We could not even proceed to do detailed analysis of the trial, because we found no trial matching the "
    "expected name";
const std::string kAllNumerals = "regardless of shuffled ordering we should see all numerals 1 through 7";
const std::string kRowCountMessage =
    "The given trial should always have the expected row count. Something is clearly wrong now.";

ExpectedFailure TrialMoreRows(const std::string& check) {
  return {check, "Trial had more rows that expected", 197, kRowCountMessage};
}
ExpectedFailure TrialFewerRows(const std::string& check) {
  return {check, "Trial had fewer rows than expected.", 215, kRowCountMessage};
}
ExpectedFailure TrialOutOfSequence(const std::string& check) {
  return {check, "One or more events are wrong or out of sequence", 206,
          "The given trial should always have the same event sequence. Something is wrong."};
}
ExpectedFailure Trial4Alphabetic() {
  return {"TRIAL_4_ALPHABETIC_PORTION", "letters should only increase with exactly two repeats", 735,
          "we should see all five letters in A through E with two of them doubled to make 7 letter presentations"};
}
ExpectedFailure SublistMatched(int matched) {
  return {"Test_Correct_Amt_of_Sublist_Items_and_in_Order", "Mismatch in data cells in datafile.", 106,
          "The column contents weren't an ordered subset of the given items. We matched " + std::to_string(matched) +
              "/4 items. Either they were our of order or there were too few or too many or something else went "
              "wrong."};
}
ExpectedFailure CodeOneScoredWrong() {
  return {"Events_with_val_1_should_be_NR", "Some row with code value 1 is scored wrong.", 103,
          "All rows with code value 1 should be scored as NR for this experiment."};
}
ExpectedFailure ImproperRowCount() {
  return {"Improper_Row_Count", "found either too many or too few data rows", 39,
          "by the design of this experiment, we should always have the same exact number of data rows for every "
          "run"};
}
ExpectedFailure CoinFlipTags() {
  return {"Random_codes_that_propagate_from_evt_to_trl",
          "something is wrong with values for tags in columns coinflips_event and coinflips_trial", 250,
          "refer to the function CheckExpectedCodeValueOutcome in TestMultipleSubsetExpressionsOnOneBlock for "
          "details about expected behavior here"};
}

const FaultyCase kCases[] = {
    // Paired, unpaired and crossed lists.
    {File(kLists, "unnamed last row"), kLists,
     {{"INITIAL_PARSING_OF_DATAFILE_TRIALS_COLUMN", "Some trial failed to meet our naming conventions", 141,
       "BaseTrialNameAtRow parses trial names and expects ONE COMMA in each trial name"}}},
    {File(kLists, "sequence faults"), kLists,
     {TrialMoreRows("TRIAL_01_ALWAYS_SAME"), TrialFewerRows("TRIAL_03B_ALWAYS_SAME"),
      TrialOutOfSequence("TRIAL_05_ALWAYS_SAME"), TrialOutOfSequence("TRIAL_07_ALWAYS_SAME"),
      {"TRIAL_09_ALWAYS_SAME", kTrialMissingSubject, 162, kTrialMissingMessage}}},
    {File(kLists, "unpaired copies alike"), kLists,
     {{"UNPAIRED_HAPPENS_ANEW_FOR_EACH_TRIAL", "Something wrong with the numeric list", 642,
       "the pairings should come out DIFFERENT in each of the copied trials ... could fail with SLIM RARE chance"},
      {"NOT_ALWAYS_SAME_REPEATER",
       "Unpaired with uneven sized lists should vary which item is filler item .. could fail with SLIM RARE chance",
       666,
       "When combining lists of unmatched sizes as UNPAIRED the item from the short list that is repeated should "
       "change from trial to trial"},
      Duration("Experiment", kLists, 1450, 2500, 2501), Duration("Expansion", kLists, 100, 160, 99)}},
    {File(kLists, "trial 2 copy faults"), kLists,
     {{"COPIES_OF_TRIAL_2_LOOP_2", kTrialMissingSubject, 558, kTrialMissingMessage},
      {"COPIES_OF_TRIAL_2_LOOP_4", "Something wrong with the alphabetic list", 602,
       "the alphabetic list should always end up as aaabbcc or aabbbcc or aabbccc"}}},
    {File(kLists, "trial 4 in order"), kLists,
     {Trial4Alphabetic(),
      {"TRIAL_4_NUMERIC_PORTION_MAY_FAIL_ONCE_PER_BLUE_MOON",
       "ok to rarely fail ... for UNPAIRED we expect the numbers to be shuffled", 764,
       "for the UNPAIRED setting we expect 1 through 7 to not be in perfect order ... but probabilistically it "
       "will sometimes happen"}}},
    {File(kLists, "trial 4 past E"), kLists,
     {Trial4Alphabetic(),
      {"TRIAL_4_NUMERIC_PORTION_B", kAllNumerals, 785, kAllNumerals}}},
    {File(kLists, "trial 4 six numerals"), kLists,
     {{"TRIAL_4_COUNTING_HOW_MANY_NUMBERS", "there were not exactly 7 number presentations", 748,
       "we should have had exactly 7 number presentations during this trial"}}},
    {File(kLists, "trial 4 missing"), kLists,
     {{"LOCATE_TRIAL_BASENAME_04", kTrialMissingSubject, 681, kTrialMissingMessage}}},

    // Lists presented as sub-events, and list events attached as feedback.
    {File(kRsvp, "backslash doubled"), kRsvp, {OrderMismatch(3, "[SubEvent 2] a (1, (1) aaa\\(1) bbb\\(1) ccc)")}},
    {File(kRsvp, "sub-event missing"), kRsvp,
     {TooFewCells(), TooFewCells(), Duration("Experiment", kRsvp, 396, 460, 461),
      Duration("Expansion", kRsvp, 35, 70, 71)}},
    {File(kListFeedback, "feedback item advanced"), kListFeedback,
     {OrderMismatch(7, "3 (1, 2a)"), Duration("Expansion", kListFeedback, 35, 70, 71)}},
    {File(kListFeedback, "clash renamed"), kListFeedback,
     {OrderMismatch(13, "b, 1"), Duration("Experiment", kListFeedback, 420, 520, 419)}},

    // Responses, feedback and branching.
    {File(kWays, "sub-block row"), kWays, {TooManyCells(), Duration("Experiment", kWays, 180, 1100, 179)}},
    {File(kWays, "block renamed"), kWays, {OrderMismatch(4, "b2 no subblocks (due to v4 rand settings)")}},
    {File(kCase2781, "ecode4 a row late"), kCase2781, {OrderMismatch(19, "b")}},
    {File(kCase2781, "tcode1 early and feedback swapped"), kCase2781,
     {OrderMismatch(40, "E13-fb"), OrderMismatch(4, ""), Duration("Experiment", kCase2781, 28000, 29700, 29701),
      Duration("Expansion", kCase2781, 45, 90, 91)}},
    {File(kBranching, "init set early"), kBranching, {OrderMismatch(5, "unset")}},
    {File(kBranching, "repeated once more"), kBranching,
     {TooManyCells(), TooManyCells(), Duration("Experiment", kBranching, 90, 400, 401)}},
    {File(kPrecedence, "feedback after event 8"), kPrecedence, {TooManyCells()}},
    {File(kPrecedence, "no feedback after event 14"), kPrecedence,
     {TooFewCells(), Duration("Experiment", kPrecedence, 49, 1750, 48)}},
    {File(kPrecedence, "label upper case"), kPrecedence, {OrderMismatch(45, "event (27, aa)")}},
    {File(kCodes, "code 1 scored correct"), kCodes, {CodeOneScoredWrong()}},
    {File(kCodes, "scores wrong case"), kCodes,
     {CodeOneScoredWrong(),
      {"Events_with_val_2_should_be_Correct", "Some row with code value 2 is scored wrong.", 116,
       "All rows with code value 2 should be scored as C -- CORRECT -- for this experiment."},
      Duration("Experiment", kCodes, 1600, 1780, 1781), Duration("Expansion", kCodes, 20, 50, 51)}},
    {File(kCodes, "missing code"), kCodes,
     {OrderMismatch(3, "value_02"),
      {"All_rows_must_have_valid_code_value",
       "Some row was present that did not have EITHER of the two valid code values.", 125,
       "All events in this experiment were given a code value, so every row in the output should reflect that."}}},

    // Sublists and subsets.
    {File(kSublistExp, "all five items"), kSublistExp, {SublistMatched(5)}},
    {File(kSublistExp, "out of order"), kSublistExp, {SublistMatched(1)}},
    {File(kSublistExp, "unrelated event first"), kSublistExp,
     {SublistMatched(0), Duration("Experiment", kSublistExp, 400, 5200, 5201),
      Duration("Expansion", kSublistExp, 0, 400, 401)}},
    {File(kSublistGroup, "first item drawn"), kSublistGroup, {OrderMismatch(0, "e (2, 2)")}},
    {File(kSublistGroup, "five items"), kSublistGroup,
     {TooManyCells(), Duration("Experiment", kSublistGroup, 400, 5200, 399)}},
    {File(kSubsets, "82 rows"), kSubsets, {ImproperRowCount()}},
    {File(kSubsets, "84 rows"), kSubsets,
     {ImproperRowCount(), Duration("Experiment", kSubsets, 83, 380, 381), Duration("Expansion", kSubsets, 30, 70, 71)}},
    {File(kSubsets, "two coinflip rows and only left"), kSubsets,
     {{"Never_Two_Consecutive_Coinflips", "extra coinflip row", 91,
       "we should never see two consecutive rows that both are from block coinflips"},
      {"Variety_of_Right_and_Left",
       "did not see both left and right -- this OCCASIONALLY FAILS PERMISSIBLY. ALLOW THIS TO HAPPEN RARELY", 133,
       "after randomizing 12 items we normally want to see at least one go left and at least one go right -- this "
       "OCCASIONALLY FAILS PERMISSIBLY. ALLOW THIS TO HAPPEN RARELY"}}},
    {File(kSubsets, "trial tag on first flip"), kSubsets, {CoinFlipTags()}},
    {File(kSubsets, "no coin flips"), kSubsets, {CoinFlipTags()}},
};

DH_FAULTY_CORPUS(ListsResponsesAndSublistsFaults, kCases);

}  // namespace

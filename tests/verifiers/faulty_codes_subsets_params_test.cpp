// Faulty data files of the code, tag and saved-column verifiers, the trial-subset and sublist verifiers and the
// parameter, text-event and trial-action verifiers.
#include "tests/verifiers/faultycorpus.h"
#include <gtest/gtest.h>
#include <string>

namespace {

using namespace faultycorpus;

const char kExcluded[] = "2014-05-12_save_col_mouse_press_rel_NOT_pixel.vn5";
const char kSaved[] = "2014-05-12_save_col_mouse_pixel_NOT_press_rel.vn5";
const char kTags[] = "2014-11-17_four_ways_to_change_a_tag.vn5";
const char kSharedCodes[] = "trl_shared_in_blks_plus_change_code_for_TIB.vn4";
const char kSubsetCodes[] = "exit_block_using_subset_with_mutable_codes.vn4";
const char kUpToN[] = "trial_subset_only_the_last_N_versus_up_to_N.vn4";
const char kParents[] = "trial_subset_multiple_block_macro_import.vn4";
const char kSync[] = "two_sublists_synchronization.vn5";
const char kTagging[] = "two_sublists_tagging.vn5";
const char kTextParams[] = "1-30-13-TextEventParamTest.vn5";
const char kTextNoParams[] = "1-30-13-TextEventParamTestNoParams.vn5";
const char kParam2Param[] = "9_25_13_all_param2param_actions.vn5";
const char kTrialActions[] = "3002_spec_trial_level_actions_expressions.vn5";
const char kFeedback[] = "2772_1_macr_1_reg_1_feed.vn4";
const char kTwoMacros[] = "2772_2_macro_1_reg.vn4";

std::string File(const std::string& experiment, const std::string& fault) { return experiment + " " + fault + ".txt"; }

const std::string kSomethingBad = "Something bad happened instead.";
const std::string kFiftySix =
    "We expected to see 56 rows of data split up into three kinds of trials in a 20-6-30 proportion.";

ExpectedFailure MouseColumns(const std::string& name, int line) {
  return {name, "Datafile columns are NOT as expected.", line,
          "there are missing columns or something. this is a weird test."};
}

const ExpectedFailure kTextEventsSplit = {"we_presented_all_events", "Something bad happened instead 56.", 69,
                                          kFiftySix};

ExpectedFailure MacroEvents(const std::string& name) {
  return {name, kSomethingBad, 99, "We expected to see each variable name to show up exactly once."};
}

const FaultyCase kCases[] = {
    // Saved mouse columns: all four are required, and none may be the first column.
    {File(kExcluded, "no Y position"), kExcluded, {MouseColumns("Tessel_3229_exclude_pixel", 58)}},
    {File(kExcluded, "too slow"), kExcluded,
     {Duration("Experiment", kExcluded, 40, 80, 81), Duration("Expansion", kExcluded, 0, 5000, 5001)}},
    {File(kSaved, "no pressed or released"), kSaved, {MouseColumns("Tessel_3229_show_pixel", 55)}},
    {File(kSaved, "key in first column"), kSaved,
     {MouseColumns("Tessel_3229_show_pixel", 55), Duration("Expansion", kSaved, 0, 1000, 1001)}},

    // Tags and codes.
    {File(kTags, "tag without origins"), kTags,
     {OrderMismatch(2, "set_by_event_first_time (event)|set_by_trial_2nd_time (trial)")}},
    // A missing tag column reads "?" in every row, which differs from the empty first cell.
    {File(kTags, "no trial_set column"), kTags, {OrderMismatch(0, "")}},
    {File(kSharedCodes, "code changed a row early"), kSharedCodes, {OrderMismatch(17, "8765")}},
    {File(kSharedCodes, "extra row and slow expansion"), kSharedCodes,
     {TooManyCells(), TooManyCells(), Duration("Expansion", kSharedCodes, 0, 1000, 1001)}},
    {File(kSubsetCodes, "d in first pass"), kSubsetCodes, {OrderMismatch(4, "c")}},
    {File(kSubsetCodes, "block not left"), kSubsetCodes,
     {TooManyCells(), TooManyCells(), TooManyCells(), Duration("Experiment", kSubsetCodes, 3000, 3900, 2999),
      Duration("Expansion", kSubsetCodes, 40, 90, 91)}},

    // Trial subsets and sublists.
    {File(kUpToN, "colour on macro row"), kUpToN, {OrderMismatch(6, "")}},
    {File(kUpToN, "second half without suffix"), kUpToN, {OrderMismatch(22, "red1")}},
    {File(kUpToN, "one extra row"), kUpToN, {TooManyCells(), TooManyCells()}},
    {File(kParents, "macros swapped"), kParents,
     {OrderMismatch(6, "a0 macro"), Duration("Experiment", kParents, 880, 2000, 879)}},
    {File(kSync, "lists out of step"), kSync, {OrderMismatch(3, "letters (1, a)"), OrderMismatch(4, "red")}},
    {File(kTagging, "one row missing"), kTagging, {TooFewCells(), TooFewCells()}},
    {File(kTagging, "tag lost and too slow"), kTagging,
     {OrderMismatch(5, "up"), Duration("Experiment", kTagging, 900, 5200, 5201)}},

    // Text events with and without parameters.
    {File(kTextParams, "21-5-30 split"), kTextParams, {kTextEventsSplit}},
    {File(kTextParams, "capital P"), kTextParams, {kTextEventsSplit, Duration("Expansion", kTextParams, 30, 60, 61)}},
    {File(kTextNoParams, "one trial short"), kTextNoParams, {{"we_presented_all_events", kSomethingBad, 69, kFiftySix},
      Duration("Expansion", kTextNoParams, 30, 70, 71)}},

    // Parameters, trial-level actions and macro-presented events.
    {File(kParam2Param, "counter off by one"), kParam2Param,
     {{"Having_parameters_get_modified_by_values_in_other_parameters", kSomethingBad, 125,
       "We expected very  specific values to be in the parameter cells, at least one of them wasn't right."},
      Duration("Experiment", kParam2Param, 1500, 1620, 1621)}},
    {File(kTrialActions, "green twice"), kTrialActions,
     {{"Having_events_presented_with_the_right_color_variables_in_specific_order", kSomethingBad, 83,
       "We expected RGBRGB to show up in the data file in that precise order"}}},
    {File(kFeedback, "fourth row"), kFeedback,
     {MacroEvents("Having_1_event_presented_normally_and_1_presented_via_feedback_and_block_Level_macro_functions")}},
    {File(kTwoMacros, "green missing"), kTwoMacros,
     {MacroEvents("Having_1_event_presented_normally_and_2_presented_via_block_Level_macro_functions_that_share_a_"
                  "VNActionList"),
      Duration("Experiment", kTwoMacros, 2990, 3170, 2989)}},
};

DH_FAULTY_CORPUS(CodesSubsetsAndParamsFaults, kCases);

}  // namespace

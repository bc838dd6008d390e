// Faulty data files of the macro and when-to-present experiments of case 2668.
#include "tests/verifiers/faultycorpus.h"
#include <gtest/gtest.h>

namespace {

using namespace faultycorpus;

const std::string kPrefix = "2012_3_9_tessel_2668_";
const std::string kTimeSinceExp = kPrefix + "expr_time_since_exp.vn4";
const std::string kExitExperiment = kPrefix + "macro_exit_experiment.vn4";
const std::string kGoToBlockAny = kPrefix + "macro_goto_block_any.vn4";
const std::string kGoToBlockNext = kPrefix + "macro_goto_block_next.vn4";
const std::string kGoToBlockPrev = kPrefix + "macro_goto_block_prev.vn4";
const std::string kIfFalseSimple = kPrefix + "macro_if_false_simple.vn4";
const std::string kPresentEvent = kPrefix + "macro_present_event.vn4";
const std::string kRepeatBlock = kPrefix + "macro_repeat_block.vn4";
const std::string kRepeatTrial = kPrefix + "macro_repeat_trial_no_wtr.vn4";
const std::string kResetTrialCount = kPrefix + "macro_reset_trial_count.vn4";
const std::string kSkipTrial = kPrefix + "macro_skip_trial.vn4";
const std::string kCodes = kPrefix + "trial_wtp_codes.vn4";
const std::string kEqualTo = kPrefix + "trial_wtp_equal_to.vn4";
const std::string kGreaterEqualTo = kPrefix + "trial_wtp_greater_equal_to.vn4";
const std::string kLessThan = kPrefix + "trial_wtp_less_than.vn4";
const std::string kLessThanEqual = kPrefix + "trial_wtp_less_than_equal.vn4";
const std::string kPrecedence = kPrefix + "wtr_logic_op_precedence.vn6";

// The family's event check failure: its own name, site and message, and the subject they all share.
ExpectedFailure Events(const std::string& name, int line, const std::string& message) {
  return {name, "Something bad happened instead.", line, message};
}

const std::string kEventOneOnce =
    "We expected to see event 1 once. I really hope this test never fails. Wow I'm really curious what happens in "
    "varnel right now.";
const std::string kEventOneThenTwo =
    "We expected to see event 1 once and event 2 also once as that's what the macro is set up to do.";
const std::string kGoToAny =
    "We expected to see exactly two events, event 1 and event 3, as the block containing event 1 was set to present "
    "the block containing event 3.";

const ExpectedFailure kTimeSinceExpFails =
    Events("Time_since_start_of_experiment_expression_functions_as_expected", 67, kEventOneThenTwo);
const ExpectedFailure kOperatorFails = Events("The_greater_or_equal_to_operator_works", 64, kEventOneOnce);
const ExpectedFailure kOperatorFailsAt62 = Events("The_greater_or_equal_to_operator_works", 62, kEventOneOnce);
const ExpectedFailure kEqualToFails = Events("The_equal_to_operator_works", 64, kEventOneOnce);
const ExpectedFailure kGoToAnyFails = Events("Go_to_block_any_functions_as_expected", 69, kGoToAny);

std::string Faulty(const std::string& experiment, const std::string& description) {
  return experiment + " " + description + ".txt";
}

const FaultyCase kCases[] = {
    {Faulty(kTimeSinceExp, "event 2 first"), kTimeSinceExp, {kTimeSinceExpFails}},
    {Faulty(kTimeSinceExp, "one over both windows"), kTimeSinceExp,
     {Duration("Experiment", kTimeSinceExp, 4000, 4050, 4051), Duration("Expansion", kTimeSinceExp, 0, 5000, 5001)}},
    {Faulty(kExitExperiment, "two trials"), kExitExperiment,
     {Events("Experiment_exited_after_one_trial_as_expected", 45,
             "We expected the experiment to exit after one trial.")}},
    {Faulty(kExitExperiment, "short run slow expansion"), kExitExperiment,
     {Duration("Experiment", kExitExperiment, 900, 1100, 899),
      Duration("Expansion", kExitExperiment, 0, 1000, 1001)}},
    {Faulty(kGoToBlockAny, "event 1 twice"), kGoToBlockAny, {kGoToAnyFails}},
    {Faulty(kGoToBlockNext, "three blocks"), kGoToBlockNext, {kGoToAnyFails}},
    {Faulty(kGoToBlockPrev, "one visit short"), kGoToBlockPrev,
     {Events("Go_to_block_previous_functions_as_expected", 80,
             "We expected to see exactly five events, event 1, 2, 1, 2, 2 due to interactions between the when to "
             "run settings and macros.")}},
    {Faulty(kGoToBlockPrev, "one over both windows"), kGoToBlockPrev,
     {Duration("Experiment", kGoToBlockPrev, 7700, 7900, 7901),
      Duration("Expansion", kGoToBlockPrev, 0, 3000, 3001)}},
    {Faulty(kIfFalseSimple, "no event 1"), kIfFalseSimple, {kOperatorFails}},
    {Faulty(kPresentEvent, "event 1 first"), kPresentEvent,
     {Events("Present_event_functions_as_expected", 74,
             "We expected to see exactly three events, event 2, event 1, event 2 again.")}},
    {Faulty(kRepeatBlock, "four times"), kRepeatBlock,
     {Events("Repeat_block_functions_as_expected", 63,
             "We expected to see event 1 three times as that's what the macro is set up to do.")}},
    {Faulty(kRepeatTrial, "event 1 last"), kRepeatTrial,
     {Events("Repeat_trial_functions_as_expected", 65,
             "We expected to see event 1 once and then event 2 repeated three times as that's what the macro is set "
             "up to do.")}},
    {Faulty(kRepeatTrial, "one over both windows"), kRepeatTrial,
     {Duration("Experiment", kRepeatTrial, 3200, 3250, 3251), Duration("Expansion", kRepeatTrial, 0, 1000, 1001)}},
    {Faulty(kResetTrialCount, "event 2 missing"), kResetTrialCount,
     {Events("Reset_trial_count_functions_as_expected", 67,
             "We expected to see event 1 once and event 2 also once as that's what the macro is set up to do. This "
             "one is tricky-ish as it uses both a when to run experession and a macro to work.")}},
    {Faulty(kSkipTrial, "trial not skipped"), kSkipTrial,
     {Events("Repeat_block_functions_as_expected", 65,
             "We expected to see event 1 once and event 3 also once as that's what the macro is set up to do.")}},
    {Faulty(kCodes, "codes swapped"), kCodes, {OrderMismatch(0, "no")}},
    {Faulty(kCodes, "event 2 twice"), kCodes,
     {Events("Presenting_trials_based_on_code_functions_as_expected", 83, kEventOneThenTwo), TooManyCells()}},
    {Faulty(kEqualTo, "capital E"), kEqualTo, {kEqualToFails}},
    {Faulty(kEqualTo, "two rows"), kEqualTo, {kEqualToFails}},
    {Faulty(kGreaterEqualTo, "two rows"), kGreaterEqualTo, {kOperatorFails}},
    {Faulty(kLessThan, "event 2 only"), kLessThan, {kOperatorFailsAt62}},
    {Faulty(kLessThanEqual, "three rows"), kLessThanEqual, {kOperatorFails}},
    {Faulty(kPrecedence, "two rows"), kPrecedence, {kOperatorFailsAt62}},
    {Faulty(kPrecedence, "one under both windows"), kPrecedence,
     {Duration("Experiment", kPrecedence, 950, 1100, 949), Duration("Expansion", kPrecedence, 0, 1000, -1)}},
};

DH_FAULTY_CORPUS(MacroFamilyFaults, kCases);

}  // namespace

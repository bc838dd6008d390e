// Faulty data files of the block-randomization, randomization-option, inter-stimulus-interval, sync-trial, audio,
// movie, timer and feedback time-limit verifiers.
#include "tests/verifiers/faultycorpus.h"
#include <gtest/gtest.h>

namespace {

using namespace faultycorpus;

const char kBlocks[] = "2013-01_assorted_new_block_options.vn5";
const char kRandom[] = "2011-06-17_test_all_randomization_for_case_983.vn4";
const char kIsi[] = "2015-10-29_test_long_isi.vn5";
const char kSync[] = "2014-06-16_sync_trials.vn5";
const char kAudio[] = "2011-09-21_basic_audio_format_4.5.2_tests.vn4";
const char kMovie[] = "MAC_new_movie_stress_test_case_2502.vn4";
const char kTimers[] = "2014-07-24_timer_parameters.vn5";
const char kFeedback[] = "2011-07-19_runs_unattended_for_regression_test_FEEDBACK_TRIAL_VAR_TIMES_case_2405.vn4";

std::string FileOf(const char* experiment, const std::string& fault) { return experiment + (" " + fault + ".txt"); }

const std::string kRarely = " -- this OCCASIONALLY FAILS PERMISSIBLY. ALLOW THIS TO HAPPEN RARELY";

ExpectedFailure FourAndFour(const std::string& check) {
  return {check, "block does not display the expected v5 randomization", 323,
          "we thought that only the CHOICE OF STIMLIST was random. either start with vehicles or start with animals, "
          "but then do 4 of one followed by 4 of the other"};
}

ExpectedFailure UnexpectedIsi(int row, int expected, int measured) {
  return {"UNEXPECTED_ISI_VALUE", "Cum time on some row reflects an unexpected ISI__see details", 174,
          "the isi leading to row " + std::to_string(row) + " should have an isi of " + std::to_string(expected) +
              " but we found " + std::to_string(measured)};
}

const std::string kToLongFailed = "we called the wx function ToLong on a string, and it failed to produce a number";

ExpectedFailure NonNumericTime(int line) {
  return {"NON_NUMERIC_TIME_VALUE", "Cum time string should always be convertible to a number", line, kToLongFailed};
}

ExpectedFailure TimeStamp(int number, int prior, int current, int interval, int best) {
  const std::string text = "Subsequent timestamps were not ok, given prior and current of " + std::to_string(prior) +
                           " and " + std::to_string(current) + " and an interval of " + std::to_string(interval) +
                           " for best diff " + std::to_string(best);
  return {"CHECK_TIMESTAMP_" + std::to_string(number), text, 170, text};
}

ExpectedFailure ContentCheck(int number) {
  return {"CONTENT_CHECK_" + std::to_string(number) + "_OF_8",
          "datafile content conflicts with the block rules and overall experiment structure", 312 + 10 * number,
          "This test is for checking sync trial timing, but we also look at basic event sequence, which seems to have "
          "gone wrong just now"};
}

const ExpectedFailure kWrongPlaybackCount = {
    "Simple_playback_11_formats", "Incorrect number of events played back.", 46,
    "There should be two events per each of 11 audio formats,                    for a total of 22 events."};

ExpectedFailure NonNumericTimer(int row, int column) {
  return {"NON_NUMERIC_VALUE_" + std::to_string(row) + "_" + std::to_string(column),
          "Data cell string should always be convertible to a number here", 481, kToLongFailed};
}

ExpectedFailure Timer(int number, int line, const std::string& findings) {
  return {"Timer_" + std::to_string(number) + "_behaved_properly",
          "Timer " + std::to_string(number) + " is malfunctioning.", line, findings};
}

// The faulty corpus hands over no stimulus areas, which the feedback verifier always reports first.
const ExpectedFailure kNoStimAreas = {"Correct_quantity_of_stim_areas", "Too few stim areas. Fewer than expected.", 89,
                                      "No extra info."};
const ExpectedFailure kFeedbackTooShort = {"Variable_time_should_be_greater_than_6000", "Looks like bug 2405 is back.",
                                           179,
                                           "The event named 'correct' should have been on screen for 6000 ms or more."};

const FaultyCase kCases[] = {
    // Blocks, trials and events in random order.
    {FileOf(kBlocks, "vehicles together"), kBlocks,
     {{"Block_One_Is_V4_Jumbled", "first block may not have been jumble-randomized" + kRarely, 241,
       "unexpectedly found that all the vehicle-events were together instead of jumbled with the animals." +
           kRarely}}},
    // Three vehicles, a stray event, then a fourth vehicle: the stray event breaks the run of vehicles.
    {FileOf(kBlocks, "stray event in first block"), kBlocks,
     {{"TEST_MISBEHAVING", "this loop should ALWAYS find vehicle or animal each time", 226,
       "as we loop over the events in the first block, each event MUST MATCH ONE OF: vehicle or animal"}}},
    {FileOf(kBlocks, "five animals in second block"), kBlocks, {FourAndFour("Block_Two_Is_V5_Random")}},
    {FileOf(kBlocks, "third block reshuffled on loop"), kBlocks,
     {{"Block_Three_Repeats_Twice_Verbatim", "the third block was supposed to loop twice verbatim", 360,
       "the third block should show the EXACT SAME SEQUENCE of events twice in a row, verbatim"}}},
    {FileOf(kBlocks, "fourth block ends with a vehicle"), kBlocks,
     {{"Block_Four_Runs_As_Intended", "the fourth block is supposed to use two extra-actions and one looping option",
       417,
       "for the fourth block, we expect four of vehicle-or-animal, break, four of the other, break, then two more of "
       "the FIRST thing"},
      Duration("Experiment", kBlocks, 2500, 2900, 2901)}},
    {FileOf(kBlocks, "trailing blank lost"), kBlocks,
     {OrderMismatch(86, "V4 Random. extra-action versus block-end macro. BOTH should work ")}},
    {FileOf(kRandom, "orders redrawn"), kRandom,
     {{"Rand_Trials_In_Block_Once_Per_Run", "'block 1 - randomize once per run' did not behave", 88,
       "'block 1 - randomize once per run' should repeat its trials FOUR times using the SAME random order"},
      {"Rand_Events_In_Trial_Once_Per_Run", "'REUSED trial, looking for SAME random throughout run' did not behave",
       188,
       "'REUSED trial, looking for SAME random throughout run' should repeat its events THREE times using the SAME "
       "random order"}}},
    {FileOf(kRandom, "group orders wrong"), kRandom,
     {{"Rand_Trials_In_Block_Once_Per_Group", "'block 2 - randomize per group - cba for main group' did not behave",
       115, "'block 2 - randomize per group - cba for main group' should always use the SAME random order"},
      {"Rand_Events_In_Trial_Once_Per_Group",
       "'REUSED trial w/ PER-GROUP, looking for SAME random throughout run1' did not behave", 216,
       "'REUSED trial w/ PER-GROUP, looking for SAME random throughout run1' should always use the SAME random "
       "order"}}},
    {FileOf(kRandom, "always orders repeat"), kRandom,
     {{"Rand_Trials_In_Block_Every_Time", "'block 1 - randomize ALWAYS' did not behave" + kRarely, 151,
       "'block 1 - randomize ALWAYS' should NOT display the SAME random order four times in a row" + kRarely},
      {"Rand_Events_In_Trial_Every_Time", "'REUSED trial - NEW randomization ALWAYS' did not behave" + kRarely, 252,
       "'REUSED trial - NEW randomization ALWAYS' should NOT display the SAME random order three times in a row" +
           kRarely},
      Duration("Experiment", kRandom, 780, 2500, 779)}},

    // Time stamps and media.
    {FileOf(kIsi, "interval 31 ms"), kIsi, {UnexpectedIsi(3, 20, 31)}},
    // The bad interval before the unreadable time is reported, the one after it is not.
    {FileOf(kIsi, "time not a number"), kIsi, {UnexpectedIsi(5, 30, 45), NonNumericTime(150)}},
    {FileOf(kIsi, "last time stamp missing"), kIsi,
     {TooFewCells(), NonNumericTime(150), Duration("Experiment", kIsi, 4084, 5000, 3796)}},
    // Seven milliseconds off a whole number of 400 ms intervals; the later stamps keep the delay.
    {FileOf(kSync, "late time stamp"), kSync, {TimeStamp(7, 3005, 3812, 400, 7)}},
    // The unreadable time stamp counts as 0 and spoils the check before it and the one after it.
    {FileOf(kSync, "time stamp time not a number"), kSync,
     {NonNumericTime(103), TimeStamp(5, 2003, 0, 300, 2303), TimeStamp(6, 0, 3005, 400, 195)}},
    {FileOf(kSync, "two time stamps for one event"), kSync,
     {{"ALWAYS_ONE_AND_ONE_TIMESTAMP_PER_EVENT", "we need to alternate between finding 1 timestamp 1 event", 274,
       "either 2 timestamps happened for 1 event, or 2 events for 1 timestamp"}}},
    {FileOf(kSync, "unknown event mid-run"), kSync,
     {{"BAD_MIDRUN_EVENT_NAME", "the events should always match *** or tim or one of 8 expected names", 258,
       "whatever is the event name on some data row seems wrong"}}},
    {FileOf(kSync, "starts with an event"), kSync,
     {{"BAD_FIRST_EVENT_NAME", "the first event should always have the name timestamp", 193,
       "whatever is the event name on the first data row seems wrong"}}},
    {FileOf(kSync, "note as second row"), kSync,
     {{"BAD_SECOND_EVENT_NAME", "the second event should always match one of 8 expected names", 204,
       "whatever is the event name on the second data row seems wrong"}}},
    // No "c (" trials at all is allowed; four "d (" trials are not.
    {FileOf(kSync, "four d trials and no c trials"), kSync, {ContentCheck(7)}},
    {FileOf(kAudio, "21 events"), kAudio, {kWrongPlaybackCount}},
    {FileOf(kAudio, "23 events and slow"), kAudio,
     {kWrongPlaybackCount, Duration("Experiment", kAudio, 22300, 27000, 27001),
      Duration("Expansion", kAudio, 5, 40, 41)}},
    // Only the lab's two machines time the movie run; elsewhere it only has to complete.
    {FileOf(kMovie, "too long"), kMovie, {}},

    // Timers and time limits.
    {FileOf(kTimers, "unsaved timer written and flag_a missing"), kTimers,
     {{"Option_to_NOT_save_is_working",
       "Datafile columns are NOT as expected. can fail when you set ORRIN_OBTRUSIVE_DIAGNOSTIC_LOGGING.", 265,
       "we wanted to FIND some columns and NOT find others. note that ORRIN_OBTRUSIVE_DIAGNOSTIC_LOGGING causes all "
       "params to get a column despite experiment settings. you may get a spurious failure due to that environment "
       "var"},
      OrderMismatch(0, "0")}},
    {FileOf(kTimers, "flag_c set early and slow"), kTimers,
     {OrderMismatch(10, "0"), Duration("Experiment", kTimers, 6006, 6150, 6151)}},
    {FileOf(kTimers, "timers off"), kTimers,
     {Timer(1, 381, "not 0 during first event. first pause action malfunctioned. "),
      Timer(2, 466, "second starting zero state malfunctioned. at row 13 timer_2 needs to be approx 2000 ms. ")}},
    // Row 25 is read by the third pause test and again for the final value: each read reports it.
    {FileOf(kTimers, "timer_1 not a number at row 25"), kTimers,
     {NonNumericTimer(25, 2), NonNumericTimer(25, 2),
      Timer(1, 381, "third pause action malfunctioned. at row 25 timer_1 needs to be approx 2500 ms. ")}},
    {FileOf(kFeedback, "correct too short"), kFeedback, {kNoStimAreas, kFeedbackTooShort}},
    {FileOf(kFeedback, "incorrect shown"), kFeedback,
     {kNoStimAreas,
      {"Event_named_incorrect_is_unwanted", "Unwanted event has been displayed somehow.", 162,
       "As long as there was no human interaction we expect to NOT find this event. This runs unattended, so how "
       "could there be interaction...?"}}},
    // Found, but with no row before it there is nothing to measure its time from.
    {FileOf(kFeedback, "correct on the first row"), kFeedback, {kNoStimAreas, kFeedbackTooShort}},
    {FileOf(kFeedback, "no correct"), kFeedback,
     {kNoStimAreas,
      {"Event_named_correct_is_expected", "The event 'correct' should have happened. Where is it?", 152,
       "We expected the event with name 'correct' to have been displayed during the experiment."},
      kFeedbackTooShort}},
};

DH_FAULTY_CORPUS(RandomizationTimingAndTimerFaults, kCases);

}  // namespace

// Faulty data files of the input, feedback, macro-import, stimulus-list folder and loop-guard verifiers.
#include "tests/support/pluginhost.h"
#include "tests/verifiers/faultycorpus.h"
#include "tests/support/report.h"
#include "tests/support/scratchdir.h"
#include "verifiers/framework/hostnames.h"
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

using namespace faultycorpus;
using testsupport::Outcome;

const char kFakeInput[] = "fake_input_when_resp_is_fb_test.vn5";
const char kRepeats[] = "2-15-13-limit_trial_repeats_fb_test.vn5";
const char kLoopGuard[] = "2012_3_16_tessel_2670_loop_guard_block_level.vn6";
const char kStimlist[] = "2011-12-16_test_for_case_1639_Stimlist_Folder.vn4";
const char kMacros[] = "import_v4_macros.vn4";
const char kBasicInput[] = "basic_input_kestra_qd_singlekey_pst.vn4";

const std::string kFiveEvents =
    "We expected to see exactly five events in that order:\nnon-fb-event1, should show one fb; feedback event a; "
    "non-fb-event2, should not show fb; non-fb-event3, should show one fb; feedback event c\nWe got\n";

const FaultyCase kCases[] = {
    {"fake_input_when_resp_is_fb_test.vn5 extra feedback.txt", kFakeInput,
     {{"Use the fake input plugin to trigger feedback events when appropriate.", "Something bad happened instead.",
       102,
       kFiveEvents + "non-fb-event1, should show one fb; feedback event a; non-fb-event2, should not show fb; "
                     "non-fb-event3, should show one fb; feedback event c; feedback event b instead"}}},
    {"fake_input_when_resp_is_fb_test.vn5 too slow.txt", kFakeInput,
     {Duration("Experiment", kFakeInput, 2100, 2300, 2301), Duration("Expansion", kFakeInput, 0, 5000, 5001)}},
    {"2-15-13-limit_trial_repeats_fb_test.vn5 one repeat too many.txt", kRepeats, {TooManyCells()}},
    {"2-15-13-limit_trial_repeats_fb_test.vn5 seen twice.txt", kRepeats,
     {OrderMismatch(2, "event w/ repeat trial fb, seen once")}},
    {"2012_3_16_tessel_2670_loop_guard_block_level.vn6 seventh row.txt", kLoopGuard,
     {{"The_loop_guard_works", "Something bad happened instead.", 92,
       "Can we even get this fail message? I mean if the loop guard has stopped working then we should've never "
       "finished the experiment. I guess we might still be capable of seeing this."}}},
    {"2011-12-16_test_for_case_1639_Stimlist_Folder.vn4 missing extension.txt", kStimlist,
     {{"Filenames show up in the data file as expected.",
       "One or more strings contained in the Event Name column of the datafile is somehow improper.", 91,
       "At least one Event Name entry isn't correct. First such offending string: picturestimlist_w_files (2, "
       "02_foreveralonelaugh)"},
      Duration("Expansion", kStimlist, 45, 90, 91)}},
    {"import_v4_macros.vn4 six pre-trial loops.txt", kMacros, {TooManyCells(), TooManyCells(), TooManyCells()}},
    {"import_v4_macros.vn4 actions swapped.txt", kMacros,
     {OrderMismatch(60, "actions event"), Duration("Expansion", kMacros, 200, 550, 551)}},
    {"basic_input_kestra_qd_singlekey_pst.vn4 with rows.txt", kBasicInput,
     {{std::string("__TIMING__TRACKING__UNAVAILABLE__") + kBasicInput,
       "Please add the Cumulative Time column to the output.", 343,
       "We cannot monitor run-time duration without having the Cum Time column available."},
      {std::string("__EXPANSION__TRACKING__UNAVAILABLE__") + kBasicInput,
       "Someting broke, there's no expansion time column.", 369,
       "We cannot monitor run-time duration without having the expansion time column available."}}},
};

TEST(ExpectEmptyVerifier, ReadableFileGetsTheCompletionPassOnceAndNoStandInTime) {
  testsupport::ScratchDir scratch;
  testsupport::PluginHost host;
  host.PerformPostProcessing(testsupport::TestData("faulty/basic_input_kestra_qd_singlekey_pst.vn4 with rows.txt"));
  const std::vector<Outcome> outcomes = testsupport::ReadReport(host.ReleaseTestPrinter()).OfSuite(kBasicInput);
  ASSERT_EQ(outcomes.size(), 4u);
  EXPECT_EQ(outcomes[1].name, "basic_input_kestra_qd_singlekey_pst_completed");
  EXPECT_FALSE(outcomes[1].failed);
  for (const Outcome& outcome : outcomes) EXPECT_EQ(outcome.name.find("55555"), std::string::npos);
}

TEST(ExpectEmptyVerifier, EmptyFileGetsCompletionAndStandInTime) {
  testsupport::ScratchDir scratch;
  testsupport::PluginHost host;
  host.PerformPostProcessing(testsupport::TestData("golden/mac_input_settings_45_one.vn4 P01.txt"));
  const std::vector<Outcome> outcomes =
      testsupport::ReadReport(host.ReleaseTestPrinter()).OfSuite("mac_input_settings_45_one.vn4");
  ASSERT_EQ(outcomes.size(), 3u);
  EXPECT_EQ(outcomes[1].name, "mac_input_settings_45_one_completed");
  EXPECT_EQ(outcomes[2].name, "__TIMING__TRACKING__mac_input_settings_45_one.vn4__55555_ms");
}

DH_FAULTY_CORPUS(InputAndMacroImportFaults, kCases);

}  // namespace

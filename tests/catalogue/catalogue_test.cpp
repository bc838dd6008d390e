// The plug-in knows every test experiment: each name reaches exactly one verifier of the right class, and the
// golden corpus holds a data file for each.
#include "plugin/datahookoutputtestingplugin.h"
#include "tests/support/pluginhost.h"
#include "verifiers/framework/verifierregistry.h"
#include <cxxabi.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <set>
#include <typeinfo>

namespace {

using namespace Varnel;

struct CatalogueEntry {
  const char* verifierClass;
  const char* experimentFile;
};

const CatalogueEntry kCatalogue[] = {
    {"Assorted_V5_BlockSettings", "2013-01_assorted_new_block_options.vn5"},
    {"TestWaysToAttachResponses", "2015-06-01_ways_to_attach_responses_in_RStep.vn5"},
    {"ExerciseForCase2781", "aiming_for_all_possible_rstep_attachment_patterns.vn4"},
    {"ListExpansionAndFeedbacks01", "2012-12-06_stimlist_events_oddly_attached_as_feedbacks.vn4"},
    {"OneSublistExpRandomization", "one_sublist_exp_randomization.vn5"},
    {"OneSublistGroupRandomization", "one_sublist_group_randomization.vn5"},
    {"TestAllBTERandomizationOptionsAllowedInV4", "2011-06-17_test_all_randomization_for_case_983.vn4"},
    {"TestBooleanExpressionOperatorPrecedence", "2013-05-14_and_or_expression_evaluation.vn5"},
    {"TestCodeBasedResponses_2545", "2011-10-20_responses_personality_disorder_2545.vn4"},
    {"TestColumnsExcludedTessel3229", "2014-05-12_save_col_mouse_press_rel_NOT_pixel.vn5"},
    {"TestColumnsSavedTessel3229", "2014-05-12_save_col_mouse_pixel_NOT_press_rel.vn5"},
    {"TestCrossedUnpairedPairedLists", "2013-09-27_list_access_pair_unpair_cross.vn5"},
    {"TestElevenAudioFormats", "2011-09-21_basic_audio_format_4.5.2_tests.vn4"},
    {"TestFourWaysChangeTags", "2014-11-17_four_ways_to_change_a_tag.vn5"},
    {"TestISI", "2015-10-29_test_long_isi.vn5"},
    {"TestImportV4VarsIntoVN5", "2013-10-21_import_v4_trial_vars.vn4"},
    {"TestListTypeRSVP", "2014-08-14_list_SPR_and_RSVP.vn5"},
    {"TestMacMovieStress_2502", "MAC_new_movie_stress_test_case_2502.vn4"},
    {"TestMultipleSubsetExpressionsOnOneBlock", "2012-12-20_test_reset_the_subset.vn5"},
    {"TestMutableCodesAllTrialsPlusSharing", "trl_shared_in_blks_plus_change_code_for_TIB.vn4"},
    {"TestPresentUnexpandedBlock", "2014-12-4_fail_to_present_block.vn5"},
    {"TestRStepMutableCodes", "exit_block_using_subset_with_mutable_codes.vn4"},
    {"TestRandomLevelsAndCountersAndRSVP", "2013-10-21_randomize_opts_TrialVars_RSVP_SPR.vn5"},
    {"TestVNExceptionThrownAndCaught", "2015-01-30_VNException_thrown_and_caught.vn5"},
    {"TestSyncTrialsTessel3251", "2014-06-16_sync_trials.vn5"},
    {"TestThreeFeedbackBranchingJumps", "all_feedback_branching.vn4"},
    {"TestTimerActionsAndCriteria", "2014-07-24_timer_parameters.vn5"},
    {"TestTrialExpressionInteractionWithFetchVars", "tessel_2807_test.vn5"},
    {"TestTrialSubsetUpToN", "trial_subset_only_the_last_N_versus_up_to_N.vn4"},
    {"TestTrialVariableLevelsCase_1618", "2011-08-11_tessel_1618_NumberMemorytest.vn4"},
    {"TestTrialVariableLevelsExpressions", "2013-11-15_trial_level_expressions.vn5"},
    {"TestTrialVariableTimeLimitOnFeedback_2405",
     "2011-07-19_runs_unattended_for_regression_test_FEEDBACK_TRIAL_VAR_TIMES_case_2405.vn4"},
    {"Test_10_11_13_all_tvars_spr_rsvp", "10_11_13_all_tvars_spr_rsvp.vn5"},
    {"Test_2011_11_1_tessel_2552_Randomization", "2011-11-1_tessel_2552_Randomization.vn4"},
    {"Test_2011_12_16_case_1639_Stimlist_Folder", "2011-12-16_test_for_case_1639_Stimlist_Folder.vn4"},
    {"Test_2012_3_16_tessel_2670_loop_guard_block_level", "2012_3_16_tessel_2670_loop_guard_block_level.vn6"},
    {"Test_2012_3_9_tessel_2668_expr_time_since_exp", "2012_3_9_tessel_2668_expr_time_since_exp.vn4"},
    {"Test_2012_3_9_tessel_2668_macro_exit_experiment", "2012_3_9_tessel_2668_macro_exit_experiment.vn4"},
    {"Test_2012_3_9_tessel_2668_macro_goto_block_any", "2012_3_9_tessel_2668_macro_goto_block_any.vn4"},
    {"Test_2012_3_9_tessel_2668_macro_goto_block_next", "2012_3_9_tessel_2668_macro_goto_block_next.vn4"},
    {"Test_2012_3_9_tessel_2668_macro_goto_block_prev", "2012_3_9_tessel_2668_macro_goto_block_prev.vn4"},
    {"Test_2012_3_9_tessel_2668_macro_if_false_simple", "2012_3_9_tessel_2668_macro_if_false_simple.vn4"},
    {"Test_2012_3_9_tessel_2668_macro_present_event", "2012_3_9_tessel_2668_macro_present_event.vn4"},
    {"Test_2012_3_9_tessel_2668_macro_repeat_block", "2012_3_9_tessel_2668_macro_repeat_block.vn4"},
    {"Test_2012_3_9_tessel_2668_macro_repeat_trial_no_wtr", "2012_3_9_tessel_2668_macro_repeat_trial_no_wtr.vn4"},
    {"Test_2012_3_9_tessel_2668_macro_reset_trial_count", "2012_3_9_tessel_2668_macro_reset_trial_count.vn4"},
    {"Test_2012_3_9_tessel_2668_macro_skip_trial", "2012_3_9_tessel_2668_macro_skip_trial.vn4"},
    {"Test_2012_3_9_tessel_2668_trial_wtp_codes", "2012_3_9_tessel_2668_trial_wtp_codes.vn4"},
    {"Test_2012_3_9_tessel_2668_trial_wtp_equal_to", "2012_3_9_tessel_2668_trial_wtp_equal_to.vn4"},
    {"Test_2012_3_9_tessel_2668_trial_wtp_greater_equal_to", "2012_3_9_tessel_2668_trial_wtp_greater_equal_to.vn4"},
    {"Test_2012_3_9_tessel_2668_trial_wtp_less_than", "2012_3_9_tessel_2668_trial_wtp_less_than.vn4"},
    {"Test_2012_3_9_tessel_2668_trial_wtp_less_than_equal", "2012_3_9_tessel_2668_trial_wtp_less_than_equal.vn4"},
    {"Test_2012_3_9_tessel_2668_wtr_logic_op_precedence", "2012_3_9_tessel_2668_wtr_logic_op_precedence.vn6"},
    {"Test_2012_4_25_random_color_trial_level_test", "2012-4-25_random_color_trial_level_test.vn4"},
    {"Test_2013_01_params_in_text_events", "1-30-13-TextEventParamTest.vn5"},
    {"Test_2013_01_params_in_text_events_no_params", "1-30-13-TextEventParamTestNoParams.vn5"},
    {"Test_2772_1_macr_1_reg_1_feed", "2772_1_macr_1_reg_1_feed.vn4"},
    {"Test_2772_2_macro_1_reg", "2772_2_macro_1_reg.vn4"},
    {"Test_2_15_13_limit_trial_repeats_fb_test", "2-15-13-limit_trial_repeats_fb_test.vn5"},
    {"Test_3002_spec_trial_level_actions_expressions", "3002_spec_trial_level_actions_expressions.vn5"},
    {"Test_9_25_13_all_param2param_actions", "9_25_13_all_param2param_actions.vn5"},
    {"Test_fake_input_when_resp_is_fb_test", "fake_input_when_resp_is_fb_test.vn5"},
    {"Test_v4_MacrosImportedTo_v5", "import_v4_macros.vn4"},
    {"TrialSubsetUpToNMultipleBlockParents", "trial_subset_multiple_block_macro_import.vn4"},
    {"TwoSublistsSynchronization", "two_sublists_synchronization.vn5"},
    {"TwoSublistsTagging", "two_sublists_tagging.vn5"},
    {"TestBasicInput_02", "basic_input_kestra_qd_singlekey_pst.vn4"},
    {"TestBasicMacInput_01", "mac_input_settings_45_one.vn4"},
};

std::string ClassOf(const Interface_SpecificIndividualTestVerifier& verifier) {
  int status = 0;
  std::unique_ptr<char, void (*)(void*)> demangled(
      abi::__cxa_demangle(typeid(verifier).name(), nullptr, nullptr, &status), std::free);
  return status == 0 ? demangled.get() : typeid(verifier).name();
}

TEST(Catalogue, SixtyEightExperimentsWithDistinctKeys) {
  std::set<wxString> keys;
  for (const CatalogueEntry& entry : kCatalogue) keys.insert(wxString(entry.experimentFile).Upper());
  EXPECT_EQ(std::size(kCatalogue), 68u);
  EXPECT_EQ(keys.size(), std::size(kCatalogue)) << "two experiment names are equal ignoring case";
  EXPECT_EQ(TheVerifierRegistry().size(), std::size(kCatalogue)) << "a verifier registered that is not listed";
}

TEST(Catalogue, EachExperimentReachesOneVerifierOfItsClass) {
  std::set<const Interface_SpecificIndividualTestVerifier*> seen;
  for (const CatalogueEntry& entry : kCatalogue) {
    const wxString dataFile = wxString("/runs/") + entry.experimentFile + " P07 2026.txt";
    const auto found = TheVerifierRegistry().find(RegistryKeyForDataFile(dataFile));
    ASSERT_NE(found, TheVerifierRegistry().end()) << entry.experimentFile;
    EXPECT_EQ(found->second.name, entry.experimentFile);
    EXPECT_EQ(ClassOf(*found->second.verifier), std::string("Varnel::") + entry.verifierClass);
    EXPECT_TRUE(seen.insert(found->second.verifier).second) << entry.verifierClass << " serves two experiments";
  }
}

TEST(Catalogue, GoldenCorpusHoldsADataFileForEveryExperiment) {
  std::map<wxString, int> goldenFilesByKey;
  for (const auto& file : std::filesystem::directory_iterator(testsupport::TestData("golden"))) {
    if (file.path().extension() == ".txt") ++goldenFilesByKey[RegistryKeyForDataFile(file.path().string())];
  }
  for (const CatalogueEntry& entry : kCatalogue) {
    EXPECT_EQ(goldenFilesByKey[wxString(entry.experimentFile).Upper()], 1) << entry.experimentFile;
  }
}

}  // namespace

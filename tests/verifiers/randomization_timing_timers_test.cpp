// Rules of the block-randomization, randomization-option, inter-stimulus-interval, sync-trial, timer and feedback
// time-limit verifiers that no single faulty file shows: tolerances exactly at their limits, the process-wide
// numbering of the time-stamp checks, block patterns that must pass, and the stimulus areas the host hands over.
#include "tests/support/goldenvariant.h"
#include <gtest/gtest.h>

namespace {

using namespace testsupport;
using Entries = std::vector<std::string>;

const char kBlocks[] = "2013-01_assorted_new_block_options.vn5";
const char kRandom[] = "2011-06-17_test_all_randomization_for_case_983.vn4";
const char kIsi[] = "2015-10-29_test_long_isi.vn5";
const char kSync[] = "2014-06-16_sync_trials.vn5";
const char kTimers[] = "2014-07-24_timer_parameters.vn5";
const char kFeedback[] = "2011-07-19_runs_unattended_for_regression_test_FEEDBACK_TRIAL_VAR_TIMES_case_2405.vn4";
const std::string kEvent = "Event\nName", kTime = "Cumulative\nTime";

TEST(SyncTimeStamps, NumberingGoesOnAcrossRunsOfOneProcess) {
  const DataTable golden = DataTable::Golden(kSync);
  const Entries checks = Short(RunTables(kSync, {golden, golden}), {"CHECK_TIMESTAMP_"});
  ASSERT_EQ(checks.size(), 50u);
  for (int i = 0; i < 50; ++i) EXPECT_EQ(checks[i], "pass CHECK_TIMESTAMP_" + std::to_string(i + 1));
}

// The stamp after "b (2, pear)" follows one at 3005 with 400 ms intervals: 5 ms off a whole number of 1 to 20
// intervals passes, 6 ms only on host B.
TEST(SyncTimeStamps, ToleranceIsFiveMillisecondsOrSixOnHostB) {
  const auto failure = [](long current, long best) {
    return "FAIL CHECK_TIMESTAMP_7: Subsequent timestamps were not ok, given prior and current of 3005 and " +
           std::to_string(current) + " and an interval of 400 for best diff " + std::to_string(best);
  };
  const std::string pass = "pass CHECK_TIMESTAMP_7";
  const struct {
    Machine host;
    long current;
    std::string outcome;
  } cases[] = {
      {Machine::Plain, 3810, pass},
      {Machine::Plain, 3811, failure(3811, 6)},
      {Machine::Plain, 3399, failure(3399, 6)},
      {Machine::HostB, 3811, pass},
      {Machine::HostB, 3399, pass},
      {Machine::HostB, 3812, failure(3812, 7)},
      {Machine::HostA, 3811, failure(3811, 6)},
      {Machine::Plain, 3005 + 20 * 400, pass},
      // Twenty-one intervals are one too many, however exact.
      {Machine::Plain, 3005 + 21 * 400, failure(3005 + 21 * 400, 400)},
  };
  for (const auto& c : cases) {
    DataTable table = DataTable::Golden(kSync);
    ASSERT_EQ(table.Cell(13, kTime), "3005");
    ASSERT_EQ(table.Cell(14, kEvent), "b (2, pear)");
    table.Cell(15, kTime) = std::to_string(c.current);
    EXPECT_EQ(Short(RunTables(kSync, {table}, c.host), {"CHECK_TIMESTAMP_7"}), Entries{c.outcome})
        << c.current << " on " << HostNameOf(c.host);
  }
}

TEST(LongIsi, EachIntervalMayBeTenMillisecondsOff) {
  const struct {
    int measured;  // the interval leading to row 3, 20 ms expected
    std::string outcome;
  } cases[] = {{30, "pass ISI_LENGTHS_OK"},
               {10, "pass ISI_LENGTHS_OK"},
               {9, "FAIL UNEXPECTED_ISI_VALUE: the isi leading to row 3 should have an isi of 20 but we found 9"}};
  for (const auto& c : cases) {
    DataTable table = DataTable::Golden(kIsi);
    table.Cell(3, kTime) = std::to_string(std::stol(table.Cell(2, kTime)) + c.measured);
    EXPECT_EQ(Short(RunTables(kIsi, {table}), {"UNEXPECTED_ISI_VALUE", "ISI_LENGTHS_OK"}), Entries{c.outcome})
        << c.measured;
  }
}

// Pictures as letters, V a vehicle and A an animal, written from a row on into every second row.
void SetPictures(DataTable& table, int firstRow, const std::string& kinds) {
  static const char* const vehicles[] = {"vehicles (1, Car.png)", "vehicles (2, Truck.png)", "vehicles (3, Bus.png)",
                                         "vehicles (4, Motorcycle.png)"};
  static const char* const animals[] = {"animals (1, Bird.png)", "animals (2, Dog.png)", "animals (3, Cat.png)",
                                        "animals (4, Snake.png)"};
  for (size_t i = 0; i < kinds.size(); ++i) {
    table.Cell(firstRow + 2 * static_cast<int>(i), kEvent) = kinds[i] == 'V' ? vehicles[i % 4] : animals[i % 4];
  }
}

TEST(BlockSettings, PatternsThatPassAndFail) {
  const struct {
    std::vector<std::pair<int, std::string>> pictures;  // first row, kinds
    Entries failed;
  } cases[] = {
      // Three vehicles, then an animal before the fourth: jumbled enough.
      {{{1, "VVVAVAAA"}}, {}},
      // Four and four, in either order, and nothing else.
      {{{17, "VVVVAAAA"}}, {}},
      {{{17, "AAAAVVVV"}}, {}},
      {{{17, "AAAAAAAA"}}, {"Block_Two_Is_V5_Random"}},
      {{{17, "AAAAVVVA"}}, {"Block_Two_Is_V5_Random"}},
      // The fourth block may begin with either kind, which row 65 alone decides; the pauses are not read.
      {{{65, "VVVV"}, {74, "AAAA"}, {83, "VV"}}, {}},
      {{{65, "VVVV"}}, {"Block_Four_Runs_As_Intended"}},
      {{{73, "V"}, {82, "A"}}, {}},
  };
  for (const auto& c : cases) {
    DataTable table = DataTable::Golden(kBlocks);
    for (const auto& [row, kinds] : c.pictures) SetPictures(table, row, kinds);
    EXPECT_EQ(FailedNames(RunTables(kBlocks, {table})), c.failed) << c.pictures[0].second;
  }
}

// A drawn-anew order passes as soon as one copy differs from the first.
TEST(RandomizationOptions, EveryTimePassesWhenOnlyTheLastCopyDiffers) {
  DataTable table = DataTable::Golden(kRandom);
  for (int i = 0; i < 3; ++i) {
    table.Cell(39 + i, kEvent) = table.Cell(45 + i, kEvent) = table.Cell(33 + i, kEvent);
    table.Cell(24 + i, kEvent) = table.Cell(21 + i, kEvent);
  }
  EXPECT_EQ(FailedNames(RunTables(kRandom, {table})), Entries{});
}

// Golden timer_1: 1010 at row 5, held at 1015 over rows 6 to 11, 1435 at row 12 (400 ms pause plus 20).
// Golden timer_2: "0" over rows 0 to 5, then 520 at row 6.
TEST(Timers, BoundsOfThePauseAndZeroRunTestsAreInclusive) {
  const std::string ok1 = "pass Timer_1_behaved_properly", ok2 = "pass Timer_2_behaved_properly";
  const std::string bad1 = "FAIL Timer_1_behaved_properly: ", bad2 = "FAIL Timer_2_behaved_properly: ";
  const std::string firstPause = bad1 + "first pause action malfunctioned. ";
  std::vector<std::pair<int, std::string>> heldAt2700 = {{19, "2690"}}, heldAt2701 = {{19, "2690"}};
  for (int row = 20; row <= 25; ++row) {
    heldAt2700.push_back({row, "2700"});
    heldAt2701.push_back({row, "2701"});
  }
  const struct {
    const char* what;
    std::vector<std::pair<int, std::string>> timer1, timer2;  // row, value
    Entries outcomes;
  } cases[] = {
      {"step of 12 into the pause", {{5, "1003"}}, {}, {ok1, ok2}},
      {"step of 13 into the pause", {{5, "1002"}}, {}, {firstPause, ok2}},
      {"resumed 50 late", {{12, "1465"}}, {}, {ok1, ok2}},
      {"resumed 51 late", {{12, "1466"}}, {}, {firstPause, ok2}},
      {"held at 2700", heldAt2700, {}, {ok1, ok2}},
      {"held at 2701", heldAt2701, {}, {bad1 + "at row 25 timer_1 needs to be approx 2500 ms. ", ok2}},
      {"started at 550", {}, {{6, "550"}}, {ok1, ok2}},
      {"started at 551", {}, {{6, "551"}}, {ok1, bad2 + "first starting zero state malfunctioned. "}},
      {"second start at 499", {}, {{18, "499"}}, {ok1, bad2 + "second starting zero state malfunctioned. "}},
      {"rows 13 and 25 at 2200 and 2000", {}, {{13, "2200"}, {25, "2000"}}, {ok1, ok2}},
      {"rows 13 and 25 at 1999 and 2201",
       {},
       {{13, "1999"}, {25, "2201"}},
       {ok1, bad2 + "at row 13 timer_2 needs to be approx 2000 ms. at row 25 timer_2 needs to be approx 2000 ms. "}},
  };
  for (const auto& c : cases) {
    DataTable table = DataTable::Golden(kTimers);
    for (const auto& [row, value] : c.timer1) table.Cell(row, "timer_1") = value;
    for (const auto& [row, value] : c.timer2) table.Cell(row, "timer_2") = value;
    EXPECT_EQ(Short(RunTables(kTimers, {table}), {"Timer_", "NON_NUMERIC"}), c.outcomes) << c.what;
  }
}

Varnel::StimAreaData Area(const char* name, int x = 0, int responseId = 0) {
  Varnel::StimAreaData area;
  area.rect = wxRect(x, 0, 800, 600);
  area.responseId = responseId;
  area.areaName = name;
  return area;
}

TEST(FeedbackTimeLimit, StimAreasMatchTheExperimentsInCountAndOrder) {
  const std::string location = std::string(" | Whichever/File/Focuses/On/Verifying/") + kFeedback + ":89 | ";
  const std::string orderProblem =
      "FAIL StimArea_vector_is_complete_and_in_order | Unexpected info in the vector of "
      "stim areas." +
      location + "Stim area problem in the ";
  Varnel::StimAreaList anySize = {Area("always"), Area("correct"), Area("bye now")};
  anySize[0].rect = wxRect(0, 0, 1, 2);
  anySize[2].rect = wxRect(0, 0, 0, 0);
  const struct {
    const char* what;
    Varnel::StimAreaList areas;
    std::string outcome;
  } cases[] = {
      {"any size", anySize, "pass StimArea_vector_is_complete_and_in_order"},
      {"order changed",
       {Area("always"), Area("bye now"), Area("correct")},
       orderProblem + "1_th position in the stim "
                      "area sequence."},
      {"moved",
       {Area("always", 5), Area("correct"), Area("bye now")},
       orderProblem + "0_th position in the stim area "
                      "sequence."},
      {"with a response",
       {Area("always"), Area("correct"), Area("bye now", 0, 2)},
       orderProblem + "2_th position in the stim area sequence."},
      {"one more",
       {Area("always"), Area("correct"), Area("bye now"), Area("incorrect")},
       "FAIL Correct_quantity_of_stim_areas | Too many data stim areas. More than expected." + location +
           "No extra info."},
      {"one fewer",
       {Area("always"), Area("correct")},
       "FAIL Correct_quantity_of_stim_areas | Too few stim areas. Fewer than expected." + location + "No extra info."},
  };
  for (const auto& c : cases) {
    std::vector<std::string> outcomes;
    for (const Outcome& outcome : RunTables(kFeedback, {DataTable::Golden(kFeedback)}, Machine::Plain, &c.areas)) {
      if (outcome.name.rfind("Correct_quantity_of_stim", 0) == 0 || outcome.name.rfind("StimArea_", 0) == 0) {
        outcomes.push_back(Describe(outcome));
      }
    }
    EXPECT_EQ(outcomes, Entries{c.outcome}) << c.what;
  }
}

TEST(FeedbackTimeLimit, CorrectIsShownAtLeast5999MillisecondsAfterTheRowBefore) {
  for (const auto& [shownAt, outcome] : std::vector<std::pair<std::string, std::string>>{
           {"10199", "pass Variable_time_should_be_greater_than_6000"},
           {"10198",
            "FAIL Variable_time_should_be_greater_than_6000: The event named 'correct' should have been on "
            "screen for 6000 ms or more."}}) {
    DataTable table = DataTable::Golden(kFeedback);
    ASSERT_EQ(table.Cell(2, kEvent), "correct");
    table.Cell(1, kTime) = "4200";
    table.Cell(2, kTime) = shownAt;
    EXPECT_EQ(Short(RunTables(kFeedback, {table}), {"Variable_time"}), Entries{outcome}) << shownAt;
  }
}

}  // namespace

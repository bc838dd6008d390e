// Rules of the block-randomization, randomization-option, inter-stimulus-interval, sync-trial, audio, movie,
// timer and feedback time-limit verifiers that need more than one faulty file: boundaries of their tolerances,
// the process-wide numbering of the time-stamp checks, each machine's duration windows, and the stimulus areas
// the host hands over.
#include "tests/support/files.h"
#include "tests/support/pluginhost.h"
#include "tests/support/report.h"
#include "tests/support/scratchdir.h"
#include "verifiers/framework/hostnames.h"
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <sstream>
#include <stdexcept>

namespace {

using testsupport::Outcome;
using Entries = std::vector<std::string>;

const char kBlocks[] = "2013-01_assorted_new_block_options.vn5";
const char kRandom[] = "2011-06-17_test_all_randomization_for_case_983.vn4";
const char kIsi[] = "2015-10-29_test_long_isi.vn5";
const char kSync[] = "2014-06-16_sync_trials.vn5";
const char kAudio[] = "2011-09-21_basic_audio_format_4.5.2_tests.vn4";
const char kMovie[] = "MAC_new_movie_stress_test_case_2502.vn4";
const char kTimers[] = "2014-07-24_timer_parameters.vn5";
const char kFeedback[] = "2011-07-19_runs_unattended_for_regression_test_FEEDBACK_TRIAL_VAR_TIMES_case_2405.vn4";

const std::string kEvent = "Event\nName";
const std::string kTime = "Cumulative\nTime";

// Machines the tests pose as. The host-name fragments are read when a test runs (the tables below are built
// before they are), and sit inside longer names, in other case.
enum Machine { kPlain, kRigA, kRigB, kFarm };

std::string HostName(Machine machine) {
  switch (machine) {
    case kPlain:
      return "plain-workstation";
    case kRigA:
      return "lab-" + Varnel::kHostNameA.Upper().ToStdString() + "-2";
    case kRigB:
      return Varnel::kHostNameB.ToStdString() + ".site";
    case kFarm:
      return "ci-" + Varnel::kBuildFarmHost.Upper().ToStdString() + "-3";
  }
  return "";
}

std::ostream& operator<<(std::ostream& out, Machine machine) { return out << HostName(machine); }

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(text);
  while (std::getline(in, part, separator)) parts.push_back(part);
  if (!text.empty() && text.back() == separator) parts.push_back("");
  return parts;
}

// A data file as header lines, two-line column names and rows of cells, so that a variant of a golden file
// differs from it only where a test says.
struct DataFile {
  std::vector<std::string> header;  // the four lines before the headings
  std::vector<std::string> columns;
  std::vector<std::vector<std::string>> rows;

  static DataFile Read(const std::string& path) {
    std::vector<std::string> lines = Split(testsupport::ReadFile(path), '\n');
    while (!lines.empty() && lines.back().empty()) lines.pop_back();
    DataFile file;
    file.header.assign(lines.begin(), lines.begin() + 4);
    const std::vector<std::string> first = Split(lines.at(4), '\t'), second = Split(lines.at(5), '\t');
    for (size_t i = 0; i < first.size(); ++i) {
      const std::string lower = i < second.size() ? second[i] : "";
      file.columns.push_back(lower.empty() ? first[i] : first[i] + "\n" + lower);
    }
    for (size_t i = 6; i < lines.size(); ++i) file.rows.push_back(Split(lines[i], '\t'));
    return file;
  }

  std::string& Cell(int row, const std::string& column) {
    const auto found = std::find(columns.begin(), columns.end(), column);
    if (found == columns.end()) throw std::runtime_error("no column " + column);
    return rows.at(row).at(found - columns.begin());
  }

  std::string Text() const {
    std::string first, second, body;
    for (size_t i = 0; i < columns.size(); ++i) {
      const size_t lineFeed = columns[i].find('\n');
      first += (i > 0 ? "\t" : "") + columns[i].substr(0, lineFeed);
      second += (i > 0 ? "\t" : "") + (lineFeed == std::string::npos ? "" : columns[i].substr(lineFeed + 1));
    }
    for (const auto& row : rows) {
      std::string line;
      for (size_t i = 0; i < row.size(); ++i) line += (i > 0 ? "\t" : "") + row[i];
      body += line + "\n";
    }
    std::string text;
    for (const std::string& line : header) text += line + "\n";
    return text + first + "\n" + second + "\n" + body;
  }
};

std::string GoldenPath(const std::string& experiment) {
  return testsupport::TestData("golden/" + experiment + " P01.txt");
}

DataFile Golden(const std::string& experiment) { return DataFile::Read(GoldenPath(experiment)); }

// Poses as the machine for the lifetime of the object; the plug-in loaded meanwhile decides what it is on.
class PosingAs {
 public:
  explicit PosingAs(Machine machine) {
    setenv(Varnel::kHostNameOverrideVariable, HostName(machine).c_str(), 1);
  }
  ~PosingAs() { unsetenv(Varnel::kHostNameOverrideVariable); }
};

// Outcomes in short: "pass NAME", or "FAIL NAME: MESSAGE" (subjects and locations are the faulty corpus's).
Entries Short(const std::vector<Outcome>& outcomes) {
  Entries entries;
  for (const Outcome& outcome : outcomes) {
    entries.push_back(outcome.failed ? "FAIL " + outcome.name + ": " + outcome.message : "pass " + outcome.name);
  }
  return entries;
}

// The verifier's outcomes for data files handed over one after the other to one loaded plug-in.
std::vector<Outcome> RunFiles(const std::string& experiment, const std::vector<std::string>& paths,
                              Machine host = kPlain, const Varnel::StimAreaList* areas = nullptr) {
  PosingAs posing(host);
  testsupport::ScratchDir scratch;
  testsupport::PluginHost plugin;
  for (const std::string& path : paths) plugin.PerformPostProcessing(path, areas);
  return testsupport::ReadReport(plugin.ReleaseTestPrinter()).OfSuite(experiment);
}

std::vector<Outcome> RunVariant(const std::string& experiment, const DataFile& file, Machine host = kPlain,
                                const Varnel::StimAreaList* areas = nullptr) {
  testsupport::ScratchDir files;
  const std::string path = files.File(experiment + " P01.txt");
  testsupport::WriteFile(path, file.Text());
  return RunFiles(experiment, {path}, host, areas);
}

// The outcomes whose names begin with one of the prefixes.
std::vector<Outcome> Chosen(const std::vector<Outcome>& outcomes, const std::vector<std::string>& prefixes) {
  std::vector<Outcome> chosen;
  for (const Outcome& outcome : outcomes) {
    for (const std::string& prefix : prefixes) {
      if (outcome.name.rfind(prefix, 0) == 0) {
        chosen.push_back(outcome);
        break;
      }
    }
  }
  return chosen;
}

Entries Named(const std::vector<Outcome>& outcomes, const std::vector<std::string>& prefixes) {
  return Short(Chosen(outcomes, prefixes));
}

// ---------------------------------------------------------------------------------------------------------------
// Sync trials: numbering and tolerance of the time-stamp checks.

TEST(SyncTimeStampChecks, NumberingGoesOnAcrossRunsOfOneProcess) {
  const Entries checks = Named(RunFiles(kSync, {GoldenPath(kSync), GoldenPath(kSync)}), {"CHECK_TIMESTAMP_"});
  ASSERT_EQ(checks.size(), 50u);
  for (int i = 0; i < 50; ++i) EXPECT_EQ(checks[i], "pass CHECK_TIMESTAMP_" + std::to_string(i + 1));
}

struct TimeStampCase {
  Machine host;
  long current;  // the time stamp that follows "b (2, pear)"; the one before is at 3005, the interval 400 ms
  std::string outcome;
};

void PrintTo(const TimeStampCase& c, std::ostream* out) { *out << c.current << " on " << c.host; }

class SyncTimeStampTolerance : public ::testing::TestWithParam<TimeStampCase> {};

TEST_P(SyncTimeStampTolerance, IsFiveMillisecondsOrSixOnRigB) {
  const TimeStampCase& c = GetParam();
  DataFile file = Golden(kSync);
  ASSERT_EQ(file.Cell(13, kTime), "3005");
  ASSERT_EQ(file.Cell(14, kEvent), "b (2, pear)");
  file.Cell(15, kTime) = std::to_string(c.current);
  const Entries checks = Named(RunVariant(kSync, file, c.host), {"CHECK_TIMESTAMP_7"});
  EXPECT_EQ(checks, Entries{c.outcome}) << c.current << " on " << c.host;
}

std::string TimeStampFailure(long current, long best) {
  return "FAIL CHECK_TIMESTAMP_7: Subsequent timestamps were not ok, given prior and current of 3005 and " +
         std::to_string(current) + " and an interval of 400 for best diff " + std::to_string(best);
}

const TimeStampCase kTimeStampCases[] = {
    {kPlain, 3810, "pass CHECK_TIMESTAMP_7"},
    {kPlain, 3800, "pass CHECK_TIMESTAMP_7"},
    {kPlain, 3811, TimeStampFailure(3811, 6)},
    {kPlain, 3812, TimeStampFailure(3812, 7)},
    {kPlain, 3399, TimeStampFailure(3399, 6)},
    {kRigB, 3811, "pass CHECK_TIMESTAMP_7"},
    {kRigB, 3399, "pass CHECK_TIMESTAMP_7"},
    {kRigB, 3812, TimeStampFailure(3812, 7)},
    {kRigA, 3811, TimeStampFailure(3811, 6)},
    {kPlain, 3005 + 20 * 400, "pass CHECK_TIMESTAMP_7"},
    // Twenty-one intervals are one too many, however exact.
    {kPlain, 3005 + 21 * 400, TimeStampFailure(3005 + 21 * 400, 400)},
    {kPlain, 3005, TimeStampFailure(3005, 400)},
    {kPlain, 2000, TimeStampFailure(2000, 1405)},
};

INSTANTIATE_TEST_SUITE_P(Boundaries, SyncTimeStampTolerance, ::testing::ValuesIn(kTimeStampCases));

// ---------------------------------------------------------------------------------------------------------------
// Long ISI: each interval may be 10 ms off.

struct IntervalCase {
  int measured;  // the second interval, 20 ms expected
  Entries outcomes;
};

void PrintTo(const IntervalCase& c, std::ostream* out) { *out << c.measured << " ms"; }

class IsiTolerance : public ::testing::TestWithParam<IntervalCase> {};

TEST_P(IsiTolerance, IsTenMillisecondsInclusive) {
  DataFile file = Golden(kIsi);
  file.Cell(3, kTime) = std::to_string(std::stol(file.Cell(2, kTime)) + GetParam().measured);
  EXPECT_EQ(Named(RunVariant(kIsi, file), {"UNEXPECTED_ISI_VALUE", "ISI_LENGTHS_OK", "NON_NUMERIC"}),
            GetParam().outcomes);
}

const std::string kSecondIsi =
    "FAIL UNEXPECTED_ISI_VALUE: the isi leading to row 3 should have an isi of 20 but we found ";

const IntervalCase kIntervalCases[] = {
    {20, {"pass ISI_LENGTHS_OK"}}, {30, {"pass ISI_LENGTHS_OK"}}, {10, {"pass ISI_LENGTHS_OK"}},
    {31, {kSecondIsi + "31"}},     {9, {kSecondIsi + "9"}},       {-20, {kSecondIsi + "-20"}},
};

INSTANTIATE_TEST_SUITE_P(Boundaries, IsiTolerance, ::testing::ValuesIn(kIntervalCases));

// ---------------------------------------------------------------------------------------------------------------
// Block settings: the kinds of pictures in each block.

// One letter per picture: V a vehicle, A an animal, X an event that is neither.
std::string Picture(char kind, int i) {
  static const char* const vehicles[] = {"vehicles (1, Car.png)", "vehicles (2, Truck.png)", "vehicles (3, Bus.png)",
                                         "vehicles (4, Motorcycle.png)"};
  static const char* const animals[] = {"animals (1, Bird.png)", "animals (2, Dog.png)", "animals (3, Cat.png)",
                                        "animals (4, Snake.png)"};
  if (kind == 'V') return vehicles[i % 4];
  if (kind == 'A') return animals[i % 4];
  return "blank screen";
}

// The golden file with the pictures at rows first, first + 2, ... replaced by the kinds given.
DataFile WithPictures(DataFile file, int first, const std::string& kinds) {
  for (size_t i = 0; i < kinds.size(); ++i) {
    file.Cell(first + 2 * static_cast<int>(i), kEvent) = Picture(kinds[i], static_cast<int>(i));
  }
  return file;
}

struct PictureCase {
  int firstRow;
  std::string kinds;
  Entries outcomes;
};

void PrintTo(const PictureCase& c, std::ostream* out) { *out << c.kinds << " from row " << c.firstRow; }

class BlockPictures : public ::testing::TestWithParam<PictureCase> {};

TEST_P(BlockPictures, FollowTheBlockSettings) {
  const PictureCase& c = GetParam();
  EXPECT_EQ(Named(RunVariant(kBlocks, WithPictures(Golden(kBlocks), c.firstRow, c.kinds)),
                  {"TEST_MISBEHAVING", "Block_"}),
            c.outcomes)
      << c.kinds << " from row " << c.firstRow;
}

const std::string kMisbehaving =
    "FAIL TEST_MISBEHAVING: as we loop over the events in the first block, each event MUST MATCH ONE OF: vehicle or "
    "animal";
const std::string kNotJumbled =
    "FAIL Block_One_Is_V4_Jumbled: unexpectedly found that all the vehicle-events were together instead of jumbled "
    "with the animals. -- this OCCASIONALLY FAILS PERMISSIBLY. ALLOW THIS TO HAPPEN RARELY";
const std::string kNotFourAndFour =
    ": we thought that only the CHOICE OF STIMLIST was random. either start with vehicles or start with animals, but "
    "then do 4 of one followed by 4 of the other";
const std::string kNotVerbatim =
    "FAIL Block_Three_Repeats_Twice_Verbatim: the third block should show the EXACT SAME SEQUENCE of events twice in "
    "a row, verbatim";
const std::string kFourthBlockWrong =
    "FAIL Block_Four_Runs_As_Intended: for the fourth block, we expect four of vehicle-or-animal, break, four of the "
    "other, break, then two more of the FIRST thing";

Entries BlockOutcomes(const std::vector<std::string>& blockOne, const std::string& two, const std::string& three,
                      bool verbatim, bool four) {
  Entries outcomes = blockOne;
  outcomes.push_back(two == "pass" ? "pass Block_Two_Is_V5_Random" : "FAIL Block_Two_Is_V5_Random" + kNotFourAndFour);
  outcomes.push_back(three == "pass" ? "pass Block_Three_Is_V5_Random"
                                     : "FAIL Block_Three_Is_V5_Random" + kNotFourAndFour);
  outcomes.push_back(verbatim ? "pass Block_Three_Repeats_Twice_Verbatim" : kNotVerbatim);
  outcomes.push_back(four ? "pass Block_Four_Runs_As_Intended" : kFourthBlockWrong);
  return outcomes;
}

const Entries kJumbled = {"pass Block_One_Is_V4_Jumbled"};

const PictureCase kPictureCases[] = {
    // First block: four vehicles in a row anywhere are suspicious; a stray event breaks a run of vehicles.
    {1, "AVVVVAAA", BlockOutcomes({kNotJumbled}, "pass", "pass", true, true)},
    {1, "VVVAVAAA", BlockOutcomes(kJumbled, "pass", "pass", true, true)},
    {1, "VVVXVVVA", BlockOutcomes({kMisbehaving, "pass Block_One_Is_V4_Jumbled"}, "pass", "pass", true, true)},
    {1, "XAXAVVVV", BlockOutcomes({kMisbehaving, kMisbehaving, kNotJumbled}, "pass", "pass", true, true)},
    // Four and four, in either order, and nothing else.
    {17, "VVVVAAAA", BlockOutcomes(kJumbled, "pass", "pass", true, true)},
    {17, "AAAAVVVV", BlockOutcomes(kJumbled, "pass", "pass", true, true)},
    {17, "AAAAAVVV", BlockOutcomes(kJumbled, "fail", "pass", true, true)},
    {17, "AAAAAAAA", BlockOutcomes(kJumbled, "fail", "pass", true, true)},
    {17, "AAAAVVVA", BlockOutcomes(kJumbled, "fail", "pass", true, true)},
    {17, "VAAAAVVV", BlockOutcomes(kJumbled, "fail", "pass", true, true)},
    {17, "VVVVAAAX", BlockOutcomes(kJumbled, "fail", "pass", true, true)},
    // The third block's first pass sets what its second pass must repeat.
    {33, "AAAAVVVV", BlockOutcomes(kJumbled, "pass", "pass", false, true)},
    {49, "AAAAVVVV", BlockOutcomes(kJumbled, "pass", "pass", false, true)},
    // The fourth block may begin with either kind; the pauses at rows 73 and 82 are not read.
    {65, "VVVV", BlockOutcomes(kJumbled, "pass", "pass", true, false)},
    {65, "XAAA", BlockOutcomes(kJumbled, "pass", "pass", true, false)},
    {73, "V", BlockOutcomes(kJumbled, "pass", "pass", true, true)},
    {82, "A", BlockOutcomes(kJumbled, "pass", "pass", true, true)},
};

INSTANTIATE_TEST_SUITE_P(Patterns, BlockPictures, ::testing::ValuesIn(kPictureCases));

TEST(BlockFourPictures, MayStartWithVehicles) {
  DataFile file = WithPictures(Golden(kBlocks), 65, "VVVV");
  file = WithPictures(file, 74, "AAAA");
  file = WithPictures(file, 83, "VV");
  EXPECT_EQ(Named(RunVariant(kBlocks, file), {"Block_Four"}), Entries{"pass Block_Four_Runs_As_Intended"});
}

// ---------------------------------------------------------------------------------------------------------------
// Randomization options: a drawn-anew order passes as soon as one copy differs.

TEST(RandomizationEveryTime, PassesWhenOnlyTheLastCopyDiffers) {
  DataFile file = Golden(kRandom);
  for (int copy : {39, 45}) {
    for (int i = 0; i < 3; ++i) file.Cell(copy + i, kEvent) = file.Cell(33 + i, kEvent);
  }
  for (int i = 0; i < 3; ++i) file.Cell(24 + i, kEvent) = file.Cell(21 + i, kEvent);
  EXPECT_EQ(Named(RunVariant(kRandom, file), {"Rand_"}),
            (Entries{"pass Rand_Trials_In_Block_Once_Per_Run", "pass Rand_Trials_In_Block_Once_Per_Group",
                     "pass Rand_Trials_In_Block_Every_Time", "pass Rand_Events_In_Trial_Once_Per_Run",
                     "pass Rand_Events_In_Trial_Once_Per_Group", "pass Rand_Events_In_Trial_Every_Time"}));
}

// ---------------------------------------------------------------------------------------------------------------
// Timers: the bounds of the pause and zero-run tests.

struct TimerCase {
  const char* what;
  std::vector<std::pair<int, std::string>> timer1;  // row, value
  std::vector<std::pair<int, std::string>> timer2;
  Entries outcomes;
};

void PrintTo(const TimerCase& c, std::ostream* out) { *out << c.what; }

class TimerBounds : public ::testing::TestWithParam<TimerCase> {};

TEST_P(TimerBounds, AreInclusive) {
  DataFile file = Golden(kTimers);
  for (const auto& [row, value] : GetParam().timer1) file.Cell(row, "timer_1") = value;
  for (const auto& [row, value] : GetParam().timer2) file.Cell(row, "timer_2") = value;
  EXPECT_EQ(Named(RunVariant(kTimers, file), {"Timer_", "NON_NUMERIC"}), GetParam().outcomes) << GetParam().what;
}

const std::string kTimer1Ok = "pass Timer_1_behaved_properly";
const std::string kTimer2Ok = "pass Timer_2_behaved_properly";
const std::string kTimer1 = "FAIL Timer_1_behaved_properly: ";
const std::string kTimer2 = "FAIL Timer_2_behaved_properly: ";

// Golden timer_1: 1010 at row 5, held at 1015 over rows 6 to 11, 1435 at row 12 (400 ms gap plus 20).
// Golden timer_2: "0" over rows 0 to 5, then 520 at row 6.
const TimerCase kTimerCases[] = {
    {"step of 12 into the pause", {{5, "1003"}}, {}, {kTimer1Ok, kTimer2Ok}},
    {"step of 13 into the pause", {{5, "1002"}}, {}, {kTimer1 + "first pause action malfunctioned. ", kTimer2Ok}},
    {"step of 0 into the pause", {{5, "1015"}}, {}, {kTimer1Ok, kTimer2Ok}},
    {"timer went back", {{5, "1016"}}, {}, {kTimer1 + "first pause action malfunctioned. ", kTimer2Ok}},
    {"resumed 50 late", {{12, "1465"}}, {}, {kTimer1Ok, kTimer2Ok}},
    {"resumed 51 late", {{12, "1466"}}, {}, {kTimer1 + "first pause action malfunctioned. ", kTimer2Ok}},
    {"resumed early", {{12, "1414"}}, {}, {kTimer1 + "first pause action malfunctioned. ", kTimer2Ok}},
    {"moved during the pause", {{9, "1016"}}, {}, {kTimer1 + "first pause action malfunctioned. ", kTimer2Ok}},
    {"last pause moved", {{23, "2601"}}, {}, {kTimer1 + "third pause action malfunctioned. ", kTimer2Ok}},
    {"held at 2700", {{19, "2690"}, {20, "2700"}, {21, "2700"}, {22, "2700"}, {23, "2700"}, {24, "2700"}, {25, "2700"}},
     {}, {kTimer1Ok, kTimer2Ok}},
    {"held at 2701", {{19, "2690"}, {20, "2701"}, {21, "2701"}, {22, "2701"}, {23, "2701"}, {24, "2701"}, {25, "2701"}},
     {}, {kTimer1 + "at row 25 timer_1 needs to be approx 2500 ms. ", kTimer2Ok}},
    {"started at 500", {}, {{6, "500"}}, {kTimer1Ok, kTimer2Ok}},
    {"started at 550", {}, {{6, "550"}}, {kTimer1Ok, kTimer2Ok}},
    {"started at 551", {}, {{6, "551"}}, {kTimer1Ok, kTimer2 + "first starting zero state malfunctioned. "}},
    {"started at 499", {}, {{18, "499"}}, {kTimer1Ok, kTimer2 + "second starting zero state malfunctioned. "}},
    {"zero written as 0.0", {}, {{3, "0.0"}}, {kTimer1Ok, kTimer2 + "first starting zero state malfunctioned. "}},
    {"start not a number", {}, {{6, "soon"}},
     {kTimer1Ok, "FAIL NON_NUMERIC_VALUE_6_3: we called the wx function ToLong on a string, and it failed to produce a "
                 "number",
      kTimer2 + "first starting zero state malfunctioned. "}},
    {"row 13 at 2200, row 25 at 2000", {}, {{13, "2200"}, {25, "2000"}}, {kTimer1Ok, kTimer2Ok}},
    {"row 13 at 1999, row 25 at 2201", {}, {{13, "1999"}, {25, "2201"}},
     {kTimer1Ok, kTimer2 + "at row 13 timer_2 needs to be approx 2000 ms. at row 25 timer_2 needs to be approx 2000 "
                           "ms. "}},
};

INSTANTIATE_TEST_SUITE_P(Variants, TimerBounds, ::testing::ValuesIn(kTimerCases));

// ---------------------------------------------------------------------------------------------------------------
// Feedback time limit: the stimulus areas and the time the feedback was shown.

Varnel::StimAreaData Area(int x, int y, int width, int height, int responseId, const char* name) {
  Varnel::StimAreaData area;
  area.rect = wxRect(x, y, width, height);
  area.responseId = responseId;
  area.areaName = name;
  return area;
}

struct StimAreaCase {
  const char* what;
  Varnel::StimAreaList areas;
  std::string outcome;
};

void PrintTo(const StimAreaCase& c, std::ostream* out) { *out << c.what; }

class FeedbackStimAreas : public ::testing::TestWithParam<StimAreaCase> {};

TEST_P(FeedbackStimAreas, MatchTheExperimentsAreasInOrder) {
  const StimAreaCase& c = GetParam();
  const std::vector<Outcome> outcomes = Chosen(RunFiles(kFeedback, {GoldenPath(kFeedback)}, kPlain, &c.areas),
                                               {"Correct_quantity_of_stim", "StimArea_"});
  ASSERT_EQ(outcomes.size(), 1u) << c.what;
  EXPECT_EQ(testsupport::Describe(outcomes[0]), c.outcome) << c.what;
}

const std::string kInOrder = "pass StimArea_vector_is_complete_and_in_order";
const std::string kAreaLocation =
    std::string(" | Whichever/File/Focuses/On/Verifying/") + kFeedback + ":89 | ";
std::string AreaProblem(int position) {
  return "FAIL StimArea_vector_is_complete_and_in_order | Unexpected info in the vector of stim areas." +
         kAreaLocation + "Stim area problem in the " + std::to_string(position) +
         "_th position in the stim area sequence.";
}

const StimAreaCase kStimAreaCases[] = {
    {"any size", {Area(0, 0, 1, 2, 0, "always"), Area(0, 0, 640, 480, 0, "correct"), Area(0, 0, 0, 0, 0, "bye now")},
     kInOrder},
    {"order changed",
     {Area(0, 0, 800, 600, 0, "always"), Area(0, 0, 800, 600, 0, "bye now"), Area(0, 0, 800, 600, 0, "correct")},
     AreaProblem(1)},
    {"moved",
     {Area(5, 0, 800, 600, 0, "always"), Area(0, 0, 800, 600, 0, "correct"), Area(0, 0, 800, 600, 0, "bye now")},
     AreaProblem(0)},
    {"with a response",
     {Area(0, 0, 800, 600, 0, "always"), Area(0, 0, 800, 600, 0, "correct"), Area(0, 0, 800, 600, 2, "bye now")},
     AreaProblem(2)},
    {"name in other case",
     {Area(0, 0, 800, 600, 0, "always"), Area(0, 0, 800, 600, 0, "Correct"), Area(0, 0, 800, 600, 0, "bye now")},
     AreaProblem(1)},
    {"one more",
     {Area(0, 0, 800, 600, 0, "always"), Area(0, 0, 800, 600, 0, "correct"), Area(0, 0, 800, 600, 0, "bye now"),
      Area(0, 0, 800, 600, 0, "incorrect")},
     "FAIL Correct_quantity_of_stim_areas | Too many data stim areas. More than expected." + kAreaLocation +
         "No extra info."},
    {"one fewer", {Area(0, 0, 800, 600, 0, "always"), Area(0, 0, 800, 600, 0, "correct")},
     "FAIL Correct_quantity_of_stim_areas | Too few stim areas. Fewer than expected." + kAreaLocation +
         "No extra info."},
};

INSTANTIATE_TEST_SUITE_P(Lists, FeedbackStimAreas, ::testing::ValuesIn(kStimAreaCases));

TEST(FeedbackStimAreaListing, GoesToStandardErrorOneLineEach) {
  const Varnel::StimAreaList areas = {Area(12, -3, 800, 600, 7, "always"), Area(0, 0, 123456, 5, 0, "bye now")};
  ::testing::internal::CaptureStderr();
  RunFiles(kFeedback, {GoldenPath(kFeedback)}, kPlain, &areas);
  const std::string listing = ::testing::internal::GetCapturedStderr();
  const std::string expected =
      "x:   12 | y:   -3 | width:   800 | height:   600 | response_id:     7 | area_name:[always]\n"
      "x:    0 | y:    0 | width:123456 | height:     5 | response_id:     0 | area_name:[bye now]\n";
  EXPECT_EQ(listing, expected);
}

struct FeedbackTimeCase {
  std::string before;  // the cumulative time of the row before "correct"
  std::string shownAt;
  std::string outcome;
};

void PrintTo(const FeedbackTimeCase& c, std::ostream* out) { *out << c.before << " then " << c.shownAt; }

class FeedbackTime : public ::testing::TestWithParam<FeedbackTimeCase> {};

TEST_P(FeedbackTime, IsAtLeast5999MillisecondsAfterTheRowBefore) {
  DataFile file = Golden(kFeedback);
  ASSERT_EQ(file.Cell(2, kEvent), "correct");
  file.Cell(1, kTime) = GetParam().before;
  file.Cell(2, kTime) = GetParam().shownAt;
  EXPECT_EQ(Named(RunVariant(kFeedback, file, kPlain, nullptr), {"Variable_time", "NON_NUMERIC"}),
            Entries{GetParam().outcome});
}

const std::string kLongEnough = "pass Variable_time_should_be_greater_than_6000";
const std::string kTooShort =
    "FAIL Variable_time_should_be_greater_than_6000: The event named 'correct' should have been on screen for 6000 ms "
    "or more.";

const FeedbackTimeCase kFeedbackTimeCases[] = {
    {"4200", "10199", kLongEnough}, {"4200", "10198", kTooShort}, {"4200", "10200", kLongEnough},
    {"4200", "99999", kLongEnough}, {"four", "10200", kTooShort}, {"4200", "", kTooShort},
};

INSTANTIATE_TEST_SUITE_P(Boundaries, FeedbackTime, ::testing::ValuesIn(kFeedbackTimeCases));

// ---------------------------------------------------------------------------------------------------------------
// Duration windows on each kind of machine.

// "+" or "-" for a pass or a failure, what was measured, and for a failure the message's numbers.
Entries Durations(const std::vector<Outcome>& outcomes) {
  Entries durations;
  for (const Outcome& outcome : outcomes) {
    for (const std::string what : {"Experiment", "Expansion"}) {
      if (outcome.name.rfind(what + "_duration_", 0) != 0) continue;
      if (!outcome.failed) {
        durations.push_back("+" + what);
        continue;
      }
      int min = 0, max = 0, value = 0;
      sscanf(outcome.message.c_str(), "Expected a duration between %d and %d. Instead, we got a duration of %d.",
             &min, &max, &value);
      durations.push_back("-" + what + " " + std::to_string(min) + ".." + std::to_string(max) + " " +
                          std::to_string(value));
    }
  }
  return durations;
}

struct WindowCase {
  const char* experiment;
  Machine host;
  int runMs;
  int expansionMs;
  Entries durations;
};

void PrintTo(const WindowCase& c, std::ostream* out) {
  *out << c.experiment << " on " << c.host << ", " << c.runMs << " ms run, " << c.expansionMs << " ms expansion";
}

class FamilyDurationWindows : public ::testing::TestWithParam<WindowCase> {};

TEST_P(FamilyDurationWindows, EachMachineGetsItsOwnWindows) {
  const WindowCase& c = GetParam();
  DataFile file = Golden(c.experiment);
  file.Cell(static_cast<int>(file.rows.size()) - 1, kTime) = std::to_string(c.runMs);
  for (std::string& column : file.columns) {
    if (column.rfind("Expansion Time(ms): ", 0) == 0) column = "Expansion Time(ms): " + std::to_string(c.expansionMs);
  }
  EXPECT_EQ(Durations(RunVariant(c.experiment, file, c.host)), c.durations) << c.experiment << " on " << c.host;
}

const WindowCase kWindowCases[] = {
    {kBlocks, kPlain, 2900, 100, {"+Experiment", "+Expansion"}},
    {kBlocks, kPlain, 2499, 9, {"-Experiment 2500..2900 2499", "-Expansion 10..100 9"}},
    {kBlocks, kFarm, 3200, 150, {"+Experiment", "+Expansion"}},
    {kBlocks, kFarm, 2599, 151, {"-Experiment 2600..3200 2599", "-Expansion 10..150 151"}},
    {kRandom, kPlain, 2500, 1000, {"+Experiment", "+Expansion"}},
    {kRandom, kFarm, 2725, 99999, {"+Experiment"}},
    {kRandom, kFarm, 999, 0, {"-Experiment 1000..2725 999"}},
    {kIsi, kPlain, 4084, 0, {"+Experiment"}},
    {kIsi, kRigA, 5001, 0, {"-Experiment 4084..5000 5001", "-Experiment 4084..5000 5001"}},
    {kIsi, kRigB, 4083, 0, {"-Experiment 4084..5000 4083", "-Experiment 4084..5000 4083"}},
    {kIsi, kFarm, 99999, 0, {}},
    {kSync, kPlain, 14000, 190, {"+Experiment", "+Expansion"}},
    {kSync, kPlain, 14001, 261, {"-Experiment 6600..14000 14001", "-Expansion 190..260 261"}},
    {kSync, kFarm, 99999, 350, {"+Expansion"}},
    {kSync, kFarm, 99999, 601, {"-Expansion 350..600 601"}},
    {kAudio, kPlain, 27000, 5, {"+Experiment", "+Expansion"}},
    {kAudio, kRigA, 26500, 450, {"+Experiment", "-Experiment 22300..26000 26500", "-Expansion 5..40 450",
                                 "+Expansion"}},
    {kAudio, kRigB, 26500, 450, {"+Experiment", "-Expansion 5..40 450"}},
    {kAudio, kFarm, 99999, 99999, {}},
    {kMovie, kPlain, 99999, 99999, {}},
    {kMovie, kFarm, 99999, 99999, {}},
    {kMovie, kRigA, 37000, 1000, {"+Experiment", "+Expansion"}},
    {kMovie, kRigA, 42000, 5000, {"-Experiment 28000..37000 42000", "-Expansion 1000..4500 5000"}},
    {kMovie, kRigB, 35000, 99999, {"+Experiment"}},
    {kMovie, kRigB, 41501, 0, {"-Experiment 35000..41500 41501"}},
    {kTimers, kPlain, 6006, 60, {"+Experiment", "+Expansion"}},
    {kTimers, kPlain, 6005, 4, {"-Experiment 6006..6150 6005", "-Expansion 5..60 4"}},
    {kTimers, kFarm, 99999, 100, {"+Expansion"}},
    {kTimers, kFarm, 99999, 49, {"-Expansion 50..100 49"}},
    {kFeedback, kPlain, 12250, 8, {"+Experiment", "+Expansion"}},
    {kFeedback, kRigA, 12100, 500, {"+Experiment", "-Expansion 8..170 500", "-Experiment 9700..12000 12100",
                                    "+Expansion"}},
    {kFeedback, kFarm, 99999, 99999, {}},
};

INSTANTIATE_TEST_SUITE_P(Machines, FamilyDurationWindows, ::testing::ValuesIn(kWindowCases));

}  // namespace

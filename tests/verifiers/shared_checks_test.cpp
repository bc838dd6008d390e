// The checks verifiers share: duration windows at their bounds, whole-column comparison, the findings of an
// expected cell table, consecutive repeats, listed texts. Which windows apply on which machine is the
// durations-by-machine test's.
#include "support/datafile.h"
#include "support/recordingprinter.h"
#include "support/scratchdir.h"
#include "tabulon/muinterfacemultiexperimentdatasource.h"
#include "framework/expectedcelltable.h"
#include "framework/randomselectionrules.h"
#include "framework/sequencefindings.h"
#include "framework/wholecolumncomparison.h"
#include "reporting/findingssink.h"
#include <gtest/gtest.h>

namespace {

using namespace Varnel;
using testsupport::RecordingPrinter;
using Entries = std::vector<std::string>;

const std::string kLocation = "Whichever/File/Focuses/On/Verifying/checks.vn5:";

// Runs whatever checks a test hands it, on one data file.
class CheckRunner : public TestCaseWithFullColumnStringComp_T<CheckRunner> {
 public:
  static constexpr char kExperimentFileName[] = "checks.vn5";
  std::function<void(CheckRunner&, VerificationContext&)> checks;
  void RunChecks(VerificationContext context) override { checks(*this, context); }

  using IndividualTestCaseBase::CheckDurationWindows;
  using TestCaseWithFullColumnStringComp_T::CompareWholeColumn;
};

class SharedChecks : public ::testing::Test {
 protected:
  // The outcomes of the checks alone, without the template's own entries around them.
  Entries Run(const std::vector<std::string>& columns, const std::vector<std::vector<std::string>>& rows,
              std::function<void(CheckRunner&, VerificationContext&)> checks) {
    const std::string path = scratch_.File("checks.vn5 P01.txt");
    testsupport::WriteDataFile(path, columns, rows);
    CheckRunner runner;
    runner.checks = checks;
    RecordingPrinter printer;
    runner.VerifyDatafile(path, nullptr, &printer);
    return Entries(printer.entries.begin() + 2, printer.entries.end() - 2);
  }
  Entries RunTime(const std::string& lastCell, int min, int max) {
    return Run({"Cumulative\nTime"}, {{"1"}, {lastCell}},
               [=](CheckRunner& r, VerificationContext&) { r.CheckDurationWindows({ExperimentWindow(min, max)}); });
  }
  testsupport::ScratchDir scratch_;
};

std::string DurationFailure(const char* what, int min, int max, int value) {
  return std::string("FAIL ") + what + "_duration_checks.vn5 | " + what +
         " duration is weird. Too short or too long (see details below). | " + kLocation + "237 | " +
         "Expected a duration between " + std::to_string(min) + " and " + std::to_string(max) +
         ". Instead, we got a duration of " + std::to_string(value) + ".";
}

TEST_F(SharedChecks, ExperimentDurationBoundsAreInclusive) {
  EXPECT_EQ(RunTime("2750", 2500, 2900), Entries{"pass Experiment_duration_checks.vn5"});
  EXPECT_EQ(RunTime("2500", 2500, 2900), Entries{"pass Experiment_duration_checks.vn5"});
  EXPECT_EQ(RunTime("2900", 2500, 2900), Entries{"pass Experiment_duration_checks.vn5"});
  EXPECT_EQ(RunTime("2901", 2500, 2900), Entries{DurationFailure("Experiment", 2500, 2900, 2901)});
  EXPECT_EQ(RunTime("2499", 2500, 2900), Entries{DurationFailure("Experiment", 2500, 2900, 2499)});
}

TEST_F(SharedChecks, RunTimeThatIsNoWholeNumberCountsAsMinus999) {
  EXPECT_EQ(RunTime("27.5", 0, 5000), Entries{DurationFailure("Experiment", 0, 5000, -999)});
  EXPECT_EQ(RunTime("", 0, 5000), Entries{DurationFailure("Experiment", 0, 5000, -999)});
  EXPECT_EQ(RunTime("99999999999", 0, 5000), Entries{DurationFailure("Experiment", 0, 5000, -999)});
}

const std::string kQuantityTooMany =
    "FAIL Correct_quantity_of_data_cells | Too many data cells. More than expected. | " + kLocation +
    "89 | No extra info.";
const std::string kQuantityTooFew =
    "FAIL Correct_quantity_of_data_cells | Too few data cells. Fewer than expected. | " + kLocation +
    "98 | No extra info.";
std::string OrderFailure(int row, const std::string& expected) {
  return "FAIL Data_appears_completely_and_in_order | Mismatch in the ordering of data cells in datafile. | " +
         kLocation + "144 | At datafile row index " + std::to_string(row) + " we expected {" + expected +
         "}, but that was not the actual content.";
}

TEST_F(SharedChecks, WholeColumnComparison) {
  struct Case {
    std::vector<std::string> cells;
    ExpectedTexts expected;
    std::string column;
    Entries outcomes;
  } cases[] = {
      {{"red", "green", "blue"}, {"red", "green", "blue"}, "Color", {"pass Data_appears_completely_and_in_order"}},
      {{"red", "green", "blue"}, {"red", "green"}, "Color", {kQuantityTooMany}},
      {{"red", "green"}, {"red", "green", "blue"}, "Color", {kQuantityTooFew}},
      {{"red", "pink", "blue"}, {"red", "green", "blue"}, "Color", {OrderFailure(1, "green")}},
      {{"A"}, {"a"}, "Color", {OrderFailure(0, "a")}},
      {{"?", "x"}, {"?", "?"}, "Absent", {"pass Data_appears_completely_and_in_order"}},
      {{"?", "x"}, {"?", "x"}, "Absent", {OrderFailure(1, "x")}},
  };
  for (const Case& c : cases) {
    std::vector<std::vector<std::string>> rows;
    for (const std::string& cell : c.cells) rows.push_back({cell});
    const ExpectedTexts expected = c.expected;
    const wxString column = c.column;
    EXPECT_EQ(
        Run({"Color"}, rows, [&](CheckRunner& r, VerificationContext&) { r.CompareWholeColumn(column, expected); }),
        c.outcomes)
        << c.cells.size() << " cells against " << c.expected.size();
  }
}

TEST_F(SharedChecks, EmptyReaderAgainstEmptyListFailsTheOrderAtRowZero) {
  // A data file without rows does not parse, so the empty table comes from hiding the only row.
  EXPECT_EQ(Run({"Color"}, {{"red"}},
                [](CheckRunner& r, VerificationContext& context) {
                  context.reader->HideRow(0);
                  context.reader->Refresh();
                  r.CompareWholeColumn("Color", {});
                }),
            Entries{OrderFailure(0, "ERRORERROR")});
}

TEST_F(SharedChecks, CellTableFindingsNameAMissingColumnMissingRowsAndEachDifferingCell) {
  static const ExpectedCellTable table = {{"A", "B", "C"}, {{"1", "x", "c"}, {"2", "y", "c"}, {"3", "z", "c"}}};
  Entries findings;
  Run({"A", "B"}, {{"1", "x"}, {"2", "y "}}, [&findings](CheckRunner&, VerificationContext& context) {
    for (const wxString& finding : CellTableFindings(*context.reader, table)) findings.push_back(finding.utf8_string());
  });
  EXPECT_EQ(findings,
            (Entries{"3 of 9 expected cells match", "the data file has no column {C}",
                     "found 2 data rows, expected at least 3", "row 1, column {B}: expected {y}, found {y }"}));
}

TEST_F(SharedChecks, CellTableFindingsOfAMatchingTableAreTheCountAlone) {
  static const ExpectedCellTable table = {{"A"}, {{"1"}}};
  Entries findings;
  Run({"A"}, {{"1"}, {"extra rows are not looked at"}}, [&findings](CheckRunner&, VerificationContext& context) {
    for (const wxString& finding : CellTableFindings(*context.reader, table)) findings.push_back(finding.utf8_string());
  });
  EXPECT_EQ(findings, Entries{"1 of 1 expected cells match"});
}

TEST(ConsecutiveRepeats, TheFirstRowThatRepeatsTheRowBeforeIt) {
  const std::vector<wxString> none;
  EXPECT_EQ(FirstConsecutiveRepeatOf(none, "a"), -1);
  const std::vector<wxString> single = {"a"};
  EXPECT_EQ(FirstConsecutiveRepeatOf(single, "a"), -1);
  const std::vector<wxString> apart = {"a", "b", "a"};
  EXPECT_EQ(FirstConsecutiveRepeatOf(apart, "a"), -1);
  const std::vector<wxString> runs = {"b", "a", "a", "a", "b", "b"};
  EXPECT_EQ(FirstConsecutiveRepeatOf(runs, "a"), 2);
  EXPECT_EQ(FirstConsecutiveRepeatOf(runs, "b"), 5);
  EXPECT_EQ(FirstConsecutiveRepeatOf(runs, "c"), -1);
  // An empty text is a text like any other: one empty row alone is no repeat.
  const std::vector<wxString> blanks = {"", "x", "", ""};
  EXPECT_EQ(FirstConsecutiveRepeatOf(blanks, ""), 3);
}

// A list is cut only once it is longer than a finding shows: at exactly that length the next text still follows.
TEST(ListedTexts, ListsOnWhileTheListFillsAFindingAndCountsTheRestPastIt) {
  const std::vector<wxString> texts = {wxString('x', FindingsSink::kMaxTextLength - 2), "b", "c"};
  const wxString full = wxString('x', FindingsSink::kMaxTextLength - 2);
  EXPECT_EQ(ListedTexts(std::vector<wxString>(texts.begin(), texts.begin() + 2), "{", " ", "}"), "{" + full + "} {b}");
  EXPECT_EQ(ListedTexts(texts, "{", " ", "}"), "{" + full + "} {b} ... and 1 more");
}

}  // namespace

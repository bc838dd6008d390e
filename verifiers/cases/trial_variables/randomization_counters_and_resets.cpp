// Twelve trial variables with the host's randomization, counter and reset options, over self-paced and rapid
// serial presentation events: each variable's column, row by row. An empty text is a row where the variable
// has no value.
#include "framework/expectedtexts.h"
#include "site/hostnames.h"
#include "framework/wholecolumncomparison.h"
#include <utility>

namespace Varnel {

namespace {

constexpr int kRows = 318;

// Each value on `times` rows in a row, every run followed by `gap` rows without a value.
ExpectedTextsBuilder& RunsWithGaps(ExpectedTextsBuilder& builder, std::initializer_list<wxString> values, int times,
                                   int gap) {
  for (const wxString& value : values) builder.Run(value, times).Run("", gap);
  return builder;
}

ExpectedTexts TenColours1() {
  return ExpectedTextsBuilder()
      .Sequence(
          {"", "red", "yellow", "", "green", "blue", "", "grey", "black", "", "white", "purple", "", "pink", "orange"},
          2)
      .Sequence({"", "red", "yellow", "", "green", "blue"})
      .Sequence({"yellow", "grey", "black", "blue", "white", "purple", "black", "pink", "orange", "purple", "red",
                 "yellow", "orange", "green", "blue"},
                4)
      .Sequence(
          {"yellow", "grey", "black", "blue", "white", "purple", "black", "pink", "orange", "purple", "red", "yellow"})
      .Run("", 210)
      .Build();
}

ExpectedTexts NoValueOnAnyRow() { return ExpectedTextsBuilder().Run("", kRows).Build(); }

ExpectedTexts TenColours3SequentialRestartEachTrial() {
  return ExpectedTextsBuilder()
      .Run("", 236)
      .Run("red", 5)
      .Sequence({"yellow", "green", "blue", "grey", "black", "white", "purple", "pink"})
      .Run("orange", 3)
      .Sequence({"red", "yellow", "green", "blue", "grey", "black"})
      .Run("", 60)
      .Build();
}

ExpectedTexts ForConvenience() {
  return ExpectedTextsBuilder()
      .Sequence({"", "", "10"}, 11)
      .Run("", 2)
      .Run("10", 153)
      .Sequence({"", "", "", "10"}, 11)
      .Run("", 3)
      .Run("10", 83)
      .Build();
}

ExpectedTexts NoRepl1Loc() {
  ExpectedTextsBuilder builder;
  builder.Run("", 188);
  RunsWithGaps(builder, {"02", "06", "03", "05", "04", "07", "01", "06", "04", "05", "07", "02"}, 4, 0);
  return builder.Run("03", 2).Run("01", 2).Run("", 78).Build();
}

ExpectedTexts NoRepl2Loc() {
  ExpectedTextsBuilder builder;
  builder.Run("", 189);
  RunsWithGaps(builder, {"02", "03", "04", "05", "07", "06", "01", "06", "02", "03", "04", "05"}, 3, 1);
  return builder.Run("", 81).Build();
}

ExpectedTexts WithRepl1Loc() {
  ExpectedTextsBuilder builder;
  builder.Run("", 190);
  RunsWithGaps(builder, {"07", "01", "06", "05", "01", "02", "07", "06", "01", "07", "07"}, 2, 2);
  return builder.Run("05", 2).Sequence({"", "06", "", "05"}).Run("", 78).Build();
}

ExpectedTexts WithRepl2Colour() {
  ExpectedTextsBuilder builder;
  builder.Run("", 188);
  static const std::pair<const char*, int> runs[] = {{"02", 2}, {"01", 2}, {"02", 2}, {"06", 4}, {"07", 2}, {"02", 4},
                                                     {"06", 4}, {"04", 2}, {"01", 2}, {"07", 2}, {"06", 4}, {"04", 2},
                                                     {"07", 6}, {"03", 2}, {"07", 2}, {"06", 2}, {"04", 2}, {"06", 2}};
  for (const auto& run : runs) builder.Run(run.first, run.second);
  return builder.Sequence({"", "04", "", "06"}).Run("", 78).Build();
}

ExpectedTexts Manual1Colour() {
  ExpectedTextsBuilder builder;
  builder.Run("", 189);
  RunsWithGaps(builder, {"01", "01", "02", "07", "04", "04", "01", "06", "01", "07", "05", "04"}, 3, 1);
  return builder.Run("", 21)
      .Run("05", 2)
      .Run("06", 2)
      .Sequence({"07", "05"})
      .Run("01", 3)
      .Sequence({"06", "01", "03"})
      .Run("02", 2)
      .Sequence({"04", "06", "03", "05", "06", "04", "05", "02", "05", "02", "07", "05",
                 "04", "02", "01", "06", "03", "07", "01", "02", "03", "02", "04", "05"})
      .Run("02", 2)
      .Sequence({"01", "03", "06"})
      .Run("02", 2)
      .Sequence({"03", "01", "04", "05", "07", "06", "07", "05", "02", "04", "02", "04", "05", "07", "04"})
      .Build();
}

ExpectedTexts Manual2Loc() {
  ExpectedTextsBuilder builder;
  builder.Run("", 191);
  RunsWithGaps(builder, {"03", "07", "01", "05", "07", "06", "06", "04", "05", "04", "07", "03"}, 1, 3);
  return builder.Run("", 79).Build();
}

using ExpectedColumn = std::pair<wxString, ExpectedTexts>;

// In the order in which they are compared.
const std::vector<ExpectedColumn>& ExpectedColumns() {
  static const std::vector<ExpectedColumn> columns = {
      {"ten colors 1\n(Trial Variable)", TenColours1()},
      {"ten colors 2\n(Trial Variable)", NoValueOnAnyRow()},
      {"ten colors 3. sequential. restart each trial\n(Trial Variable)", TenColours3SequentialRestartEachTrial()},
      {"NOT FOR TEST VERIFICATION. for convenience.\n(Trial Variable)", ForConvenience()},
      {"anti-lockstep group no-repl 1. LOC\n(Trial Variable)", NoRepl1Loc()},
      {"anti-lockstep group no-repl 2. LOC\n(Trial Variable)", NoRepl2Loc()},
      {"anti-lockstep group with-repl 1. LOC\n(Trial Variable)", WithRepl1Loc()},
      {"anti-lockstep group with-repl 2. COLOR\n(Trial Variable)", WithRepl2Colour()},
      {"anti-lockstep group manual 1. COLOR\n(Trial Variable)", Manual1Colour()},
      {"anti-lockstep group manual 2. LOC\n(Trial Variable)", Manual2Loc()},
      {"EMPTY location\n(Trial Variable)", NoValueOnAnyRow()},
      {"EMPTY color\n(Trial Variable)", NoValueOnAnyRow()},
  };
  return columns;
}

}  // namespace

class TestRandomLevelsAndCountersAndRSVP
    : public TestCaseWithFullColumnStringComp_T<TestRandomLevelsAndCountersAndRSVP> {
 public:
  static constexpr char kExperimentFileName[] = "2013-10-21_randomize_opts_TrialVars_RSVP_SPR.vn5";

  void RunChecks(VerificationContext) override {
    for (const ExpectedColumn& column : ExpectedColumns()) {
      CompareWholeColumn(column.first, column.second);
    }

    CheckDurationWindows({
        ExperimentWindow(2200, 3200),
        ExperimentWindowOn(kBuildFarmHost, 2100, 6400),
        ExpansionWindow(50, 150),
        ExpansionWindowOn(kBuildFarmHost, 50, 350),
    });
  }
};

}  // namespace Varnel

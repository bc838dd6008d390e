// Randomization of trials in a block and of events in a trial: once per run, once per group, or every time.
#include "tabulon/muinterfacemultiexperimentdatasource.h"
#include "tabulon/columnnames.h"
#include "site/hostnames.h"
#include "framework/individualtestcase.h"
#include "framework/rowrepeats.h"

namespace Varnel {

namespace {

// How a check judges the events at its rows.
enum class Rule {
  EveryCopyRepeats,  // the order was drawn once: every copy of the reference run repeats it
  SomeCopyDiffers,   // the order is drawn anew each time: four (or three) equal runs are a failure
  FixedTexts,        // the per-group order is fixed by the experiment
};

struct RandomizationCheck {
  const char* name;
  Rule rule;
  int firstRow;                 // the reference run, or the first row of the fixed texts
  std::vector<int> copyRows;    // where each copy of the three-event reference run starts
  std::vector<wxString> texts;  // the fixed texts
  const char* subject;
  int line;
  const char* message;
};

const int kRunLength = 3;

const std::vector<RandomizationCheck>& Checks() {
  static const std::vector<RandomizationCheck> checks = {
      {"Rand_Trials_In_Block_Once_Per_Run",
       Rule::EveryCopyRepeats,
       30,
       {36, 42, 48},
       {},
       "'block 1 - randomize once per run' did not behave",
       88,
       "'block 1 - randomize once per run' should repeat its trials FOUR times using the SAME random order"},
      {"Rand_Trials_In_Block_Once_Per_Group",
       Rule::FixedTexts,
       0,
       {},
       {"sole event for trial 2c", "sole event for trial 2b", "sole event for trial 2a"},
       "'block 2 - randomize per group - cba for main group' did not behave",
       115,
       "'block 2 - randomize per group - cba for main group' should always use the SAME random order"},
      {"Rand_Trials_In_Block_Every_Time",
       Rule::SomeCopyDiffers,
       33,
       {39, 45, 51},
       {},
       "'block 1 - randomize ALWAYS' did not behave -- this OCCASIONALLY FAILS PERMISSIBLY. ALLOW THIS TO HAPPEN "
       "RARELY",
       151,
       "'block 1 - randomize ALWAYS' should NOT display the SAME random order four times in a row -- this "
       "OCCASIONALLY FAILS PERMISSIBLY. ALLOW THIS TO HAPPEN RARELY"},
      {"Rand_Events_In_Trial_Once_Per_Run",
       Rule::EveryCopyRepeats,
       3,
       {6, 9},
       {},
       "'REUSED trial, looking for SAME random throughout run' did not behave",
       188,
       "'REUSED trial, looking for SAME random throughout run' should repeat its events THREE times using the SAME "
       "random order"},
      {"Rand_Events_In_Trial_Once_Per_Group",
       Rule::FixedTexts,
       15,
       {},
       {"reused trial - b (group)", "reused trial - a (group)", "reused trial - c (group)", "reused trial - b (group)",
        "reused trial - a (group)", "reused trial - c (group)"},
       "'REUSED trial w/ PER-GROUP, looking for SAME random throughout run1' did not behave",
       216,
       "'REUSED trial w/ PER-GROUP, looking for SAME random throughout run1' should always use the SAME random "
       "order"},
      {"Rand_Events_In_Trial_Every_Time",
       Rule::SomeCopyDiffers,
       21,
       {24, 27},
       {},
       "'REUSED trial - NEW randomization ALWAYS' did not behave -- this OCCASIONALLY FAILS PERMISSIBLY. ALLOW THIS "
       "TO HAPPEN RARELY",
       252,
       "'REUSED trial - NEW randomization ALWAYS' should NOT display the SAME random order three times in a row -- "
       "this OCCASIONALLY FAILS PERMISSIBLY. ALLOW THIS TO HAPPEN RARELY"},
  };
  return checks;
}

bool Holds(const RandomizationCheck& check, const MUInterfaceMultiExperimentDataSource& reader, int eventColumn) {
  const int copies = static_cast<int>(check.copyRows.size());
  switch (check.rule) {
    case Rule::EveryCopyRepeats:
      return CountCopiesOfRun(reader, eventColumn, check.firstRow, kRunLength, check.copyRows) == copies;
    case Rule::SomeCopyDiffers:
      return CountCopiesOfRun(reader, eventColumn, check.firstRow, kRunLength, check.copyRows) < copies;
    case Rule::FixedTexts:
      return RowsHoldTexts(reader, eventColumn, check.firstRow, check.texts);
  }
  return false;
}

// The event names of rows first to first + count - 1, for the diagnostics.
wxString EventsOfRows(const MUInterfaceMultiExperimentDataSource& reader, int eventColumn, int first, int count) {
  wxString names = wxString::Format("rows %d to %d hold", first, first + count - 1);
  for (int row = first; row < first + count; ++row) names += " {" + reader.GetCellText(row, eventColumn) + "}";
  return names;
}

// What the rows the check looked at held: the reference run and its copies, or the fixed rows.
std::vector<wxString> Findings(const RandomizationCheck& check, const MUInterfaceMultiExperimentDataSource& reader,
                               int eventColumn) {
  if (check.rule == Rule::FixedTexts) {
    wxString expected = "expected";
    for (const wxString& text : check.texts) expected += " {" + text + "}";
    return {EventsOfRows(reader, eventColumn, check.firstRow, static_cast<int>(check.texts.size())), expected};
  }
  std::vector<wxString> findings = {
      wxString::Format("%d of %d copies repeat the reference order",
                       CountCopiesOfRun(reader, eventColumn, check.firstRow, kRunLength, check.copyRows),
                       static_cast<int>(check.copyRows.size())),
      "reference: " + EventsOfRows(reader, eventColumn, check.firstRow, kRunLength)};
  for (int copyRow : check.copyRows)
    findings.push_back("copy: " + EventsOfRows(reader, eventColumn, copyRow, kRunLength));
  return findings;
}

}  // namespace

class TestAllBTERandomizationOptionsAllowedInV4
    : public IndividualTestCase_T<TestAllBTERandomizationOptionsAllowedInV4, false> {
 public:
  static constexpr char kExperimentFileName[] = "2011-06-17_test_all_randomization_for_case_983.vn4";

  void RunChecks(VerificationContext) override {
    eventColumn_ = reader->GetColumnIndex(tabulon::EventNameColumnName());
    for (const RandomizationCheck& check : Checks()) {
      ReportOutcome(Holds(check, *reader, eventColumn_), check.name, check.subject, check.line, check.message)
          .Otherwise([&] { return Findings(check, *reader, eventColumn_); });
    }

    CheckDurationWindows({
        ExperimentWindow(780, 2500),
        ExperimentWindowOn(kBuildFarmHost, 1000, 2725),
        ExpansionWindow(0, 1000),
    });
  }

 private:
  int eventColumn_ = -1;
};

}  // namespace Varnel

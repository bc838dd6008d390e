// A feedback event whose time limit comes from a trial variable must stay on screen for that time (6000 ms).
#include "tabulon/muinterfacemultiexperimentdatasource.h"
#include "tabulon/columnnames.h"
#include "site/hostnames.h"
#include "framework/individualtestcase.h"
#include "framework/sequencefindings.h"
#include "framework/stimareachecks.h"
#include "framework/verifierlocation.h"
#include "framework/wholenumbercells.h"

namespace Varnel {

namespace {

// Position and size depend on the screen, so only the names, in order, and a zero origin and response are fixed.
const StimAreaList& ExpectedStimAreas() {
  static const StimAreaList areas = {
      MakeStimArea(0, 0, kAnyStimAreaNumber, kAnyStimAreaNumber, 0, "always"),
      MakeStimArea(0, 0, kAnyStimAreaNumber, kAnyStimAreaNumber, 0, "correct"),
      MakeStimArea(0, 0, kAnyStimAreaNumber, kAnyStimAreaNumber, 0, "bye now"),
  };
  return areas;
}

// The trial variable asks for 6000 ms; one millisecond is allowed for the rounding of the host's times.
const long kShortestFeedbackMs = 5999;

}  // namespace

class TestTrialVariableTimeLimitOnFeedback_2405
    : public IndividualTestCase_T<TestTrialVariableTimeLimitOnFeedback_2405, false> {
 public:
  static constexpr char kExperimentFileName[] =
      "2011-07-19_runs_unattended_for_regression_test_FEEDBACK_TRIAL_VAR_TIMES_case_2405.vn4";
  // The lines that locate this verifier's failures, one per reporting site.
  static constexpr int kStimAreasLine = 89;
  static constexpr int kCorrectShownLine = 152;
  static constexpr int kIncorrectUnwantedLine = 162;
  static constexpr int kFeedbackLongEnoughLine = 179;

  void RunChecks(VerificationContext context) override {
    // A host that hands over no list has no stimulus areas.
    static const StimAreaList noAreas;
    const StimAreaList& areas = context.stimAreas != nullptr ? *context.stimAreas : noAreas;
    DumpStimAreas(areas);
    VerifyStimAreas(areas, ExpectedStimAreas(), printer, VerifierLocation(name, kStimAreasLine));

    ScanFeedbackEvents();
    ReportOutcome(found_, "Event_named_correct_is_expected", "The event 'correct' should have happened. Where is it?",
                  kCorrectShownLine,
                  "We expected the event with name 'correct' to have been displayed during the experiment.")
        .Otherwise([&] {
          return wxString::Format("none of the %d rows holds the event {correct}; events by row:",
                                  reader->GetRowCount()) +
                 CellsShown(ColumnTexts(tabulon::EventNameColumnName()));
        });
    ReportOutcome(!unwanted_, "Event_named_incorrect_is_unwanted", "Unwanted event has been displayed somehow.",
                  kIncorrectUnwantedLine,
                  "As long as there was no human interaction we expect to NOT find this event. This runs "
                  "unattended, so how could there be interaction...?")
        .Otherwise([&] { return wxString::Format("row %d holds the event {incorrect}", unwantedRow_); });
    ReportOutcome(longEnough_, "Variable_time_should_be_greater_than_6000", "Looks like bug 2405 is back.",
                  kFeedbackLongEnoughLine, "The event named 'correct' should have been on screen for 6000 ms or more.")
        .Otherwise([&] {
          return shownFor_.empty() ? wxString("no row holds the event {correct}")
                                   : "the event {correct} was on screen for " + shownFor_ + "; at least " +
                                         wxString::Format("%ld ms expected", kShortestFeedbackMs);
        });

    CheckDurationWindows({
        ExperimentWindow(10000, 12250),
        ExpansionWindow(8, 170),
        ExperimentWindowOn(kHostNameA, 9700, 12000),
        ExpansionWindowOn(kHostNameA, 400, 600),
    });
  }

 private:
  // The feedback "correct" is measured from the row before it, the event it followed; "incorrect" would only
  // follow a response, which an unattended run never gives.
  void ScanFeedbackEvents() {
    found_ = false;
    unwanted_ = false;
    longEnough_ = false;
    unwantedRow_ = -1;
    shownFor_.clear();
    const int eventColumn = reader->GetColumnIndex(tabulon::EventNameColumnName());
    const int timeColumn = reader->GetColumnIndex(kCumulativeTimeColumn);
    for (int row = 0; row < reader->GetRowCount(); ++row) {
      const wxString event = reader->GetCellText(row, eventColumn);
      if (event == "incorrect" && !unwanted_) {
        unwanted_ = true;
        unwantedRow_ = row;
      }
      if (event != "correct") continue;
      found_ = true;
      const std::optional<long> shownFor = ShownFor(row, timeColumn);
      shownFor_ +=
          wxString(shownFor_.empty() ? "" : ", ") + (shownFor ? wxString::Format("%ld ms (row %d)", *shownFor, row)
                                                              : wxString::Format("an unmeasurable time (row %d)", row));
      if (shownFor && *shownFor >= kShortestFeedbackMs) longEnough_ = true;
    }
  }

  // The time from the row before to the row; none for the first row or when either time is no number.
  std::optional<long> ShownFor(int row, int timeColumn) const {
    if (row < 1) return std::nullopt;
    const std::optional<long> shownAt = ReadWholeNumberCell(*reader, row, timeColumn);
    const std::optional<long> before = ReadWholeNumberCell(*reader, row - 1, timeColumn);
    if (!shownAt || !before) return std::nullopt;
    return Difference(*shownAt, *before);
  }

  bool found_ = false;
  bool unwanted_ = false;
  bool longEnough_ = false;
  // What the scan saw, for the diagnostics of a failed check.
  int unwantedRow_ = -1;
  wxString shownFor_;
};

}  // namespace Varnel

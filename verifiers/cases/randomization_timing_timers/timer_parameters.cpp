// Timer parameters: which of them get a column, pause actions on running timers, and timer comparisons in macros.
#include "tabulon/muinterfacemultiexperimentdatasource.h"
#include "tabulon/columnnames.h"
#include "framework/expectedtexts.h"
#include "site/hostnames.h"
#include "framework/sequencefindings.h"
#include "framework/wholecolumncomparison.h"
#include "framework/wholenumbercells.h"

namespace Varnel {

namespace {

const ExpectedTexts& ExpectedTrials() {
  static const ExpectedTexts trials = ExpectedTextsBuilder()
                                          .Run("intro")
                                          .Run("trial 1", 4)
                                          .Run("trial 2")
                                          .Run("trial 3 (500, 100)", 2)
                                          .Run("trial 4 (200, 300)", 4)
                                          .Run("trial 5 (400, 500)", 2)
                                          .Run("trial 6", 2)
                                          .Run("trial 7", 2)
                                          .Run("trial 8", 2)
                                          .Run("trial 9", 3)
                                          .Run("trial 10", 3)
                                          .Build();
  return trials;
}

const ExpectedTexts& ExpectedEvents() {
  static const wxString millis = "action: timer greater than N millis";
  static const wxString seconds = "action: timer greater than N seconds";
  static const wxString timer2 = "action: timer2 greater than timer1";
  static const wxString timer3 = "action: timer3 less than 1 minute";
  static const ExpectedTexts events = ExpectedTextsBuilder()
                                          .Sequence({"intro", "isi 1", "isi 2", "isi 3", millis})
                                          .Sequence({"isi 2", "isi 1", "isi 3", "isi 4", "isi 5", seconds, timer2})
                                          .Sequence({"isi 1", "isi 5"})
                                          .Sequence({"isi 1", "isi 2"}, 2)
                                          .Sequence({"isi 2", "isi 3", "isi 3", "isi 4", timer3})
                                          .Sequence({"isi 4", "isi 5", timer3})
                                          .Build();
  return events;
}

const ExpectedTexts& ExpectedFlagA() {
  static const ExpectedTexts flag = ExpectedTextsBuilder().Run("0", 4).Run("1", 22).Build();
  return flag;
}

const ExpectedTexts& ExpectedFlagC() {
  static const ExpectedTexts flag = ExpectedTextsBuilder().Run("0", 11).Run("1", 15).Build();
  return flag;
}

bool Within(long value, long min, long max) { return min <= value && value <= max; }

// A pause test without a test of the time after the pause.
const long kNoGap = -1;

}  // namespace

class TestTimerActionsAndCriteria : public TestCaseWithFullColumnStringComp_T<TestTimerActionsAndCriteria> {
 public:
  static constexpr char kExperimentFileName[] = "2014-07-24_timer_parameters.vn5";
  // The lines that locate this verifier's failures, one per reporting site.
  static constexpr int kNotSavedLine = 265;
  static constexpr int kTimerOneLine = 381;
  static constexpr int kTimerTwoLine = 466;
  static constexpr int kNonNumericValueLine = 481;

  void RunChecks(VerificationContext) override {
    CheckSavedColumns();
    CompareWholeColumn(tabulon::TrialNameColumnName(), ExpectedTrials());
    CompareWholeColumn(tabulon::EventNameColumnName(), ExpectedEvents());
    CompareWholeColumn("flag_a", ExpectedFlagA());
    CompareWholeColumn("flag_c", ExpectedFlagC());
    CheckTimer1();
    CheckTimer2();

    CheckDurationWindows({
        ExperimentWindow(6006, 6150),
        ExpansionWindow(5, 60),
        ExpansionWindowOn(kBuildFarmHost, 50, 100),
    });
  }

 private:
  // Parameters marked to be saved get a column; the others must not.
  void CheckSavedColumns() {
    const bool asSaved = reader->GetColumnIndex("timer_4") >= 0 && reader->GetColumnIndex("flag_a") >= 0 &&
                         reader->GetColumnIndex("timer_not_saved") == -1 && reader->GetColumnIndex("flag_b") == -1;
    ReportOutcome(asSaved, "Option_to_NOT_save_is_working",
                  "Datafile columns are NOT as expected. can fail when you set ORRIN_OBTRUSIVE_DIAGNOSTIC_LOGGING.",
                  kNotSavedLine,
                  "we wanted to FIND some columns and NOT find others. note that ORRIN_OBTRUSIVE_DIAGNOSTIC_LOGGING "
                  "causes all params to get a column despite experiment settings. you may get a spurious failure due "
                  "to that environment var")
        .Otherwise([&] {
          return wxString::Format(
              "column indices: timer_4 %d, flag_a %d (both wanted), timer_not_saved %d, flag_b %d "
              "(both unwanted: -1 expected)",
              reader->GetColumnIndex("timer_4"), reader->GetColumnIndex("flag_a"),
              reader->GetColumnIndex("timer_not_saved"), reader->GetColumnIndex("flag_b"));
        });
  }

  // A timer column's cells, row by row, for the diagnostics of a failed timer check.
  wxString TimerValues(const char* columnName) const {
    return wxString(columnName) + " by row:" + CellsShown(ColumnTexts(columnName));
  }

  // Every timer value is read here: a cell that is no whole number is reported each time it is read, and reads
  // as -1, which no window of these checks accepts.
  long NumberAt(int row, int column) {
    if (const std::optional<long> value = ReadWholeNumberCell(*reader, row, column)) return *value;
    ReportFailure(wxString::Format("NON_NUMERIC_VALUE_%d_%d", row, column),
                  "Data cell string should always be convertible to a number here", kNonNumericValueLine,
                  "we called the wx function ToLong on a string, and it failed to produce a number")
        << wxString::Format("row %d, column %d holds {%s}", row, column, reader->GetCellText(row, column));
    return -1;
  }

  // A timer paused over rows first to last: it holds its value there, the value was reached by a small step from
  // the row before, and (when a gap is given) the timer resumes gap milliseconds on. Every condition is evaluated,
  // so each unreadable cell is reported; the scan of the held rows stops at the first row that differs.
  bool PauseHolds(int column, int first, int last, long gap) {
    const long held = NumberAt(first, column);
    bool holds = true;
    for (int row = first + 1; row <= last; ++row) {
      if (NumberAt(row, column) != held) {
        holds = false;
        break;
      }
    }
    if (!Within(Difference(held, NumberAt(first - 1, column)), 0, 12)) holds = false;
    if (gap != kNoGap && !Within(Difference(Difference(NumberAt(last + 1, column), held), gap), 0, 50)) holds = false;
    return holds;
  }

  // A timer at zero over rows first to end - 1, started at row end, where it reads base to base + 50. The scan of
  // the zero rows stops at the first row that is not "0"; row end is read in any case.
  bool ZeroRunHolds(int column, int first, int end, long base) {
    bool holds = true;
    for (int row = first; row < end; ++row) {
      if (reader->GetCellText(row, column) != "0") {
        holds = false;
        break;
      }
    }
    const long started = NumberAt(end, column);
    return holds && started >= 0 && Within(started, base, base + 50);
  }

  // Collects the text of every failed condition of a timer check, in order.
  struct Findings {
    bool ok = true;
    wxString message;
    void Expect(bool held, const char* text) {
      if (held) return;
      ok = false;
      message += text;
    }
  };

  void CheckTimer1() {
    const int column = reader->GetColumnIndex("timer_1");
    Findings findings;
    findings.Expect(reader->GetCellText(0, column) == "0", "not 0 during first event. ");
    findings.Expect(PauseHolds(column, 6, 11, 400), "first pause action malfunctioned. ");
    findings.Expect(PauseHolds(column, 14, 17, 500), "second pause action malfunctioned. ");
    findings.Expect(PauseHolds(column, 20, 25, kNoGap), "third pause action malfunctioned. ");
    findings.Expect(Within(NumberAt(25, column), 2500, 2700), "at row 25 timer_1 needs to be approx 2500 ms. ");
    ReportOutcome(findings.ok, "Timer_1_behaved_properly", "Timer 1 is malfunctioning.", kTimerOneLine,
                  findings.message)
        .Otherwise([&] { return TimerValues("timer_1"); });
  }

  // The two zero runs are told apart as first and second, like the pause tests of timer 1.
  void CheckTimer2() {
    const int column = reader->GetColumnIndex("timer_2");
    Findings findings;
    findings.Expect(ZeroRunHolds(column, 0, 6, 500), "first starting zero state malfunctioned. ");
    findings.Expect(ZeroRunHolds(column, 14, 18, 500), "second starting zero state malfunctioned. ");
    findings.Expect(Within(NumberAt(13, column), 2000, 2200), "at row 13 timer_2 needs to be approx 2000 ms. ");
    findings.Expect(Within(NumberAt(25, column), 2000, 2200), "at row 25 timer_2 needs to be approx 2000 ms. ");
    ReportOutcome(findings.ok, "Timer_2_behaved_properly", "Timer 2 is malfunctioning.", kTimerTwoLine,
                  findings.message)
        .Otherwise([&] { return TimerValues("timer_2"); });
  }
};

}  // namespace Varnel

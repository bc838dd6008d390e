// The duration windows every verifier asserts for the run and for the expansion before it.
#include "reporting/maketestlocation.h"
#include "tabulon/muinterfacemultiexperimentdatasource.h"
#include "framework/durationwindows.h"
#include "site/runningonsitemachine.h"
#include "framework/individualtestcase.h"
#include <climits>

namespace Varnel {

namespace {

// The line that locates every failed duration window, in the file part of the verifier's name.
constexpr int kDurationWindowLine = 237;

// The run time in the last data row; -999 when that cell holds no whole number.
int LastRowMilliseconds(const MUInterfaceMultiExperimentDataSource& reader, int column) {
  long value = 0;
  const wxString text = reader.GetCellText(reader.GetRowCount() - 1, column);
  if (!text.ToLong(&value) || value < INT_MIN || value > INT_MAX) return -999;
  return static_cast<int>(value);
}

// General windows stay off the build farm, which has host windows of its own.
bool AppliesHere(const DurationWindowCheck& check) {
  return check.onlyOn ? IsRunningOnHost(*check.onlyOn) : !IsRunningOnHost(kBuildFarmHost);
}

}  // namespace

void IndividualTestCaseBase::CheckDurationWindows(const DurationWindows& windows) {
  for (const DurationWindowCheck& check : windows) {
    if (AppliesHere(check)) CheckDurationWindow(check.span, check.window);
  }
}

void IndividualTestCaseBase::CheckDurationWindow(TimedSpan span, const DurationWindow& window) {
  const bool isExpansion = span == TimedSpan::Expansion;
  const int column = FindColumnStartingWith(isExpansion ? kExpansionMarker : kCumulativeTimeColumn);
  if (column == -1) return;

  const int min = window.min;
  const int max = window.max;
  const int value = isExpansion ? GetExpansionTimeMs() : LastRowMilliseconds(*reader, column);
  const wxString testName = wxString::Format(isExpansion ? "Expansion_duration_%s" : "Experiment_duration_%s", name);
  ReportOutcome(
      min <= value && value <= max, testName,
      wxString::Format("%s duration is weird. Too short or too long (see details below).",
                       isExpansion ? "Expansion" : "Experiment"),
      kDurationWindowLine,
      wxString::Format("Expected a duration between %d and %d. Instead, we got a duration of %d.", min, max, value))
      .Otherwise([&] { return wxString::Format("measured %d ms, window %d to %d ms", value, min, max); });
}

}  // namespace Varnel

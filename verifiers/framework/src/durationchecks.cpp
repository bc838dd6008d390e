// The duration windows every verifier asserts for the run and for the expansion before it.
#include "reporting/maketestlocation.h"
#include "tabulon/muinterfacemultiexperimentdatasource.h"
#include "framework/hostnames.h"
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

}  // namespace

void IndividualTestCaseBase::CheckDuration(int min, int max, const wxString& marker, bool isExpansion,
                                           bool skipOnBuildFarm) {
  if (skipOnBuildFarm && IsRunningOnHost(kBuildFarmHost)) return;
  const int column = FindColumnStartingWith(marker);
  if (column == -1) return;

  const int value = isExpansion ? GetExpansionTimeMs() : LastRowMilliseconds(*reader, column);
  const wxString testName = wxString::Format(isExpansion ? "Expansion_duration_%s" : "Experiment_duration_%s", name);
  const bool held = ReportOutcome(
      min <= value && value <= max, testName,
      wxString::Format("%s duration is weird. Too short or too long (see details below).",
                       isExpansion ? "Expansion" : "Experiment"),
      kDurationWindowLine,
      wxString::Format("Expected a duration between %d and %d. Instead, we got a duration of %d.", min, max, value));
  if (!held) AddFinding(wxString::Format("measured %d ms, window %d to %d ms", value, min, max));
}

void IndividualTestCaseBase::CheckExperimentDuration(int min, int max, bool skipOnBuildFarm) {
  CheckDuration(min, max, kCumulativeTimeColumn, false, skipOnBuildFarm);
}

void IndividualTestCaseBase::CheckExpansionDuration(int min, int max, bool skipOnBuildFarm) {
  CheckDuration(min, max, kExpansionMarker, true, skipOnBuildFarm);
}

void IndividualTestCaseBase::CheckExperimentDurationOnHost(SiteMachine machine, int min, int max) {
  if (IsRunningOnHost(machine)) CheckExperimentDuration(min, max, false);
}

void IndividualTestCaseBase::CheckExpansionDurationOnHost(SiteMachine machine, int min, int max) {
  if (IsRunningOnHost(machine)) CheckExpansionDuration(min, max, false);
}

}  // namespace Varnel

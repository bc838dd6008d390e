#pragma once
#include "framework/textcolumn.h"
#include "tabulon/columnnames.h"
#include "framework/individualtestcase.h"
#include "tabulon/muinterfacemultiexperimentdatasource.h"
#include <vector>
#include <wx/string.h>

namespace Varnel {

// How many rows of each kind of trial the text-event parameter experiments presented, told apart by the start
// of the trial name (case-sensitive; a name may go on after the prefix, with a number for example). A name
// with none of the three prefixes counts for none.
struct TextEventTrialCounts {
  int withoutParams = 0;
  int pause = 0;
  int withParams = 0;
};
TextEventTrialCounts CountTextEventTrials(const TextColumn& trialNames);

// The experiments present 56 rows: 20 trials of the block without parameters, 6 pause trials, 30 trials with
// parameters.
bool IsCompleteTextEventRun(int rowCount, const TextEventTrialCounts& counts);

// Both text-event parameter experiments run the same check; only the failure subject differs, the one with
// parameters naming the row count (T::kSubjectCarriesRowCount). Each verifier states its own windows (T::kDurations).
template <typename T>
class TextEventParamsVerifier_T : public IndividualTestCase_T<T, false> {
 public:
  void RunChecks(VerificationContext) override {
    const int rows = this->reader->GetRowCount();
    const TextEventTrialCounts counts = CountTextEventTrials(this->ColumnTexts(tabulon::TrialNameColumnName()));
    this->ReportOutcome(IsCompleteTextEventRun(rows, counts), "we_presented_all_events",
                        T::kSubjectCarriesRowCount ? wxString::Format("Something bad happened instead %d.", rows)
                                                   : wxString("Something bad happened instead."),
                        kAllEventsLine,
                        "We expected to see 56 rows of data split up into three kinds of trials in a 20-6-30 "
                        "proportion.")
        .Otherwise([&] {
          return wxString::Format(
              "found %d rows: %d without parameters, %d pause, %d with parameters; "
              "expected 56: 20, 6, 30",
              rows, counts.withoutParams, counts.pause, counts.withParams);
        });
    this->CheckDurationWindows(T::kDurations);
  }

 private:
  static constexpr int kAllEventsLine = 69;
};

}  // namespace Varnel

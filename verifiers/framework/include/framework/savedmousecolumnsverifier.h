#pragma once
#include "framework/wholecolumncomparison.h"
#include <vector>
#include <wx/string.h>

class MUInterfaceMultiExperimentDataSource;

namespace Varnel {

// The mouse columns that the saved-column experiments ask the host to write.
const std::vector<wxString>& SavedMouseColumnNames();

// Whether every saved mouse column is in the data file, in any order, after the first column. The host always
// writes one of its own columns first, so a mouse column found there counts as missing as well.
bool SavedMouseColumnsPresent(const MUInterfaceMultiExperimentDataSource& reader);
// The saved mouse columns the data file lacks (or has only first), for the diagnostics.
wxString MissingSavedMouseColumns(const MUInterfaceMultiExperimentDataSource& reader);

// The saved-column experiments differ only in what they call the check (T::kCheckName), where it reports
// (T::kCheckLine) and their windows (T::kDurations). Whatever the experiment's name says about pixel or press columns,
// all four columns are required.
template <typename T>
class SavedMouseColumnsVerifier_T : public TestCaseWithFullColumnStringComp_T<T> {
 public:
  void RunChecks(VerificationContext) override {
    this->ReportOutcome(SavedMouseColumnsPresent(*this->reader), T::kCheckName, "Datafile columns are NOT as expected.",
                        T::kCheckLine, "there are missing columns or something. this is a weird test.")
        .Otherwise([this] { return "columns missing (or only first): " + MissingSavedMouseColumns(*this->reader); });
    this->CheckDurationWindows(T::kDurations);
  }
};

}  // namespace Varnel

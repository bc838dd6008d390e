// The host throws and catches its own exception over a trial name full of characters that file names may not
// hold; the run must go on and present all six trials.
#include "tabulon/columnnames.h"
#include "framework/expectedtexts.h"
#include "framework/wholecolumncomparison.h"

namespace Varnel {

namespace {

// An "a" before each character that a file name may not contain, then plain "a" up to 49 characters.
wxString TrialNameWithForbiddenCharacters() {
  wxString trialName;
  for (const wxChar forbidden : wxString("\\/:*?\"<>|")) trialName << 'a' << forbidden;
  return trialName + wxString('a', 31);
}

const ExpectedTexts& ExpectedTrials() {
  static const ExpectedTexts trials = ExpectedTextsBuilder()
                                          .Run(TrialNameWithForbiddenCharacters())
                                          .Run(wxString('b', 40))
                                          .Run(wxString('c', 40) + ", 1", 4)
                                          .Build();
  return trials;
}

}  // namespace

class TestVNExceptionThrownAndCaught : public TestCaseWithFullColumnStringComp_T<TestVNExceptionThrownAndCaught> {
 public:
  static constexpr char kExperimentFileName[] = "2015-01-30_VNException_thrown_and_caught.vn5";

  // A run that ended early after the exception has fewer rows and fails the count. No duration windows.
  void RunChecks(VerificationContext) override { CompareWholeColumn(tabulon::TrialNameColumnName(), ExpectedTrials()); }
};

}  // namespace Varnel

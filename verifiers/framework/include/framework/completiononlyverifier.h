#pragma once
#include "framework/individualtestcase.h"
#include <wx/string.h>

namespace Varnel {

class FakeJUnitPrinter;

// The outcome of a verifier that expects no readable data file: the completion pass and a timing record that
// carries a fixed stand-in, as no data file gives a run time.
void ReportCompletionWithoutDataFile(FakeJUnitPrinter* reportTo, const wxString& completionTestName,
                                     const wxString& verifierName);

// A verifier of an experiment whose run is expected to leave an empty, unreadable data file. Reaching the
// verifier at all shows that the run completed (the pass T::kCompletionTestName); a readable file gets the same
// completion pass and the usual timing records.
template <typename T>
class CompletionOnlyVerifier_T : public IndividualTestCase_T<T, true> {
 public:
  void RunChecks(VerificationContext) override { this->ReportPass(T::kCompletionTestName); }

  void OnNotifyUnableToReadDatafile(FakeJUnitPrinter* reportTo) override {
    ReportCompletionWithoutDataFile(reportTo, T::kCompletionTestName, this->name);
  }
};

}  // namespace Varnel

// Two stimulus sublists drawn in step: numbers then letters, each at its own list position, all with one colour.
#include "verifiers/framework/columnnames.h"
#include "verifiers/framework/expectedtexts.h"
#include "verifiers/framework/hostnames.h"
#include "verifiers/framework/wholecolumncomparison.h"

namespace Varnel {

class TwoSublistsSynchronization : public TestCaseWithFullColumnStringComp_T<TwoSublistsSynchronization> {
 public:
  static const wxString& ExperimentFileName() {
    static const wxString name = "two_sublists_synchronization.vn5";
    return name;
  }
  TwoSublistsSynchronization() : TestCaseWithFullColumnStringComp_T(ExperimentFileName()) {}

  void RunChecks(VerificationContext context) override {
    static const ExpectedTexts events = {"numbers (2, 2)", "numbers (3, 3)", "numbers (5, 5)", "letters (1, a)",
                                         "letters (4, d)"};
    static const ExpectedTexts colours = ExpectedTextsBuilder().Run("red", 5).Build();
    CompareWholeColumn(context.reader, context.printer, kEventNameColumn, events);
    CompareWholeColumn(context.reader, context.printer, "color", colours);

    CheckExperimentDuration(500, 5200, true);
    CheckExpansionDuration(0, 400, true);
    CheckExperimentDurationOnHost(kHostNameA, 500, 650);
    CheckExpansionDurationOnHost(kHostNameA, 150, 250);
    CheckExperimentDurationOnHost(kHostNameB, 500, 11600);
  }
};

DH_VERIFIER_INSTANCE(TwoSublistsSynchronization)

}  // namespace Varnel

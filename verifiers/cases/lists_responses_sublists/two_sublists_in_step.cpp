// Two stimulus sublists drawn in step: numbers then letters, each at its own list position, all with one colour.
#include "tabulon/columnnames.h"
#include "framework/expectedtexts.h"
#include "site/hostnames.h"
#include "framework/wholecolumncomparison.h"

namespace Varnel {

class TwoSublistsSynchronization : public TestCaseWithFullColumnStringComp_T<TwoSublistsSynchronization> {
 public:
  static constexpr char kExperimentFileName[] = "two_sublists_synchronization.vn5";

  void RunChecks(VerificationContext) override {
    static const ExpectedTexts events = {"numbers (2, 2)", "numbers (3, 3)", "numbers (5, 5)", "letters (1, a)",
                                         "letters (4, d)"};
    static const ExpectedTexts colours = ExpectedTextsBuilder().Run("red", 5).Build();
    CompareWholeColumn(tabulon::EventNameColumnName(), events);
    CompareWholeColumn("color", colours);

    CheckDurationWindows({
        ExperimentWindow(500, 5200),
        ExpansionWindow(0, 400),
        ExperimentWindowOn(kHostNameA, 500, 650),
        ExpansionWindowOn(kHostNameA, 150, 250),
        ExperimentWindowOn(kHostNameB, 500, 11600),
    });
  }
};

}  // namespace Varnel

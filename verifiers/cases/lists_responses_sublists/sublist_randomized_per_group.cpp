// A five-item sublist randomized per group: the run presents exactly the last four items, in order.
#include "tabulon/columnnames.h"
#include "site/hostnames.h"
#include "framework/wholecolumncomparison.h"

namespace Varnel {

namespace {

const ExpectedTexts& ExpectedEvents() {
  static const ExpectedTexts events = {"e (2, 2)", "e (3, 3)", "e (4, 4)", "e (5, 5)"};
  return events;
}

}  // namespace

class OneSublistGroupRandomization : public TestCaseWithFullColumnStringComp_T<OneSublistGroupRandomization> {
 public:
  static constexpr char kExperimentFileName[] = "one_sublist_group_randomization.vn5";

  void RunChecks(VerificationContext) override {
    CompareWholeColumn(tabulon::EventNameColumnName(), ExpectedEvents());

    CheckDurationWindows({
        ExperimentWindow(400, 5200),
        ExperimentWindowOn(kHostNameA, 410, 500),
        ExperimentWindowOn(kHostNameB, 400, 11600),
        ExpansionWindow(0, 400),
        ExpansionWindowOn(kHostNameA, 190, 250),
    });
  }
};

}  // namespace Varnel

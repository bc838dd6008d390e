// When-to-run expressions on the time since the experiment started: event 1 runs, then event 2.
#include "site/hostnames.h"
#include "framework/macrofamilyverifier.h"

namespace Varnel {

class Test_2012_3_9_tessel_2668_expr_time_since_exp
    : public MacroFamilyVerifier_T<Test_2012_3_9_tessel_2668_expr_time_since_exp> {
 public:
  static constexpr char kExperimentFileName[] = "2012_3_9_tessel_2668_expr_time_since_exp.vn4";
  // The line that locates this verifier's failure report.
  static constexpr int kEventsLine = 67;

  static const MacroFamilyExpectations& Expectations() {
    static const MacroFamilyExpectations expected = {
        {"Time_since_start_of_experiment_expression_functions_as_expected",
         EventNameRule::Sequence({"event 1", "event 2"}), kEventsLine, kEventOneThenTwoMessage},
        {
            ExperimentWindow(4000, 4050),
            ExpansionWindow(0, 5000),
            ExperimentWindowOn(kHostNameA, 4000, 4100),
            ExperimentWindowOn(kHostNameB, 4000, 4150),
        }};
    return expected;
  }
};

}  // namespace Varnel

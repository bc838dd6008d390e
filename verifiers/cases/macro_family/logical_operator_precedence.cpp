// When-to-run expressions mixing logical operators: with the right precedence only event 1 runs.
#include "site/hostnames.h"
#include "framework/macrofamilyverifier.h"

namespace Varnel {

class Test_2012_3_9_tessel_2668_wtr_logic_op_precedence
    : public MacroFamilyVerifier_T<Test_2012_3_9_tessel_2668_wtr_logic_op_precedence> {
 public:
  static constexpr char kExperimentFileName[] = "2012_3_9_tessel_2668_wtr_logic_op_precedence.vn6";
  // The line that locates this verifier's failure report.
  static constexpr int kEventsLine = 62;

  static const MacroFamilyExpectations& Expectations() {
    static const MacroFamilyExpectations expected = {
        {kOperatorWorksTestName, EventNameRule::Contains({"event 1"}, 1), kEventsLine, kEventOneOnceMessage},
        {
            ExperimentWindow(950, 1100),
            ExpansionWindow(0, 1000),
            ExperimentWindowOn(kBuildFarmHost, 950, 1150),
        }};
    return expected;
  }
};

}  // namespace Varnel

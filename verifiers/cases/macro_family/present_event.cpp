// The present-event macro shows event 1 between two showings of event 2.
#include "site/hostnames.h"
#include "framework/macrofamilyverifier.h"

namespace Varnel {

class Test_2012_3_9_tessel_2668_macro_present_event
    : public MacroFamilyVerifier_T<Test_2012_3_9_tessel_2668_macro_present_event> {
 public:
  static constexpr char kExperimentFileName[] = "2012_3_9_tessel_2668_macro_present_event.vn4";
  // The line that locates this verifier's failure report.
  static constexpr int kEventsLine = 74;

  static const MacroFamilyExpectations& Expectations() {
    static const MacroFamilyExpectations expected = {
        {"Present_event_functions_as_expected", EventNameRule::Sequence({"event 2", "event 1", "event 2"}), kEventsLine,
         "We expected to see exactly three events, event 2, event 1, event 2 again."},
        {
            ExperimentWindow(5000, 5100),
            ExpansionWindow(0, 5000),
            ExperimentWindowOn(kHostNameA, 5000, 5190),
            ExperimentWindowOn(kHostNameB, 5000, 5200),
        }};
    return expected;
  }
};

}  // namespace Varnel

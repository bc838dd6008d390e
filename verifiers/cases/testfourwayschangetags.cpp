// A tag set first by an event and then by a trial: the event's tag keeps both values, each with its origin.
#include "verifiers/framework/wholecolumncomparison.h"

namespace Varnel {

class TestFourWaysChangeTags : public TestCaseWithFullColumnStringComp_T<TestFourWaysChangeTags> {
 public:
  static const wxString& ExperimentFileName() {
    static const wxString name = "2014-11-17_four_ways_to_change_a_tag.vn5";
    return name;
  }
  TestFourWaysChangeTags() : TestCaseWithFullColumnStringComp_T(ExperimentFileName()) {}

  // The run is too short for its duration to say anything, so there are no windows.
  void RunChecks(VerificationContext context) override {
    static const ExpectedTexts eventSet = {"", "set_by_event_first_time",
                                           "set_by_event_first_time (event)|set_by_trial_2nd_time (trial)"};
    static const ExpectedTexts trialSet = {"", "set_by_event_first_time", "set_by_trial_2nd_time"};
    CompareWholeColumn(context.reader, context.printer, "event_set", eventSet);
    CompareWholeColumn(context.reader, context.printer, "trial_set", trialSet);
  }
};

DH_VERIFIER_INSTANCE(TestFourWaysChangeTags)

}  // namespace Varnel

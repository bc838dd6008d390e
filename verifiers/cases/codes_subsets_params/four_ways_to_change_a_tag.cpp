// A tag set first by an event and then by a trial: the event's tag keeps both values, each with its origin.
#include "framework/wholecolumncomparison.h"

namespace Varnel {

class TestFourWaysChangeTags : public TestCaseWithFullColumnStringComp_T<TestFourWaysChangeTags> {
 public:
  static constexpr char kExperimentFileName[] = "2014-11-17_four_ways_to_change_a_tag.vn5";

  // The run is too short for its duration to say anything, so there are no windows.
  void RunChecks(VerificationContext) override {
    static const ExpectedTexts eventSet = {"", "set_by_event_first_time",
                                           "set_by_event_first_time (event)|set_by_trial_2nd_time (trial)"};
    static const ExpectedTexts trialSet = {"", "set_by_event_first_time", "set_by_trial_2nd_time"};
    CompareWholeColumn("event_set", eventSet);
    CompareWholeColumn("trial_set", trialSet);
  }
};

}  // namespace Varnel

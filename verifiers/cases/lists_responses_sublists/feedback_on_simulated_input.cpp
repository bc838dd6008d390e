// Feedback events triggered by simulated input: feedback must follow exactly the events that ask for it.
#include "tabulon/columnnames.h"
#include "framework/expectedtexts.h"
#include "site/hostnames.h"
#include "framework/individualtestcase.h"
#include "framework/sequencefindings.h"

namespace Varnel {

class Test_fake_input_when_resp_is_fb_test : public IndividualTestCase_T<Test_fake_input_when_resp_is_fb_test, false> {
 public:
  static constexpr char kExperimentFileName[] = "fake_input_when_resp_is_fb_test.vn5";
  // The line that locates this verifier's failure report.
  static constexpr int kFeedbackFollowsInputLine = 102;

  void RunChecks(VerificationContext) override {
    static const std::vector<wxString> expectedEvents = {"non-fb-event1, should show one fb", "feedback event a",
                                                         "non-fb-event2, should not show fb",
                                                         "non-fb-event3, should show one fb", "feedback event c"};
    const TextColumn seen = ColumnTexts(tabulon::EventNameColumnName());
    ReportOutcome(seen == expectedEvents, "Use the fake input plugin to trigger feedback events when appropriate.",
                  "Something bad happened instead.", kFeedbackFollowsInputLine,
                  // Joined in one piece rather than formatted: the found names may be a million.
                  JoinTexts(seen, "; ",
                            "We expected to see exactly five events in that order:\nnon-fb-event1, should show one fb; "
                            "feedback event a; non-fb-event2, should not show fb; non-fb-event3, should show one fb; "
                            "feedback event c\nWe got\n",
                            " instead"))
        .Otherwise([&] { return SequenceFindings(seen, expectedEvents); });

    CheckDurationWindows({
        ExperimentWindow(2100, 2300),
        ExpansionWindow(0, 5000),
        ExperimentWindowOn(kHostNameA, 2100, 2300),
        ExperimentWindowOn(kHostNameB, 2100, 2400),
    });
  }
};

}  // namespace Varnel

// Feedback that repeats a trial may do so only as often as the trial allows.
#include "tabulon/columnnames.h"
#include "site/hostnames.h"
#include "framework/wholecolumncomparison.h"

namespace Varnel {

class Test_2_15_13_limit_trial_repeats_fb_test
    : public TestCaseWithFullColumnStringComp_T<Test_2_15_13_limit_trial_repeats_fb_test> {
 public:
  static constexpr char kExperimentFileName[] = "2-15-13-limit_trial_repeats_fb_test.vn5";

  const ExpectedTexts& GetExpectedColumnTexts() const override {
    static const ExpectedTexts events = {"event w/ repeat trial fb", "event w/ repeat trial fb",
                                         "event w/ repeat trial fb, seen once", "event w/ repeat trial fb",
                                         "final event"};
    return events;
  }
  const wxString& GetComparedColumnName() const override { return tabulon::EventNameColumnName(); }

  void RunChecks(VerificationContext context) override {
    TestCaseWithFullColumnStringComp_T::RunChecks(context);
    CheckDurationWindows({
        ExperimentWindow(2500, 2700),
        ExpansionWindow(20, 40),
        ExpansionWindowOn(kBuildFarmHost, 60, 100),
    });
  }
};

}  // namespace Varnel

// An endless block loop: the host's loop guard must stop it after the expected events.
#include "tabulon/columnnames.h"
#include "framework/individualtestcase.h"
#include "framework/sequencefindings.h"

namespace Varnel {

class Test_2012_3_16_tessel_2670_loop_guard_block_level
    : public IndividualTestCase_T<Test_2012_3_16_tessel_2670_loop_guard_block_level, false> {
 public:
  static constexpr char kExperimentFileName[] = "2012_3_16_tessel_2670_loop_guard_block_level.vn6";
  // The line that locates this verifier's failure report.
  static constexpr int kLoopGuardLine = 92;

  // No duration windows: how long the guarded loop runs is not the point.
  void RunChecks(VerificationContext) override {
    static const std::vector<wxString> expectedEvents = {"event 1", "event 2", "event 1",
                                                         "event 2", "event 1", "event 3"};
    const TextColumn events = ColumnTexts(tabulon::EventNameColumnName());
    ReportOutcome(events == expectedEvents, "The_loop_guard_works", "Something bad happened instead.", kLoopGuardLine,
                  "Can we even get this fail message? I mean if the loop guard has stopped working then we "
                  "should've never finished the experiment. I guess we might still be capable of seeing this.")
        .Otherwise([&] { return SequenceFindings(events, expectedEvents); });
  }
};

}  // namespace Varnel

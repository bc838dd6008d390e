// Three trials take their text colour at random from three levels without replacement: all three must show.
#include "site/hostnames.h"
#include "framework/individualtestcase.h"
#include "framework/sequencefindings.h"
#include "framework/triallevelchecks.h"

namespace Varnel {

class Test_2012_4_25_random_color_trial_level_test
    : public IndividualTestCase_T<Test_2012_4_25_random_color_trial_level_test, false> {
 public:
  static constexpr char kExperimentFileName[] = "2012-4-25_random_color_trial_level_test.vn4";
  // The line that locates this verifier's failure report.
  static constexpr int kAllTrialsPresentedLine = 67;

  void RunChecks(VerificationContext) override {
    static const std::vector<wxString> colours = {"Red", "Yellow", "Green"};
    const TextColumn cells = ColumnTexts("Text color\n(Trial Variable)");
    ReportOutcome(EveryLevelOccurs(cells, colours), "Test_didnt_randomly_break_and_all_trials_were_presented",
                  "Something bad happened instead.", kAllTrialsPresentedLine,
                  "We expected to see three events with three different values of the trial variable.")
        .Otherwise([&] { return "levels counted: " + LevelCounts(cells, colours) + "; rows:" + CellsShown(cells); });

    CheckDurationWindows({
        ExperimentWindow(1500, 1600),
        ExpansionWindow(0, 5000),
        ExperimentWindowOn(kHostNameA, 1500, 1620),
        ExperimentWindowOn(kHostNameB, 1500, 1700),
    });
  }
};

}  // namespace Varnel

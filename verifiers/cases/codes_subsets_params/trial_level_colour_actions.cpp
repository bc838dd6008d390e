// Trial-level actions that set the colour variable: the first six rows cycle red, green, blue twice.
#include "tabulon/muinterfacemultiexperimentdatasource.h"
#include "framework/expectedcelltable.h"
#include "site/hostnames.h"
#include "framework/individualtestcase.h"

namespace Varnel {

class Test_3002_spec_trial_level_actions_expressions
    : public IndividualTestCase_T<Test_3002_spec_trial_level_actions_expressions, false> {
 public:
  static constexpr char kExperimentFileName[] = "3002_spec_trial_level_actions_expressions.vn5";
  // The line that locates this verifier's failure report.
  static constexpr int kColourCycleLine = 83;

  // Only the first six rows are looked at; the row count itself is not part of the rule.
  void RunChecks(VerificationContext) override {
    static const ExpectedCellTable colours = {{"color\n(Trial Variable)"},
                                              {{"red"}, {"green"}, {"blue"}, {"red"}, {"green"}, {"blue"}}};
    ReportOutcome(AllCellsMatch(*reader, colours),
                  "Having_events_presented_with_the_right_color_variables_in_specific_order",
                  "Something bad happened instead.", kColourCycleLine,
                  "We expected RGBRGB to show up in the data file in that precise order")
        .Otherwise([&] { return CellTableFindings(*reader, colours); });

    CheckDurationWindows({
        ExperimentWindow(3000, 3300),
        ExpansionWindow(0, 5000),
        ExperimentWindowOn(kHostNameA, 3000, 3200),
        ExperimentWindowOn(kHostNameB, 3100, 3700),
    });
  }
};

}  // namespace Varnel

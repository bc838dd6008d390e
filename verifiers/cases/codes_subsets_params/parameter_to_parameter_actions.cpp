// Parameters modified by actions from the values of other parameters, over three events.
#include "tabulon/muinterfacemultiexperimentdatasource.h"
#include "framework/expectedcelltable.h"
#include "site/hostnames.h"
#include "framework/individualtestcase.h"

namespace Varnel {

class Test_9_25_13_all_param2param_actions : public IndividualTestCase_T<Test_9_25_13_all_param2param_actions, false> {
 public:
  static constexpr char kExperimentFileName[] = "9_25_13_all_param2param_actions.vn5";
  // The line that locates this verifier's failure report.
  static constexpr int kParametersModifiedLine = 125;

  void RunChecks(VerificationContext) override {
    static const ExpectedCellTable parameters = {
        {"Counter 1", "Counter 2", "Counter 3", "Bonus Counter", "Text 1", "Text 2", "Text 3"},
        {{"1", "2", "3", "123", "one!", "two!", "three!"},
         {"123", "-121", "6", "123", "two!", "two!three!", "three!"},
         {"123", "-244", "12", "123", "two!three!", "two!three!three!", "three!"}}};
    ReportOutcome(AllCellsMatch(*reader, parameters), "Having_parameters_get_modified_by_values_in_other_parameters",
                  "Something bad happened instead.", kParametersModifiedLine,
                  "We expected very  specific values to be in the parameter cells, at least one of them wasn't "
                  "right.")
        .Otherwise([&] { return CellTableFindings(*reader, parameters); });

    CheckDurationWindows({
        ExperimentWindow(1500, 1620),
        ExpansionWindow(20, 50),
        ExpansionWindowOn(kBuildFarmHost, 50, 100),
    });
  }
};

}  // namespace Varnel

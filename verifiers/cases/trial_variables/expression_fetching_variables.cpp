// A trial-variable expression that fetches another variable's value: the fetched colours land on every third row.
#include "framework/expectedtexts.h"
#include "site/hostnames.h"
#include "framework/wholecolumncomparison.h"

namespace Varnel {

class TestTrialExpressionInteractionWithFetchVars
    : public TestCaseWithFullColumnStringComp_T<TestTrialExpressionInteractionWithFetchVars> {
 public:
  static constexpr char kExperimentFileName[] = "tessel_2807_test.vn5";

  const wxString& GetComparedColumnName() const override {
    static const wxString column = "Test_Variable\n(Trial Variable)";
    return column;
  }

  // Each colour is fetched once per three trials; the two trials after it have no value.
  const ExpectedTexts& GetExpectedColumnTexts() const override {
    static const ExpectedTexts colours = [] {
      const ExpectedTexts block = ExpectedTextsBuilder()
                                      .Run("Red")
                                      .Run("", 2)
                                      .Run("Orange")
                                      .Run("", 2)
                                      .Run("Yellow")
                                      .Run("", 2)
                                      .Run("Green")
                                      .Run("", 2)
                                      .Build();
      const ExpectedTexts firstHalf(block.begin(), block.begin() + 6);
      return ExpectedTextsBuilder().Sequence(block, 2).Sequence(firstHalf).Build();
    }();
    return colours;
  }

  void RunChecks(VerificationContext context) override {
    TestCaseWithFullColumnStringComp_T::RunChecks(context);

    CheckDurationWindows({
        ExperimentWindow(1500, 1700),
        ExpansionWindow(0, 1000),
        ExperimentWindowOn(kBuildFarmHost, 1600, 1825),
    });
  }
};

}  // namespace Varnel

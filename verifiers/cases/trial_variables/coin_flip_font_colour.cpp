// Each trial flips a coin between a blue and a red font colour: about half of the rows must be blue.
#include "site/hostnames.h"
#include "framework/individualtestcase.h"
#include "framework/triallevelchecks.h"
#include "tabulon/decimaltext.h"
#include <algorithm>

namespace Varnel {

class Test_2011_11_1_tessel_2552_Randomization
    : public IndividualTestCase_T<Test_2011_11_1_tessel_2552_Randomization, false> {
 public:
  static constexpr char kExperimentFileName[] = "2011-11-1_tessel_2552_Randomization.vn4";
  // The line that locates this verifier's failure report.
  static constexpr int kCoinFlipLine = 65;

  void RunChecks(VerificationContext) override {
    CheckCoinFlips();

    CheckDurationWindows({
        ExpansionWindow(250, 700),
        ExpansionWindowOn(kBuildFarmHost, 900, 1000),
    });
  }

 private:
  // The proportion is a single-precision quotient, so 43 or 57 blue rows of 100 lie just inside the bounds,
  // which are compared in double precision. The pass carries the percentage, truncated towards zero.
  void CheckCoinFlips() {
    static const wxString testName = "Experiment_is_a_bunch_of_coinflips_as_expected";
    const TextColumn colours = ColumnTexts("Font Color\n(Trial Variable)");
    const float blue = ProportionOfCellsEqualTo(colours, "Blue");
    const double proportion = blue;
    if (0.43 < proportion && proportion < 0.57) {
      ReportPass(wxString::Format("%s_and_percent_was_%d", testName, static_cast<int>(blue * 100.0f)));
      return;
    }
    ReportFailure(testName, "The trial variable Font Color occurs too often or not often enough", kCoinFlipLine,
                  "We expected very close to a proportion of 0.50 blue to red. Instead, we got " +
                      tabulon::FixedDecimal(proportion, 6) + ".")
        << wxString::Format("%d of %d rows hold {Blue}; more than 43%% and fewer than 57%% expected",
                            static_cast<int>(std::count(colours.begin(), colours.end(), "Blue")),
                            static_cast<int>(colours.size()));
  }
};

}  // namespace Varnel

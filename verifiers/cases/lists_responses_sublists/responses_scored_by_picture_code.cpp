// Responses scored by the code of the picture shown: one code is never answered, the other always correctly.
#include "framework/expectedtexts.h"
#include "site/hostnames.h"
#include "framework/wholecolumncomparison.h"

namespace Varnel {

namespace {

const wxString kPicCodeColumn = "pic_code";
const wxString kErrorCodeColumn = "Error\nCode";
const wxString kCode1 = "value_01";
const wxString kCode2 = "value_02";

const ExpectedTexts& ExpectedCodes() {
  static const ExpectedTexts codes = ExpectedTextsBuilder().Sequence({kCode1, kCode2}, 2).Build();
  return codes;
}

}  // namespace

class TestCodeBasedResponses_2545 : public TestCaseWithFullColumnStringComp_T<TestCodeBasedResponses_2545> {
 public:
  static constexpr char kExperimentFileName[] = "2011-10-20_responses_personality_disorder_2545.vn4";
  // The lines that locate this verifier's failures, one per reporting site.
  static constexpr int kCodeOneUnansweredLine = 103;
  static constexpr int kCodeTwoCorrectLine = 116;
  static constexpr int kValidCodesLine = 125;

  void RunChecks(VerificationContext) override {
    CompareWholeColumn(kPicCodeColumn, ExpectedCodes());
    CheckScoresByCode();

    CheckDurationWindows({
        ExperimentWindow(1600, 1780),
        ExpansionWindow(20, 50),
        ExpansionWindowOn(kBuildFarmHost, 50, 100),
    });
  }

 private:
  // Every row is examined; each rule reports once, with the first row that broke it as its finding. Codes and
  // scores are compared case-sensitively.
  void CheckScoresByCode() {
    const TextColumn codes = ColumnTexts(kPicCodeColumn);
    const TextColumn scores = ColumnTexts(kErrorCodeColumn);
    wxString code1Wrong, code2Wrong, invalidCode;
    for (size_t row = 0; row < codes.size(); ++row) {
      if (codes[row] == kCode1) {
        if (scores[row] != "NR" && code1Wrong.empty()) code1Wrong = ScoreFinding(row, codes[row], scores[row], "NR");
      } else if (codes[row] == kCode2) {
        if (scores[row] != "C" && code2Wrong.empty()) code2Wrong = ScoreFinding(row, codes[row], scores[row], "C");
      } else if (invalidCode.empty()) {
        invalidCode = wxString::Format("row %d holds the code {%s}; valid are {%s} and {%s}", static_cast<int>(row),
                                       codes[row], kCode1, kCode2);
      }
    }
    ReportWithFinding(code1Wrong, "Events_with_val_1_should_be_NR", "Some row with code value 1 is scored wrong.",
                      kCodeOneUnansweredLine, "All rows with code value 1 should be scored as NR for this experiment.");
    ReportWithFinding(code2Wrong, "Events_with_val_2_should_be_Correct", "Some row with code value 2 is scored wrong.",
                      kCodeTwoCorrectLine,
                      "All rows with code value 2 should be scored as C -- CORRECT -- for this experiment.");
    if (!invalidCode.empty()) {
      ReportFailure("All_rows_must_have_valid_code_value",
                    "Some row was present that did not have EITHER of the two valid code values.", kValidCodesLine,
                    "All events in this experiment were given a code value, so every row in the output should "
                    "reflect that.")
          << invalidCode;
    }
  }

  static wxString ScoreFinding(size_t row, const wxString& code, const wxString& score, const char* wanted) {
    return wxString::Format("row %d: code {%s} scored {%s}, expected {%s}", static_cast<int>(row), code, score, wanted);
  }

  // A pass when nothing was found wrong, else the failure with what was found.
  void ReportWithFinding(const wxString& finding, const wxString& testName, const wxString& subject, int line,
                         const wxString& message) {
    ReportOutcome(finding.empty(), testName, subject, line, message) << finding;
  }
};

}  // namespace Varnel

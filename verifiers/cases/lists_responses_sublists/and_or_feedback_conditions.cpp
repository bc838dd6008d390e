// Feedback shown only where its and/or condition holds: the events reveal how the host ranks the operators.
#include "tabulon/columnnames.h"
#include "framework/expectedtexts.h"
#include "site/hostnames.h"
#include "framework/wholecolumncomparison.h"
#include <set>

namespace Varnel {

namespace {

// The label of event n: "a" to "z", then "aa", "bb", "cc".
wxString EventLabel(int n) {
  const wxString letter(static_cast<wxChar>('a' + (n - 1) % 26));
  return n <= 26 ? letter : letter + letter;
}

const ExpectedTexts& ExpectedEvents() {
  static const ExpectedTexts events = [] {
    // The events whose condition holds, and so are followed by feedback.
    const std::set<int> withFeedback = {1, 2, 3, 4, 5, 6, 7, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 26, 28};
    ExpectedTextsBuilder builder;
    int feedbackCount = 0;
    for (int n = 1; n <= 29; ++n) {
      builder.Run(wxString::Format("event (%d, %s)", n, EventLabel(n)));
      if (withFeedback.count(n) > 0) builder.Run(wxString::Format("feedback event (%d, T%d)", n, ++feedbackCount));
    }
    return builder.Build();
  }();
  return events;
}

}  // namespace

class TestBooleanExpressionOperatorPrecedence
    : public TestCaseWithFullColumnStringComp_T<TestBooleanExpressionOperatorPrecedence> {
 public:
  static constexpr char kExperimentFileName[] = "2013-05-14_and_or_expression_evaluation.vn5";

  const ExpectedTexts& GetExpectedColumnTexts() const override { return ExpectedEvents(); }
  const wxString& GetComparedColumnName() const override { return tabulon::EventNameColumnName(); }

  void RunChecks(VerificationContext context) override {
    TestCaseWithFullColumnStringComp_T::RunChecks(context);

    CheckDurationWindows({
        ExperimentWindow(49, 1750),
        ExperimentWindowOn(kHostNameB, 1500, 2600),
        ExperimentWindowOn(kHostNameA, 200, 1200),
        ExpansionWindow(0, 5000),
    });
  }
};

}  // namespace Varnel

// Trial-variable expressions in macro rules: before any level is applied they see the first level; afterwards
// they see the level the host actually selected, for each of three selection modes.
#include "tabulon/muinterfacemultiexperimentdatasource.h"
#include "tabulon/columnnames.h"
#include "site/hostnames.h"
#include "framework/triallevelchecks.h"
#include "framework/wholecolumncomparison.h"

namespace Varnel {

namespace {

const wxString kPositionOne = "detected position one";
const wxString kPositionTwo = "detected position two";

// One selection mode: the rows that carry the variable's level, each followed by the event the rule presented.
struct LevelFollowingCheck {
  wxString testName;
  wxString variableColumn;
  std::vector<int> levelRows;
  wxString subject;
  int line;
};

const std::vector<LevelFollowingCheck>& LevelFollowingChecks() {
  static const std::vector<LevelFollowingCheck> checks = {
      {"TestExpressionResultsUsingNoRepl",
       "positions - R noRepl\n(Trial Variable)",
       {32, 35, 38, 41, 44, 47, 50},
       "bad behavior of trial variable expressions with selection rand no repl",
       157},
      {"TestExpressionResultsUsingSequential",
       "positions - Seq\n(Trial Variable)",
       {54, 57, 60, 63, 66, 69, 72},
       "bad behavior of trial variable expressions with selection sequential",
       182},
      {"TestExpressionResultsUsingWithRepl",
       "positions - R wRepl\n(Trial Variable)",
       {76, 79, 82, 85, 88, 91, 94},
       "bad behavior of trial variable expressions with selection rand with repl",
       207},
  };
  return checks;
}

}  // namespace

class TestTrialVariableLevelsExpressions
    : public TestCaseWithFullColumnStringComp_T<TestTrialVariableLevelsExpressions> {
 public:
  static constexpr char kExperimentFileName[] = "2013-11-15_trial_level_expressions.vn5";
  // The line that locates this verifier's failure report.
  static constexpr int kBeforeAnyLevelLine = 93;

  void RunChecks(VerificationContext) override {
    const int eventColumn = reader->GetColumnIndex(tabulon::EventNameColumnName());
    CheckResultsBeforeAnyLevelIsUsed(eventColumn);
    for (const LevelFollowingCheck& check : LevelFollowingChecks()) CheckLevelFollowing(eventColumn, check);

    CheckDurationWindows({
        ExperimentWindow(360, 780),
        ExpansionWindow(10, 120),
        ExperimentWindowOn(kBuildFarmHost, 360, 2250),
        ExpansionWindowOn(kBuildFarmHost, 100, 225),
    });
  }

 private:
  void CheckResultsBeforeAnyLevelIsUsed(int eventColumn) {
    static const int rows[] = {3, 5, 7, 9, 13, 15, 17, 19, 23, 25, 27, 29};
    for (int row : rows) {
      if (reader->GetCellText(row, eventColumn) != kPositionOne) {
        ReportFailure("TestExpressionResultsPriorToAnyLevelUsage",
                      "bad behavior of trial variable expressions prior to any selections", kBeforeAnyLevelLine,
                      "before anything in the experiment has APPLIED any variable value the expression should "
                      "determine we are at the first level")
            << wxString::Format("row %d holds {%s}, expected {%s}", row, reader->GetCellText(row, eventColumn),
                                kPositionOne);
        return;
      }
    }
    ReportPass("TestExpressionResultsPriorToAnyLevelUsage");
  }

  void CheckLevelFollowing(int eventColumn, const LevelFollowingCheck& check) {
    static const std::vector<LevelAndEvent> levelEvents = {{"one", kPositionOne}, {"two", kPositionTwo}};
    const int levelColumn = reader->GetColumnIndex(check.variableColumn);
    const wxString problem =
        FirstLevelNotFollowedByItsEvent(*reader, levelColumn, eventColumn, check.levelRows, levelEvents);
    ReportOutcome(problem.empty(), check.testName, check.subject, check.line,
                  "trial variable expressions in rules do not seem to evaluate according to where the position "
                  "level actually went")
        << problem;
  }
};

}  // namespace Varnel

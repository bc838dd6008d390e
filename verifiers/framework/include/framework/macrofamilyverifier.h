#pragma once
#include "framework/textcolumn.h"
// What the verifiers of the macro and when-to-present experiments of case 2668 share. Each of those experiments
// presents events named "event 1", "event 2" and "event 3", and the macro or rule under test decides which of
// them run; so a verifier only looks at which event names the data file holds, in which rows, and how many
// rows there are, then asserts its duration windows.
#include "tabulon/columnnames.h"
#include "framework/durationwindows.h"
#include "framework/individualtestcase.h"
#include "framework/wholecolumncomparison.h"
#include <vector>
#include <wx/string.h>

namespace Varnel {

// What the "Event\nName" column of a run must show. A run without rows never follows a rule.
class EventNameRule {
 public:
  // Exactly these names, one per row, in this order.
  static EventNameRule Sequence(const ExpectedTexts& names);
  // Each of these names in at least one row, whichever, and exactly this many rows.
  static EventNameRule Contains(const ExpectedTexts& names, int rowCount);
  // Exactly this many rows, whatever they hold.
  static EventNameRule Rows(int rowCount);

  // Whether the event names of a run, in row order, follow the rule. Names compare exactly, case included.
  bool HeldBy(const TextColumn& eventNames) const;
  // What a run that broke the rule held, against what the rule wanted, for the diagnostics.
  std::vector<wxString> Findings(const TextColumn& eventNames) const;

 private:
  enum class Kind { Sequence, Contains, Rows };
  EventNameRule(Kind kind, const ExpectedTexts& names, int expectedRows);

  Kind kind_;
  ExpectedTexts names_;
  int rowCount_;
};

// A verifier's one event check: reported under testName, and when it fails, with the family's subject, the
// site's line and this message.
struct EventCheck {
  wxString testName;
  EventNameRule rule;
  int line;
  wxString message;
};

struct MacroFamilyExpectations {
  EventCheck events;
  DurationWindows durations;
};

// The subject of every failed event check of the family.
extern const wxString kMacroFamilySubject;

// Test names and messages that several experiments of the family report under; each report still belongs to
// the suite and location of the experiment that was verified.
extern const wxString kOperatorWorksTestName;
extern const wxString kRepeatBlockTestName;
extern const wxString kGoToBlockAnyTestName;
extern const wxString kGoToBlockAnyMessage;
extern const wxString kEventOneOnceMessage;
extern const wxString kEventOneThenTwoMessage;

// The base of the family's verifiers. T supplies its kExperimentFileName and a static Expectations()
// (a function-local static built on first use); Base is IndividualTestCase_T, or the whole-column template for
// members that compare further columns in RunFurtherChecks.
template <typename T, typename Base = IndividualTestCase_T<T, false>>
class MacroFamilyVerifier_T : public Base {
 public:
  // The event check, what the member adds, then the duration windows.
  void RunChecks(VerificationContext) override {
    const MacroFamilyExpectations& expected = T::Expectations();
    CheckEventNames(expected.events);
    RunFurtherChecks();
    this->CheckDurationWindows(expected.durations);
  }

 protected:
  virtual void RunFurtherChecks() {}

 private:
  void CheckEventNames(const EventCheck& check) {
    const TextColumn eventNames = this->ColumnTexts(tabulon::EventNameColumnName());
    this->ReportOutcome(check.rule.HeldBy(eventNames), check.testName, kMacroFamilySubject, check.line, check.message)
        .Otherwise([&] { return check.rule.Findings(eventNames); });
  }
};

}  // namespace Varnel

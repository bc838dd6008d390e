#include "framework/macrofamilyverifier.h"
#include "framework/sequencefindings.h"
#include <algorithm>

namespace Varnel {

namespace {

// "{a}, {b}, {c}", or "none".
wxString BracedList(const TextColumn& texts) {
  return texts.empty() ? wxString("none") : ListedTexts(texts, "{", ", ", "}");
}

}  // namespace

const wxString kMacroFamilySubject = "Something bad happened instead.";

const wxString kOperatorWorksTestName = "The_greater_or_equal_to_operator_works";
const wxString kRepeatBlockTestName = "Repeat_block_functions_as_expected";
const wxString kGoToBlockAnyTestName = "Go_to_block_any_functions_as_expected";
const wxString kGoToBlockAnyMessage =
    "We expected to see exactly two events, event 1 and event 3, as the block containing event 1 was set to "
    "present the block containing event 3.";
const wxString kEventOneOnceMessage =
    "We expected to see event 1 once. I really hope this test never fails. Wow I'm really curious what happens in "
    "varnel right now.";
const wxString kEventOneThenTwoMessage =
    "We expected to see event 1 once and event 2 also once as that's what the macro is set up to do.";

EventNameRule::EventNameRule(Kind ruleKind, const ExpectedTexts& expectedNames, int expectedRows)
    : kind_(ruleKind), names_(expectedNames), rowCount_(expectedRows) {}

EventNameRule EventNameRule::Sequence(const ExpectedTexts& names) {
  return EventNameRule(Kind::Sequence, names, static_cast<int>(names.size()));
}

EventNameRule EventNameRule::Contains(const ExpectedTexts& names, int rowCount) {
  return EventNameRule(Kind::Contains, names, rowCount);
}

EventNameRule EventNameRule::Rows(int rowCount) { return EventNameRule(Kind::Rows, {}, rowCount); }

bool EventNameRule::HeldBy(const TextColumn& eventNames) const {
  if (eventNames.empty() || static_cast<int>(eventNames.size()) != rowCount_) return false;
  switch (kind_) {
    case Kind::Sequence:
      return eventNames == names_;
    case Kind::Contains:
      return std::all_of(names_.begin(), names_.end(), [&](const wxString& name) {
        return std::find(eventNames.begin(), eventNames.end(), name) != eventNames.end();
      });
    case Kind::Rows:
      return true;
  }
  return false;
}

std::vector<wxString> EventNameRule::Findings(const TextColumn& eventNames) const {
  std::vector<wxString> findings = {
      wxString::Format("found %d rows, expected %d", static_cast<int>(eventNames.size()), rowCount_),
      "event names found: " + BracedList(eventNames)};
  if (kind_ == Kind::Sequence) findings.push_back("event names expected in this order: " + BracedList(names_));
  if (kind_ == Kind::Contains) {
    std::vector<wxString> missing;
    for (const wxString& wanted : names_) {
      if (std::find(eventNames.begin(), eventNames.end(), wanted) == eventNames.end()) missing.push_back(wanted);
    }
    findings.push_back("event names expected somewhere: " + BracedList(names_) + "; missing: " + BracedList(missing));
  }
  return findings;
}

}  // namespace Varnel

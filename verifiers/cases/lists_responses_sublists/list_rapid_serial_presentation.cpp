// A list presented as rapid serial sub-events, randomized per group: every item's sub-events, in order, under
// the trial of that item.
#include "tabulon/columnnames.h"
#include "framework/expectedtexts.h"
#include "site/hostnames.h"
#include "framework/wholecolumncomparison.h"

namespace Varnel {

namespace {

// One list item as the host presents it: the item's text split into sub-events, under the item's trial.
struct RsvpItem {
  wxString group;  // "a" or "b", the event and trial prefix
  int position;
  wxString text;  // the item as the event name shows it; the backslash is part of the text
  int subEvents;
};

const std::vector<RsvpItem>& PresentedItems() {
  static const wxString one = "(1, (1) aaa\\(1) bbb\\(1) ccc)", two = "(2, (2) ddd\\(2) eee)",
                        three = "(3, (3) a a b b\\(3) two)", four = "(4, (4) d d e e\\(4) three)";
  static const std::vector<RsvpItem> items = {{"a", 3, three, 2}, {"a", 1, one, 3},  {"a", 4, four, 2},
                                              {"a", 2, two, 2},   {"b", 4, four, 2}, {"b", 2, two, 2},
                                              {"b", 1, one, 3},   {"b", 3, three, 2}};
  return items;
}

const ExpectedTexts& ExpectedEvents() {
  static const ExpectedTexts events = [] {
    ExpectedTextsBuilder builder;
    for (const RsvpItem& item : PresentedItems()) {
      for (int k = 1; k <= item.subEvents; ++k) {
        builder.Run(wxString::Format("[SubEvent %d] %s %s", k, item.group, item.text));
      }
    }
    return builder.Build();
  }();
  return events;
}

const ExpectedTexts& ExpectedTrials() {
  static const ExpectedTexts trials = [] {
    ExpectedTextsBuilder builder;
    for (const RsvpItem& item : PresentedItems()) {
      builder.Run(wxString::Format("%s - random PER GROUP, %d", item.group, item.position), item.subEvents);
    }
    return builder.Build();
  }();
  return trials;
}

}  // namespace

class TestListTypeRSVP : public TestCaseWithFullColumnStringComp_T<TestListTypeRSVP> {
 public:
  static constexpr char kExperimentFileName[] = "2014-08-14_list_SPR_and_RSVP.vn5";

  void RunChecks(VerificationContext) override {
    CompareWholeColumn(tabulon::EventNameColumnName(), ExpectedEvents());
    CompareWholeColumn(tabulon::TrialNameColumnName(), ExpectedTrials());

    CheckDurationWindows({
        ExperimentWindow(396, 460),
        ExperimentWindowOn(kBuildFarmHost, 396, 525),
        ExpansionWindow(35, 70),
        ExpansionWindowOn(kBuildFarmHost, 100, 175),
    });
  }
};

}  // namespace Varnel

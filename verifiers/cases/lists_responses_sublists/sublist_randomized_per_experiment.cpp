// A five-item sublist randomized over the experiment: the run presents four of the items, in list order.
#include "tabulon/columnnames.h"
#include "site/hostnames.h"
#include "framework/randomselectionrules.h"
#include "framework/wholecolumncomparison.h"

namespace Varnel {

namespace {

const std::vector<wxString>& SublistItems() {
  static const std::vector<wxString> items = {"e (1, 1)", "e (2, 2)", "e (3, 3)", "e (4, 4)", "e (5, 5)"};
  return items;
}

constexpr int kItemsPresented = 4;

}  // namespace

class OneSublistExpRandomization : public TestCaseWithFullColumnStringComp_T<OneSublistExpRandomization> {
 public:
  static constexpr char kExperimentFileName[] = "one_sublist_exp_randomization.vn5";
  // The line that locates this verifier's failure report.
  static constexpr int kSublistItemsInOrderLine = 106;

  void RunChecks(VerificationContext) override {
    CheckOrderedSubsetOfItems();

    CheckDurationWindows({
        ExperimentWindow(400, 5200),
        ExperimentWindowOn(kHostNameA, 410, 500),
        ExperimentWindowOn(kHostNameB, 400, 11600),
        ExpansionWindow(0, 400),
        ExpansionWindowOn(kHostNameA, 200, 300),
    });
  }

 private:
  void CheckOrderedSubsetOfItems() {
    const TextColumn events = ColumnTexts(tabulon::EventNameColumnName());
    const int matched = CountOrderedSubsetMatches(events, SublistItems());
    ReportOutcome(matched == kItemsPresented, "Test_Correct_Amt_of_Sublist_Items_and_in_Order",
                  "Mismatch in data cells in datafile.", kSublistItemsInOrderLine,
                  wxString::Format("The column contents weren't an ordered subset of the given items. We matched "
                                   "%d/%d items. Either they were our of order or there were too few or too many or "
                                   "something else went wrong.",
                                   matched, kItemsPresented))
        .Otherwise([&] {
          std::vector<wxString> findings = {
              wxString::Format("found %d rows, expected %d", static_cast<int>(events.size()), kItemsPresented)};
          if (matched < static_cast<int>(events.size())) {
            findings.push_back(
                wxString::Format("row %d holds {%s}, the first row that does not continue the ordered subset", matched,
                                 events[matched]));
          }
          return findings;
        });
  }
};

}  // namespace Varnel

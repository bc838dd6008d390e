// Long inter-stimulus intervals: pairs of time stamps whose distance grows from 10 ms to 800 ms.
#include "tabulon/muinterfacemultiexperimentdatasource.h"
#include "tabulon/columnnames.h"
#include "framework/expectedtexts.h"
#include "site/hostnames.h"
#include "framework/individualtestcase.h"
#include "framework/wholecolumncomparison.h"
#include "framework/wholenumbercells.h"

namespace Varnel {

namespace {

const ExpectedTexts& ExpectedEvents() {
  static const ExpectedTexts events = ExpectedTextsBuilder().Sequence({"timestamp-002", "timestamp-003"}, 17).Build();
  return events;
}

// The interval between the two time stamps of each pair, in pair order.
const std::vector<long>& ExpectedIntervalsMs() {
  static const std::vector<long> intervals = {10,  20,  30,  40,  50,  60,  70,  80, 90,
                                              100, 200, 300, 400, 500, 600, 700, 800};
  return intervals;
}

// How far a measured interval may be from the expected one, inclusive.
const long kIntervalToleranceMs = 10;

}  // namespace

class TestISI : public TestCaseWithFullColumnStringComp_T<TestISI> {
 public:
  static constexpr char kExperimentFileName[] = "2015-10-29_test_long_isi.vn5";
  // The lines that locate this verifier's failures, one per reporting site.
  static constexpr int kNonNumericTimeLine = 150;
  static constexpr int kIntervalLine = 174;

  void RunChecks(VerificationContext) override {
    CompareWholeColumn(tabulon::EventNameColumnName(), ExpectedEvents());
    CheckIntervals();

    CheckDurationWindows({
        ExperimentWindow(4084, 5000),
        ExperimentWindowOn(kHostNameA, 4084, 5000),
        ExperimentWindowOn(kHostNameB, 4084, 5000),
    });
  }

 private:
  // Each pair's interval from the cumulative time; one failure per interval that is off, a pass only when all are
  // right. A time that is no number ends the check, as the later intervals cannot be measured reliably.
  void CheckIntervals() {
    const int timeColumn = reader->GetColumnIndex(kCumulativeTimeColumn);
    const std::vector<long>& expected = ExpectedIntervalsMs();
    size_t good = 0;
    for (size_t i = 0; i < expected.size(); ++i) {
      const int row = static_cast<int>(2 * i + 1);
      const std::optional<long> before = ReadWholeNumberCell(*reader, row - 1, timeColumn);
      const std::optional<long> after = before ? ReadWholeNumberCell(*reader, row, timeColumn) : std::nullopt;
      if (!before || !after) {
        ReportFailure("NON_NUMERIC_TIME_VALUE", "Cum time string should always be convertible to a number",
                      kNonNumericTimeLine,
                      "we called the wx function ToLong on a string, and it failed to produce a number")
            << wxString::Format("rows %d and %d hold the cumulative times {%s} and {%s}", row - 1, row,
                                reader->GetCellText(row - 1, timeColumn), reader->GetCellText(row, timeColumn));
        return;
      }
      const long measured = Difference(*after, *before);
      if (Distance(expected[i], measured) > kIntervalToleranceMs) {
        ReportFailure("UNEXPECTED_ISI_VALUE", "Cum time on some row reflects an unexpected ISI__see details",
                      kIntervalLine,
                      wxString::Format("the isi leading to row %d should have an isi of %ld but we found %ld", row,
                                       expected[i], measured))
            << wxString::Format("measured %ld ms from row %d to row %d; expected %ld ms, give or take %ld", measured,
                                row - 1, row, expected[i], kIntervalToleranceMs);
        continue;
      }
      ++good;
    }
    if (good == expected.size()) ReportPass("ISI_LENGTHS_OK");
  }
};

}  // namespace Varnel

// Trials synchronised to a clock: a time stamp follows every event, and each time stamp falls a whole number of
// the previous event's sync intervals after the time stamp before it.
#include "tabulon/muinterfacemultiexperimentdatasource.h"
#include "tabulon/columnnames.h"
#include "site/runningonsitemachine.h"
#include "framework/individualtestcase.h"
#include "framework/wholecolumncomparison.h"
#include "framework/wholenumbercells.h"
#include <algorithm>
#include <climits>

namespace Varnel {

namespace {

// The events of the experiment, told apart by the first three characters of their names.
struct SyncEvent {
  const char* prefix;
  long intervalMs;       // the clock the event's trial is synchronised to
  int contentCheckLine;  // the reporting site of its content count
  std::vector<int> allowedCounts;
};

const std::vector<SyncEvent>& SyncEvents() {
  static const std::vector<SyncEvent> events = {
      {"the", 300, 322, {7}}, {"ee1", 300, 332, {1}},    {"ee2", 300, 342, {1}},    {"ee3", 300, 352, {1}},
      {"b (", 400, 362, {3}}, {"c (", 300, 372, {0, 3}}, {"d (", 400, 382, {3, 6}}, {"e (", 300, 392, {6}},
  };
  return events;
}

const wxString kTimeStampPrefix = "tim";
const wxString kIgnoredPrefix = "***";
// A time stamp may come up to this many sync intervals after the one before it.
const long kMostIntervalsBetweenTimeStamps = 20;

// The first of the experiment's events whose prefix the given one contains, or -1.
int FindSyncEvent(const wxString& prefix) {
  const std::vector<SyncEvent>& events = SyncEvents();
  for (size_t i = 0; i < events.size(); ++i) {
    if (prefix.Contains(events[i].prefix)) return static_cast<int>(i);
  }
  return -1;
}

// Decided once per process: one machine's clock is known to be a little less exact.
long TimeStampToleranceMs() {
  static const long tolerance = IsRunningOnHost(kHostNameB) ? 6 : 5;
  return tolerance;
}

// Numbers the time-stamp checks of the whole process, so that each has its own test name across runs.
int NextTimeStampCheckNumber() {
  static int checks = 0;
  return ++checks;
}

// The smallest distance of current from prior plus k intervals, k = 1 to 20, as soon as one is within tolerance.
long BestTimeStampDistance(long prior, long current, long interval) {
  long best = LONG_MAX;
  for (long k = 1; k <= kMostIntervalsBetweenTimeStamps; ++k) {
    const long distance = Distance(Difference(current, prior), k * interval);
    if (distance < best) best = distance;
    if (best <= TimeStampToleranceMs()) break;
  }
  return best;
}

}  // namespace

class TestSyncTrialsTessel3251 : public TestCaseWithFullColumnStringComp_T<TestSyncTrialsTessel3251> {
 public:
  static constexpr char kExperimentFileName[] = "2014-06-16_sync_trials.vn5";
  // The lines that locate this verifier's failures, one per reporting site.
  static constexpr int kNonNumericTimeLine = 103;
  static constexpr int kTimeStampIntervalLine = 170;
  static constexpr int kFirstEventNameLine = 193;
  static constexpr int kSecondEventNameLine = 204;
  static constexpr int kMidRunEventNameLine = 258;
  static constexpr int kOneTimeStampPerEventLine = 274;

  void RunChecks(VerificationContext) override {
    eventColumn_ = reader->GetColumnIndex(tabulon::EventNameColumnName());
    timeColumn_ = reader->GetColumnIndex(kCumulativeTimeColumn);
    ReportNonNumericTimes();
    CheckContentCounts();
    CheckSequenceAndTimeStamps();

    CheckDurationWindows({
        ExperimentWindow(6600, 14000),
        ExpansionWindow(190, 260),
        ExpansionWindowOn(kBuildFarmHost, 350, 600),
    });
  }

 private:
  // Rows are read where they are, not copied: a file of a million rows costs nothing more here.
  std::size_t RowCount() const { return static_cast<std::size_t>(std::max(reader->GetRowCount(), 0)); }

  // The first three characters of the row's event name; a missing row reads like a cell outside the table.
  wxString PrefixAt(std::size_t row) const {
    return row < RowCount() ? reader->GetCellText(static_cast<int>(row), eventColumn_).Left(3) : wxString("?");
  }

  // A time that is no number is taken as 0 (and reported once, by ReportNonNumericTimes).
  long TimeAt(std::size_t row) const {
    return ReadWholeNumberCell(*reader, static_cast<int>(row), timeColumn_).value_or(0);
  }

  // Every time that is no number is reported, and the checks go on.
  void ReportNonNumericTimes() {
    for (int row = 0; row < reader->GetRowCount(); ++row) {
      if (!ReadWholeNumberCell(*reader, row, timeColumn_)) {
        ReportFailure("NON_NUMERIC_TIME_VALUE", "Cum time string should always be convertible to a number",
                      kNonNumericTimeLine,
                      "we called the wx function ToLong on a string, and it failed to produce a number")
            << wxString::Format("row %d holds the cumulative time {%s}", row, reader->GetCellText(row, timeColumn_));
      }
    }
  }

  void CheckContentCounts() {
    const std::vector<SyncEvent>& events = SyncEvents();
    std::vector<int> counts(events.size(), 0);
    for (std::size_t row = 0; row < RowCount(); ++row) {
      const int event = FindSyncEvent(PrefixAt(row));
      if (event >= 0) ++counts[event];
    }
    bool allPassed = true;
    for (size_t i = 0; i < events.size(); ++i) {
      const std::vector<int>& allowed = events[i].allowedCounts;
      if (std::find(allowed.begin(), allowed.end(), counts[i]) != allowed.end()) continue;
      allPassed = false;
      ReportFailure(wxString::Format("CONTENT_CHECK_%d_OF_8", static_cast<int>(i + 1)),
                    "datafile content conflicts with the block rules and overall experiment structure",
                    events[i].contentCheckLine,
                    "This test is for checking sync trial timing, but we also look at basic event sequence, which "
                    "seems to have gone wrong just now")
          << wxString::Format("%d rows begin with {%s}", counts[i], events[i].prefix) +
                 "; allowed: " + AllowedCounts(allowed);
    }
    if (allPassed) ReportPass("BASIC_CONTENT_CHECKING");
  }

  // Time stamp, event, time stamp, event, ...: each time stamp is checked against the interval of the event
  // before it; rows starting "***" are not part of the alternation.
  void CheckSequenceAndTimeStamps() {
    if (PrefixAt(0) != kTimeStampPrefix) {
      ReportFailure("BAD_FIRST_EVENT_NAME", "the first event should always have the name timestamp",
                    kFirstEventNameLine, "whatever is the event name on the first data row seems wrong")
          << "row 0 begins with {" + PrefixAt(0) + "}, expected {" + kTimeStampPrefix + "}";
      return;
    }
    const int secondEvent = FindSyncEvent(PrefixAt(1));
    if (secondEvent < 0) {
      ReportFailure("BAD_SECOND_EVENT_NAME", "the second event should always match one of 8 expected names",
                    kSecondEventNameLine, "whatever is the event name on the second data row seems wrong")
          << "row 1 begins with {" + PrefixAt(1) + "}, which no sync event begins with";
      return;
    }
    long priorTimeStamp = TimeAt(0);
    long interval = SyncEvents()[secondEvent].intervalMs;
    bool lastWasEvent = true;
    bool alternationBroken = false;
    int brokenAt = -1;
    for (std::size_t i = 2; i < RowCount() && !alternationBroken; ++i) {
      const wxString prefix = PrefixAt(i);
      if (prefix == kIgnoredPrefix) continue;
      if (prefix == kTimeStampPrefix) {
        if (!lastWasEvent) {
          alternationBroken = true;
          brokenAt = static_cast<int>(i);
          continue;
        }
        const long timeStamp = TimeAt(i);
        CheckTimeStamp(priorTimeStamp, interval, timeStamp);
        priorTimeStamp = timeStamp;
        lastWasEvent = false;
      } else if (lastWasEvent) {
        alternationBroken = true;
        brokenAt = static_cast<int>(i);
      } else {
        const int event = FindSyncEvent(prefix);
        if (event < 0) {
          ReportFailure("BAD_MIDRUN_EVENT_NAME", "the events should always match *** or tim or one of 8 expected names",
                        kMidRunEventNameLine, "whatever is the event name on some data row seems wrong")
              << wxString::Format("row %d begins with {%s}, which no sync event begins with", static_cast<int>(i),
                                  prefix);
          return;
        }
        interval = SyncEvents()[event].intervalMs;
        lastWasEvent = true;
      }
    }
    if (alternationBroken) {
      ReportFailure("ALWAYS_ONE_AND_ONE_TIMESTAMP_PER_EVENT",
                    "we need to alternate between finding 1 timestamp 1 event", kOneTimeStampPerEventLine,
                    "either 2 timestamps happened for 1 event, or 2 events for 1 timestamp")
          << wxString::Format("row %d {%s} follows a row of the same kind", brokenAt, PrefixAt(brokenAt));
    }
  }

  void CheckTimeStamp(long prior, long interval, long current) {
    const wxString testName = wxString::Format("CHECK_TIMESTAMP_%d", NextTimeStampCheckNumber());
    const long best = BestTimeStampDistance(prior, current, interval);
    if (best <= TimeStampToleranceMs()) {
      ReportPass(testName);
      return;
    }
    const wxString text = wxString::Format(
        "Subsequent timestamps were not ok, given prior and current of %ld and %ld and an interval of %ld for best "
        "diff %ld",
        prior, current, interval, best);
    ReportFailure(testName, text, kTimeStampIntervalLine, text) << wxString::Format(
        "%ld ms from time stamp to time stamp, expected 1 to 20 times %ld ms; off by %ld at best, "
        "at most %ld allowed",
        Difference(current, prior), interval, best, TimeStampToleranceMs());
  }

  static wxString AllowedCounts(const std::vector<int>& allowed) {
    wxString list;
    for (int count : allowed) list += wxString::Format(list.empty() ? "%d" : ", %d", count);
    return list;
  }

  int eventColumn_ = -1;
  int timeColumn_ = -1;
};

}  // namespace Varnel

// Rules of the sync-trial verifier that no faulty data file can show: the process-wide numbering of its time-stamp
// checks across runs, and its tolerance on the machines with a tolerance of their own.
#include "tests/support/goldenvariant.h"
#include <gtest/gtest.h>

namespace {

using namespace testsupport;
using Entries = std::vector<std::string>;

const char kSync[] = "2014-06-16_sync_trials.vn5";
const std::string kEvent = "Event\nName", kTime = "Cumulative\nTime";

TEST(SyncTimeStamps, NumberingGoesOnAcrossRunsOfOneProcess) {
  const DataTable golden = DataTable::Golden(kSync);
  const Entries checks = Short(RunTables(kSync, {golden, golden}), {"CHECK_TIMESTAMP_"});
  ASSERT_EQ(checks.size(), 50u);
  for (int i = 0; i < 50; ++i) EXPECT_EQ(checks[i], "pass CHECK_TIMESTAMP_" + std::to_string(i + 1));
}

// The stamp after "b (2, pear)" follows one at 3005 with 400 ms intervals: 5 ms off a whole number of 1 to 20
// intervals passes, 6 ms only on host B.
TEST(SyncTimeStamps, ToleranceIsFiveMillisecondsOrSixOnHostB) {
  const auto failure = [](long current, long best) {
    return "FAIL CHECK_TIMESTAMP_7: Subsequent timestamps were not ok, given prior and current of 3005 and " +
           std::to_string(current) + " and an interval of 400 for best diff " + std::to_string(best);
  };
  const std::string pass = "pass CHECK_TIMESTAMP_7";
  const struct {
    Machine host;
    long current;
    std::string outcome;
  } cases[] = {
      {Machine::Plain, 3810, pass},
      {Machine::Plain, 3811, failure(3811, 6)},
      {Machine::Plain, 3399, failure(3399, 6)},
      {Machine::HostB, 3811, pass},
      {Machine::HostB, 3399, pass},
      {Machine::HostB, 3812, failure(3812, 7)},
      {Machine::HostA, 3811, failure(3811, 6)},
      {Machine::Plain, 3005 + 20 * 400, pass},
      // Twenty-one intervals are one too many, however exact.
      {Machine::Plain, 3005 + 21 * 400, failure(3005 + 21 * 400, 400)},
  };
  for (const auto& c : cases) {
    DataTable table = DataTable::Golden(kSync);
    ASSERT_EQ(table.Cell(13, kTime), "3005");
    ASSERT_EQ(table.Cell(14, kEvent), "b (2, pear)");
    table.Cell(15, kTime) = std::to_string(c.current);
    EXPECT_EQ(Short(RunTables(kSync, {table}, c.host), {"CHECK_TIMESTAMP_7"}), Entries{c.outcome})
        << c.current << " on " << HostNameOf(c.host);
  }
}

}  // namespace

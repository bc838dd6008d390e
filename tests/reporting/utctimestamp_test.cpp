#include "reporting/utctimestamp.h"
#include <climits>
#include <gtest/gtest.h>

namespace {

// Any clock gives a stamp of the one form, by the Gregorian calendar: before 1970, at 0, across leap days and
// century years, and clamped at the years of four digits.
TEST(UtcTimestamp, AnyClockGivesAWellFormedStampWithMilliseconds) {
  constexpr long long kDay = 86400000LL;
  const std::pair<long long, const char*> cases[] = {{0, "1970-01-01T00:00:00.000Z"},
                                                     {-1, "1969-12-31T23:59:59.999Z"},
                                                     {-1000, "1969-12-31T23:59:59.000Z"},
                                                     {951782400123LL, "2000-02-29T00:00:00.123Z"},
                                                     {951782400000LL + kDay, "2000-03-01T00:00:00.000Z"},
                                                     {4107456000000LL, "2100-02-28T00:00:00.000Z"},
                                                     {4107456000000LL + kDay, "2100-03-01T00:00:00.000Z"},
                                                     {1402923906789LL, "2014-06-16T13:05:06.789Z"},
                                                     {-2203891200000LL, "1900-03-01T00:00:00.000Z"},
                                                     {-62167219200000LL, "0000-01-01T00:00:00.000Z"},
                                                     {-62167219200001LL, "0000-01-01T00:00:00.000Z"},
                                                     {253402300799999LL, "9999-12-31T23:59:59.999Z"},
                                                     {253402300800000LL, "9999-12-31T23:59:59.999Z"},
                                                     {LLONG_MIN, "0000-01-01T00:00:00.000Z"},
                                                     {LLONG_MAX, "9999-12-31T23:59:59.999Z"}};
  for (const auto& [milliseconds, stamp] : cases) {
    EXPECT_EQ(Varnel::UtcTimestampOfMilliseconds(milliseconds), stamp) << milliseconds;
  }
  const auto beforeEpoch = std::chrono::system_clock::time_point(std::chrono::nanoseconds(-1));
  EXPECT_EQ(Varnel::UtcTimestamp(beforeEpoch), "1969-12-31T23:59:59.999Z");
  EXPECT_EQ(Varnel::UtcTimestamp(std::chrono::system_clock::time_point::min()).size(), 24U);
}

}  // namespace

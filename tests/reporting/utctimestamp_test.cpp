// Timestamps for any clock: before 1970, at 0, at the turn of a leap day, past the years four digits can carry.
#include "reporting/utctimestamp.h"
#include <gtest/gtest.h>

namespace {

TEST(UtcTimestamp, AnyClockGivesFourDigitYearsAndMilliseconds) {
  const struct {
    std::int64_t milliseconds;
    const char* shown;
  } cases[] = {{0, "1970-01-01T00:00:00.000Z"},
               {-1, "1969-12-31T23:59:59.999Z"},
               {-86400001, "1969-12-30T23:59:59.999Z"},
               {951782400000, "2000-02-29T00:00:00.000Z"},
               {1796715309709, "2026-12-08T07:35:09.709Z"},
               {-62135596800000, "0001-01-01T00:00:00.000Z"},
               {-62167219200001, "0000-01-01T00:00:00.000Z"},
               {253402300799999, "9999-12-31T23:59:59.999Z"},
               {253402300800000, "9999-12-31T23:59:59.999Z"},
               {INT64_MIN, "0000-01-01T00:00:00.000Z"},
               {INT64_MAX, "9999-12-31T23:59:59.999Z"}};
  for (const auto& c : cases) {
    EXPECT_EQ(Varnel::UtcTimestamp(c.milliseconds, true), c.shown) << c.milliseconds;
    EXPECT_EQ(Varnel::UtcTimestamp(c.milliseconds, false), std::string(c.shown).substr(0, 19) + "Z") << c.milliseconds;
  }
}

}  // namespace

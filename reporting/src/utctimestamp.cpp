#include "reporting/utctimestamp.h"
#include "reporting/xmltext.h"
#include <algorithm>

namespace Varnel {

namespace {

using Milliseconds = std::chrono::duration<long long, std::milli>;
constexpr long long kMillisecondsPerDay = 86400000LL;
// Days from 1970-01-01 to 0000-01-01 and to 10000-01-01.
constexpr long long kFirstDay = -719528LL;
constexpr long long kDayPastLast = 2932897LL;

struct CivilDate {
  long long year;
  unsigned month, day;
};

// The Gregorian date of the day counted from 1970-01-01 (after H. Hinnant's days-to-civil algorithm).
CivilDate DateOfDay(long long days) {
  days += 719468;  // from 0000-03-01, so that a leap day ends its year
  const long long era = (days >= 0 ? days : days - 146096) / 146097;
  const long long dayOfEra = days - era * 146097;
  const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const long long shiftedMonth = (5 * dayOfYear + 2) / 153;  // 0 is March
  const auto day = static_cast<unsigned>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
  const auto month = static_cast<unsigned>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
  return {yearOfEra + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

void AppendField(std::string& out, long long value, unsigned digits, char after) {
  AppendDecimal(out, static_cast<unsigned long long>(value), digits);
  if (after != '\0') out += after;
}

}  // namespace

std::string UtcTimestamp(std::chrono::system_clock::time_point time) {
  return UtcTimestampOfMilliseconds(std::chrono::floor<Milliseconds>(time.time_since_epoch()).count());
}

std::string UtcTimestampOfMilliseconds(long long sinceEpoch) {
  // Clamped first, so that no clock's reading overflows the arithmetic below.
  const long long milliseconds =
      std::clamp(sinceEpoch, kFirstDay * kMillisecondsPerDay, kDayPastLast * kMillisecondsPerDay - 1);
  const long long days =
      (milliseconds >= 0 ? milliseconds : milliseconds - kMillisecondsPerDay + 1) / kMillisecondsPerDay;
  const long long ofDay = milliseconds - days * kMillisecondsPerDay;
  const CivilDate date = DateOfDay(days);
  std::string stamp;
  AppendField(stamp, date.year, 4, '-');
  AppendField(stamp, date.month, 2, '-');
  AppendField(stamp, date.day, 2, 'T');
  AppendField(stamp, ofDay / 3600000, 2, ':');
  AppendField(stamp, ofDay / 60000 % 60, 2, ':');
  AppendField(stamp, ofDay / 1000 % 60, 2, '.');
  AppendField(stamp, ofDay % 1000, 3, 'Z');
  return stamp;
}

}  // namespace Varnel

#include "reporting/utctimestamp.h"
#include "reporting/xmltext.h"
#include <wx/time.h>

namespace Varnel {

namespace {

constexpr std::int64_t kMillisecondsPerDay = 86400000;
// 0000-01-01T00:00:00.000Z and 9999-12-31T23:59:59.999Z.
constexpr std::int64_t kFirstWritable = -62167219200000;
constexpr std::int64_t kLastWritable = 253402300799999;

struct CivilDate {
  std::int64_t year;
  unsigned month;
  unsigned day;
};

// The proleptic Gregorian date of a day counted from 1970-01-01 (negative before it), by eras of 400 years.
CivilDate DateOfDay(std::int64_t days) {
  days += 719468;
  const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const auto dayOfEra = static_cast<std::uint64_t>(days - era * 146097);
  const std::uint64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::uint64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::uint64_t shiftedMonth = (5 * dayOfYear + 2) / 153;  // March is 0
  const auto day = static_cast<unsigned>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
  const auto month = static_cast<unsigned>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
  const std::int64_t year = static_cast<std::int64_t>(yearOfEra) + era * 400 + (month <= 2 ? 1 : 0);
  return {year, month, day};
}

void AppendField(std::string& out, char before, unsigned long long value, unsigned digits) {
  out += before;
  AppendDecimal(out, value, digits);
}

}  // namespace

// The system clock's time points end in the year 2262; the toolkit's count of milliseconds goes on.
std::int64_t MillisecondsSinceEpoch() { return wxGetUTCTimeMillis().GetValue(); }

std::string UtcTimestamp(std::int64_t millisecondsSinceEpoch, bool withMilliseconds) {
  const std::int64_t clamped = millisecondsSinceEpoch < kFirstWritable  ? kFirstWritable
                               : millisecondsSinceEpoch > kLastWritable ? kLastWritable
                                                                        : millisecondsSinceEpoch;
  // Floor division, so that the last millisecond before 1970 is 1969-12-31T23:59:59.999.
  std::int64_t days = clamped / kMillisecondsPerDay;
  std::int64_t ofDay = clamped % kMillisecondsPerDay;
  if (ofDay < 0) {
    ofDay += kMillisecondsPerDay;
    --days;
  }
  const CivilDate date = DateOfDay(days);
  const auto milliseconds = static_cast<unsigned long long>(ofDay);
  std::string text;
  AppendDecimal(text, static_cast<unsigned long long>(date.year), 4);
  AppendField(text, '-', date.month, 2);
  AppendField(text, '-', date.day, 2);
  AppendField(text, 'T', milliseconds / 3600000, 2);
  AppendField(text, ':', milliseconds / 60000 % 60, 2);
  AppendField(text, ':', milliseconds / 1000 % 60, 2);
  if (withMilliseconds) AppendField(text, '.', milliseconds % 1000, 3);
  text += 'Z';
  return text;
}

}  // namespace Varnel

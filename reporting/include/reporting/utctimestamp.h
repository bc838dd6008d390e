#pragma once
#include <chrono>
#include <string>

namespace Varnel {

// The time as UTC in ISO 8601 with milliseconds, "YYYY-MM-DDTHH:MM:SS.mmmZ", by the Gregorian calendar and
// nothing of the toolkit or the C library, so that any clock gives a well-formed stamp and no assertion: a time
// before 0000-01-01T00:00:00.000Z or after 9999-12-31T23:59:59.999Z is written as that bound.
std::string UtcTimestamp(std::chrono::system_clock::time_point time);
// The same for a count of milliseconds since 1970-01-01T00:00:00Z (negative before it), which reaches past the
// years a time point of the system clock can hold.
std::string UtcTimestampOfMilliseconds(long long sinceEpoch);

}  // namespace Varnel

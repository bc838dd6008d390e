#pragma once
#include <cstdint>
#include <string>

namespace Varnel {

// Milliseconds since 1970-01-01 00:00:00 UTC by the system's clock, which may be set to any time, 1969 included.
std::int64_t MillisecondsSinceEpoch();

// "YYYY-MM-DDTHH:MM:SSZ", or "YYYY-MM-DDTHH:MM:SS.mmmZ" with milliseconds, for any clock: a time before the year 0
// or after 9999 is written as the first or last moment that four digits of a year can carry. Computed here rather
// than by the toolkit, whose dates assert on times before 1970.
std::string UtcTimestamp(std::int64_t millisecondsSinceEpoch, bool withMilliseconds);

}  // namespace Varnel

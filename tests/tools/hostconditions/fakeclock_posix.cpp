// Preloaded into a host, sets its wall clock to DH_TEST_CLOCK_SECONDS (seconds since 1970, negative before it),
// going on from there at the pace of the monotonic clock: a machine whose clock is wrong. The monotonic clock
// itself is left alone.
#include <cstdlib>
#include <ctime>
#include <dlfcn.h>
#include <sys/time.h>

namespace {

using ClockGetTime = int (*)(clockid_t, timespec*);

ClockGetTime NextClockGetTime() {
  static const auto next = reinterpret_cast<ClockGetTime>(dlsym(RTLD_NEXT, "clock_gettime"));
  return next;
}

long long SetSeconds() {
  const char* text = std::getenv("DH_TEST_CLOCK_SECONDS");
  return text == nullptr ? 0 : std::strtoll(text, nullptr, 10);
}

// The fake wall clock: the set time plus the monotonic time since the first reading.
timespec FakeWallClock() {
  static const long long start = SetSeconds();
  static timespec first{};
  static const bool started = NextClockGetTime()(CLOCK_MONOTONIC, &first) == 0;
  timespec now{};
  if (started) NextClockGetTime()(CLOCK_MONOTONIC, &now);
  const long long nanoseconds = (now.tv_sec - first.tv_sec) * 1000000000LL + (now.tv_nsec - first.tv_nsec);
  timespec fake{};
  fake.tv_sec = static_cast<time_t>(start + nanoseconds / 1000000000LL);
  fake.tv_nsec = static_cast<long>(nanoseconds % 1000000000LL);
  return fake;
}

bool IsWallClock(clockid_t clock) { return clock == CLOCK_REALTIME || clock == CLOCK_REALTIME_COARSE; }

}  // namespace

// The C library names the parameters with reserved names, which these cannot repeat.
// NOLINTBEGIN(readability-inconsistent-declaration-parameter-name)
extern "C" int clock_gettime(clockid_t clock, timespec* time) {
  if (!IsWallClock(clock)) return NextClockGetTime()(clock, time);
  *time = FakeWallClock();
  return 0;
}

extern "C" int gettimeofday(timeval* time, void*) {
  const timespec now = FakeWallClock();
  time->tv_sec = now.tv_sec;
  time->tv_usec = now.tv_nsec / 1000;
  return 0;
}

extern "C" time_t time(time_t* out) {
  const time_t now = FakeWallClock().tv_sec;
  if (out != nullptr) *out = now;
  return now;
}
// NOLINTEND(readability-inconsistent-declaration-parameter-name)

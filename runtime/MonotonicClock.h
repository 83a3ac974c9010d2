#pragma once
// A steady clock for Windows. The C++ library's steady clock is the wall clock under
// this compiler's thread model, so a clock change (a time sync after resume, a user
// setting the time) would stretch or skip every period timed with it.
#include <windows.h>

#include <chrono>

struct MonotonicClock {
  using duration = std::chrono::microseconds;
  using rep = duration::rep;
  using period = duration::period;
  using time_point = std::chrono::time_point<MonotonicClock>;
  static constexpr bool is_steady = true;

  static time_point now() {
    LARGE_INTEGER count, frequency;  // neither fails from XP on
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    const long long seconds = count.QuadPart / frequency.QuadPart;
    const long long rest = count.QuadPart % frequency.QuadPart;
    return time_point(duration(seconds * 1000000 + rest * 1000000 / frequency.QuadPart));
  }
};

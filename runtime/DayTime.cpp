#include "runtime/DayTime.h"

#include <cmath>

namespace {
// Beyond 2^53 milliseconds a double no longer holds every millisecond.
constexpr double LargestExactMilliseconds = 9007199254740992.0;

std::optional<double> TotalMilliseconds(TTime value) {
  if (!std::isfinite(value)) return std::nullopt;
  // Nearest millisecond, ties to even, as every rounding in the plug-in.
  const double total = std::nearbyint(std::fabs(value) * MillisecondsPerDay);
  if (total >= LargestExactMilliseconds) return std::nullopt;
  return total;
}
}  // namespace

std::optional<std::int32_t> TimeOfDayMilliseconds(TTime value) {
  const auto total = TotalMilliseconds(value);
  if (!total) return std::nullopt;
  return static_cast<std::int32_t>(static_cast<std::int64_t>(*total) % MillisecondsPerDay);
}

ClockTime DecodeTime(TTime value) {
  std::int32_t ms = TimeOfDayMilliseconds(value).value_or(0);
  ClockTime t;
  t.millisecond = ms % 1000;
  ms /= 1000;
  t.second = ms % 60;
  ms /= 60;
  t.minute = ms % 60;
  t.hour = ms / 60;
  return t;
}

TTime EncodeTime(int hour, int minute, int second, int millisecond) {
  const std::int64_t ms = ((static_cast<std::int64_t>(hour) * 60 + minute) * 60 + second) * 1000 + millisecond;
  return static_cast<double>(ms) / MillisecondsPerDay;
}

std::optional<std::int64_t> WholeDays(TTime value) {
  const auto total = TotalMilliseconds(value);
  if (!total) return std::nullopt;
  const std::int64_t days = static_cast<std::int64_t>(*total) / MillisecondsPerDay;
  return value < 0 ? -days : days;
}

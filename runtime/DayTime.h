#pragma once
// Time values are day fractions (1.0 = 24 hours). Only the time of day counts for
// alarms; it is taken from the magnitude, so a negative value mirrors (-1.7 -> 16:48).
#include <cstdint>
#include <optional>

using TTime = double;

constexpr std::int64_t MillisecondsPerDay = 86400000;

struct ClockTime {
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

// Milliseconds since midnight, or nothing for NaN, infinities and values too large to
// carry an exact millisecond: such a value has no time of day and matches no minute.
std::optional<std::int32_t> TimeOfDayMilliseconds(TTime value);

// The time of day as clock fields; 00:00:00.000 for a value without a time of day.
ClockTime DecodeTime(TTime value);

TTime EncodeTime(int hour, int minute, int second, int millisecond);

// Whole days since 1899-12-30 of a value (its date part), or nothing when out of range.
std::optional<std::int64_t> WholeDays(TTime value);

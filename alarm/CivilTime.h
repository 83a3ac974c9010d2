#pragma once
// Instants and calendar fields for the alarm's schedule. An instant is a count of
// milliseconds since 1970-01-01 00:00 UTC; Windows' FILETIME converts with the helpers
// below. Calendar arithmetic is proleptic Gregorian, as both the C library and Windows use.
#include <cstdint>
#include <string>

using UtcMs = std::int64_t;

constexpr UtcMs MsPerSecond = 1000;
constexpr UtcMs MsPerMinute = 60 * MsPerSecond;
constexpr UtcMs MsPerHour = 60 * MsPerMinute;
constexpr UtcMs MsPerCalendarDay = 24 * MsPerHour;

// Local calendar fields; dayOfWeek counts from 0 = Sunday, as SYSTEMTIME.wDayOfWeek.
struct LocalDateTime {
  int year = 1970;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
  int dayOfWeek = 4;
};

// A date as the number yyyymmdd (the form of the skip date).
int DateNumber(const LocalDateTime& local);
// "2026-12-08 06:45:00" with `between` between the date and the time, to the minute or the second.
std::string DateTimeText(const LocalDateTime& local, char between, bool seconds);
// Whether `number` is yyyymmdd of a real date (years 1601 to 30827, as Windows counts).
bool IsCalendarDateNumber(std::int64_t number);

// Days since 1970-01-01 of a date, and back.
std::int64_t DaysFromCivil(int year, int month, int day);
LocalDateTime CivilFromDays(std::int64_t days);

// The local fields read as if they were UTC: the wall clock's own count, from which a
// zone's offset is measured. Milliseconds included; the day of week is derived.
UtcMs WallClockMs(const LocalDateTime& local);
LocalDateTime FromWallClockMs(UtcMs wallClock);

// FILETIME counts 100-ns ticks since 1601-01-01 UTC.
constexpr std::int64_t FileTimeTicksAtUnixEpoch = 116444736000000000;
constexpr std::int64_t FileTimeTicksPerMs = 10000;
inline std::int64_t FileTimeTicksFromUtc(UtcMs instant) {
  return instant * FileTimeTicksPerMs + FileTimeTicksAtUnixEpoch;
}
UtcMs UtcFromFileTimeTicks(std::int64_t ticks);  // rounds down to the millisecond

#include "alarm/CivilTime.h"

namespace {
// Division rounding towards minus infinity, for instants before the epoch.
std::int64_t FloorDivide(std::int64_t value, std::int64_t divisor) {
  const std::int64_t quotient = value / divisor;
  return (value % divisor != 0 && (value < 0) != (divisor < 0)) ? quotient - 1 : quotient;
}
}  // namespace

int DateNumber(const LocalDateTime& local) { return local.year * 10000 + local.month * 100 + local.day; }

bool IsCalendarDateNumber(std::int64_t number) {
  const int year = static_cast<int>(number / 10000);
  const int month = static_cast<int>(number / 100 % 100);
  const int day = static_cast<int>(number % 100);
  if (year < 1601 || year > 30827 || month < 1 || month > 12 || day < 1) return false;
  return DateNumber(CivilFromDays(DaysFromCivil(year, month, day))) == number;
}

// Counts whole 400-year eras from 0000-03-01, so that leap days end each era's years.
std::int64_t DaysFromCivil(int year, int month, int day) {
  const std::int64_t y = static_cast<std::int64_t>(year) - (month <= 2 ? 1 : 0);
  const std::int64_t era = FloorDivide(y, 400);
  const std::int64_t yearOfEra = y - era * 400;
  const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

LocalDateTime CivilFromDays(std::int64_t days) {
  const std::int64_t z = days + 719468;
  const std::int64_t era = FloorDivide(z, 146097);
  const std::int64_t dayOfEra = z - era * 146097;
  const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t monthFromMarch = (5 * dayOfYear + 2) / 153;
  LocalDateTime date;
  date.day = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
  date.month = static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
  date.year = static_cast<int>(yearOfEra + era * 400 + (date.month <= 2 ? 1 : 0));
  const std::int64_t dayOfWeek = (days + 4) % 7;  // 1970-01-01 was a Thursday
  date.dayOfWeek = static_cast<int>(dayOfWeek < 0 ? dayOfWeek + 7 : dayOfWeek);
  return date;
}

UtcMs WallClockMs(const LocalDateTime& local) {
  const std::int64_t days = DaysFromCivil(local.year, local.month, local.day);
  return days * MsPerCalendarDay + local.hour * MsPerHour + local.minute * MsPerMinute + local.second * MsPerSecond +
         local.millisecond;
}

LocalDateTime FromWallClockMs(UtcMs wallClock) {
  const std::int64_t days = FloorDivide(wallClock, MsPerCalendarDay);
  std::int64_t rest = wallClock - days * MsPerCalendarDay;
  LocalDateTime local = CivilFromDays(days);
  local.hour = static_cast<int>(rest / MsPerHour);
  rest %= MsPerHour;
  local.minute = static_cast<int>(rest / MsPerMinute);
  rest %= MsPerMinute;
  local.second = static_cast<int>(rest / MsPerSecond);
  local.millisecond = static_cast<int>(rest % MsPerSecond);
  return local;
}

UtcMs UtcFromFileTimeTicks(std::int64_t ticks) {
  return FloorDivide(ticks - FileTimeTicksAtUnixEpoch, FileTimeTicksPerMs);
}

std::string DateTimeText(const LocalDateTime& local, char between, bool seconds) {
  char text[] = "yyyy-mm-dd hh:nn:ss";
  const auto put = [&text](int at, int value, int digits) {
    for (int i = digits - 1; i >= 0; --i, value /= 10) text[at + i] = static_cast<char>('0' + value % 10);
  };
  put(0, local.year, 4);
  put(5, local.month, 2);
  put(8, local.day, 2);
  text[10] = between;
  put(11, local.hour, 2);
  put(14, local.minute, 2);
  put(17, local.second, 2);
  return std::string(text, seconds ? 19 : 16);
}

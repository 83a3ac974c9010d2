#include "plugin/SystemTimeZone.h"

#include <windows.h>

LocalDateTime SystemTimeZone::ToLocal(UtcMs instant) const {
  const std::int64_t ticks = FileTimeTicksFromUtc(instant);
  FILETIME utcFile{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
  SYSTEMTIME utc, local;
  // Only an instant outside Windows' years fails; it reads as the wall clock of UTC.
  if (!FileTimeToSystemTime(&utcFile, &utc) || !SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local))
    return FromWallClockMs(instant);
  LocalDateTime fields;
  fields.year = local.wYear;
  fields.month = local.wMonth;
  fields.day = local.wDay;
  fields.hour = local.wHour;
  fields.minute = local.wMinute;
  fields.second = local.wSecond;
  fields.millisecond = local.wMilliseconds;
  fields.dayOfWeek = local.wDayOfWeek;
  return fields;
}

UtcMs SystemNow() {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  return UtcFromFileTimeTicks(static_cast<std::int64_t>(now.dwHighDateTime) << 32 | now.dwLowDateTime);
}

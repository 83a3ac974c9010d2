#include "PosixTimeZone.h"

#include <stdlib.h>
#include <time.h>

#include <stdexcept>

LocalDateTime PosixTimeZone::ToLocal(UtcMs instant) const {
  static std::string active;
  if (active != name_) {
    setenv("TZ", name_.c_str(), 1);
    tzset();
    active = name_;
  }
  const UtcMs millisecond = ((instant % MsPerSecond) + MsPerSecond) % MsPerSecond;
  const time_t seconds = static_cast<time_t>((instant - millisecond) / MsPerSecond);
  struct tm fields;
  if (!localtime_r(&seconds, &fields)) throw std::runtime_error("localtime_r failed for " + name_);
  LocalDateTime local;
  local.year = fields.tm_year + 1900;
  local.month = fields.tm_mon + 1;
  local.day = fields.tm_mday;
  local.hour = fields.tm_hour;
  local.minute = fields.tm_min;
  local.second = fields.tm_sec;
  local.millisecond = static_cast<int>(millisecond);
  local.dayOfWeek = fields.tm_wday;
  return local;
}

UtcMs LocalInstant(const TimeZoneRules& zone, int year, int month, int day, int hour, int minute, int second) {
  LocalDateTime local;
  local.year = year;
  local.month = month;
  local.day = day;
  local.hour = hour;
  local.minute = minute;
  local.second = second;
  return FirstInstantAtOrAfter(zone, WallClockMs(local));
}

#include "core/schedule/NextRing.h"

#include <cstdio>

namespace {
// Far enough for a week of unticked days, a skip date and the day already rung.
constexpr int DaysSearched = 10;

struct AlarmKey {
  int date;
  int alarmMinute;
};

std::optional<AlarmKey> ParseLastRung(const std::string& text) {
  int year, month, day, hour, minute;
  char end;
  if (std::sscanf(text.c_str(), "%4d-%2d-%2d %2d:%2d%c", &year, &month, &day, &hour, &minute, &end) != 5)
    return std::nullopt;
  return AlarmKey{year * 10000 + month * 100 + day, hour * 60 + minute};
}

bool DayIsArmed(const SettingsRecord& settings, const LocalDateTime& date) {
  const bool ticked = (settings.VelDays >> date.dayOfWeek & 1) != 0;
  return ticked && DateNumber(date) != settings.VelSkipDate;
}
}  // namespace

UtcMs CatchUpLimitMs(int catchUpMinutes) {
  return catchUpMinutes <= 0 ? MsPerMinute - 1 : catchUpMinutes * MsPerMinute;
}

std::optional<RingSlot> NextRing(const SettingsRecord& settings, UtcMs now, const TimeZoneRules& zone,
                                 std::optional<UtcMs> watchedSince) {
  const auto timeOfDay = TimeOfDayMilliseconds(settings.VelWakeUp);
  if (!settings.VelPluginActive || !timeOfDay) return std::nullopt;
  const int alarmMinute = *timeOfDay / static_cast<int>(MsPerMinute);
  const std::optional<AlarmKey> lastRung = ParseLastRung(settings.VelLastRung);
  // Yesterday's alarm may still be within its catch-up limit just after midnight.
  const std::int64_t today = WallClockMs(zone.ToLocal(now)) / MsPerCalendarDay;
  for (std::int64_t day = today - 1; day <= today + DaysSearched; ++day) {
    const LocalDateTime date = CivilFromDays(day);
    const bool rungAlready = lastRung && lastRung->date == DateNumber(date) && lastRung->alarmMinute == alarmMinute;
    if (rungAlready || (!settings.VelSnoozed && !DayIsArmed(settings, date))) continue;
    const UtcMs start = FirstInstantAtOrAfter(zone, day * MsPerCalendarDay + alarmMinute * MsPerMinute);
    const bool begunUnwatched = watchedSince && start < *watchedSince;
    const UtcMs latest = start + CatchUpLimitMs(begunUnwatched ? 0 : settings.VelCatchUpMinutes);
    if (now <= latest) return RingSlot{start, latest, DateNumber(date), alarmMinute, settings.VelSnoozed};
  }
  return std::nullopt;
}

std::string LastRungText(const RingSlot& slot) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", slot.date / 10000, slot.date / 100 % 100,
                slot.date % 100, slot.alarmMinute / 60, slot.alarmMinute % 60);
  return text;
}

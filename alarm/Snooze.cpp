#include "alarm/Snooze.h"

#include "alarm/NextRing.h"
#include "runtime/NumberText.h"

UtcMs SnoozeUntil(UtcMs pressed, int snoozeSeconds, const TimeZoneRules& zone) {
  const UtcMs due = pressed + snoozeSeconds * MsPerSecond;
  const LocalDateTime local = zone.ToLocal(due);
  return due - local.second * MsPerSecond - local.millisecond;
}

bool SnoozeIsStale(const SettingsRecord& settings, UtcMs now) {
  return settings.VelSnoozeUntil && now > *settings.VelSnoozeUntil + CatchUpLimitMs(settings.VelCatchUpMinutes);
}

std::string UtcText(UtcMs instant) { return DateTimeText(FromWallClockMs(instant), 'T', true) + "Z"; }

std::optional<UtcMs> ParseUtcText(const std::string& text) {
  if (text.size() != 20 || text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':' || text[16] != ':' ||
      text[19] != 'Z')
    return std::nullopt;
  const auto year = DigitsValue(text, 0, 4), month = DigitsValue(text, 5, 2), day = DigitsValue(text, 8, 2);
  const auto hour = DigitsValue(text, 11, 2), minute = DigitsValue(text, 14, 2), second = DigitsValue(text, 17, 2);
  if (!year || !month || !day || !hour || !minute || !second) return std::nullopt;
  if (!IsCalendarDateNumber(*year * 10000 + *month * 100 + *day) || *hour > 23 || *minute > 59 || *second > 59)
    return std::nullopt;
  return DaysFromCivil(static_cast<int>(*year), static_cast<int>(*month), static_cast<int>(*day)) * MsPerCalendarDay +
         *hour * MsPerHour + *minute * MsPerMinute + *second * MsPerSecond;
}

#include "alarm/NextRing.h"

#include "runtime/NumberText.h"

namespace {
// A week of unticked days, then the skip date and the day already rung: a single ticked
// day that is skipped rings a week later.
constexpr int DaysSearched = 2 * 7 + 1;

struct AlarmKey {
  int date;
  int alarmMinute;
};

// "yyyy-mm-dd hh:nn", exactly as LastRungText writes it.
std::optional<AlarmKey> ParseLastRung(const std::string& text) {
  if (text.size() != 16 || text[4] != '-' || text[7] != '-' || text[10] != ' ' || text[13] != ':') return std::nullopt;
  const auto year = DigitsValue(text, 0, 4), month = DigitsValue(text, 5, 2), day = DigitsValue(text, 8, 2);
  const auto hour = DigitsValue(text, 11, 2), minute = DigitsValue(text, 14, 2);
  if (!year || !month || !day || !hour || !minute) return std::nullopt;
  return AlarmKey{static_cast<int>(*year * 10000 + *month * 100 + *day), static_cast<int>(*hour * 60 + *minute)};
}

bool DayIsArmed(const SettingsRecord& settings, const LocalDateTime& date) {
  const bool ticked = (settings.VelDays >> date.dayOfWeek & 1) != 0;
  return ticked && DateNumber(date) != settings.VelSkipDate;
}

bool SameSchedule(const SettingsRecord& a, const SettingsRecord& b) {
  return a.VelActive == b.VelActive && a.VelWakeupTime == b.VelWakeupTime && a.VelDays == b.VelDays &&
         a.VelSkipDate == b.VelSkipDate && a.VelCatchUpMinutes == b.VelCatchUpMinutes;
}

std::optional<RingSlot> SnoozeRing(const SettingsRecord& settings, UtcMs now, const TimeZoneRules& zone) {
  if (!settings.VelSnoozeUntil) return std::nullopt;
  const UtcMs start = *settings.VelSnoozeUntil;
  const UtcMs latest = start + CatchUpLimitMs(settings.VelCatchUpMinutes);
  if (now > latest) return std::nullopt;
  const LocalDateTime local = zone.ToLocal(start);
  return RingSlot{start, latest, DateNumber(local), local.hour * 60 + local.minute, true};
}

std::optional<RingSlot> DailyRing(const SettingsRecord& settings, UtcMs now, const TimeZoneRules& zone,
                                  std::optional<UtcMs> watchedSince) {
  const auto timeOfDay = TimeOfDayMilliseconds(settings.VelWakeupTime);
  if (!timeOfDay) return std::nullopt;
  const int alarmMinute = *timeOfDay / static_cast<int>(MsPerMinute);
  const std::optional<AlarmKey> lastRung = ParseLastRung(settings.VelLastRung);
  // Yesterday's alarm may still be within its catch-up limit just after midnight.
  const std::int64_t today = WallClockMs(zone.ToLocal(now)) / MsPerCalendarDay;
  for (std::int64_t day = today - 1; day <= today + DaysSearched; ++day) {
    const LocalDateTime date = CivilFromDays(day);
    const bool rungAlready = lastRung && lastRung->date == DateNumber(date) && lastRung->alarmMinute == alarmMinute;
    if (rungAlready || !DayIsArmed(settings, date)) continue;
    const UtcMs start = FirstInstantAtOrAfter(zone, day * MsPerCalendarDay + alarmMinute * MsPerMinute);
    const bool begunUnwatched = watchedSince && start < *watchedSince;
    const UtcMs latest = start + CatchUpLimitMs(begunUnwatched ? 0 : settings.VelCatchUpMinutes);
    if (now <= latest) return RingSlot{start, latest, DateNumber(date), alarmMinute, false};
  }
  return std::nullopt;
}
}  // namespace

UtcMs CatchUpLimitMs(int catchUpMinutes) {
  return catchUpMinutes <= 0 ? MsPerMinute - 1 : catchUpMinutes * MsPerMinute;
}

std::optional<RingSlot> NextRing(const SettingsRecord& settings, UtcMs now, const TimeZoneRules& zone,
                                 std::optional<UtcMs> watchedSince) {
  const std::optional<RingSlot> daily = settings.VelActive ? DailyRing(settings, now, zone, watchedSince)
                                                           : std::nullopt;
  const std::optional<RingSlot> snooze = SnoozeRing(settings, now, zone);
  return snooze && (!daily || snooze->start < daily->start) ? snooze : daily;
}

UtcMs ScheduleWatch::Observe(const SettingsRecord& settings, UtcMs now) {
  since_ = SinceFor(settings, now);
  watched_ = settings;
  return since_;
}

UtcMs ScheduleWatch::SinceFor(const SettingsRecord& settings, UtcMs now) const {
  return watched_ && SameSchedule(*watched_, settings) ? since_ : now;
}

std::string LastRungText(const RingSlot& slot) {
  LocalDateTime local;
  local.year = slot.date / 10000;
  local.month = slot.date / 100 % 100;
  local.day = slot.date % 100;
  local.hour = slot.alarmMinute / 60;
  local.minute = slot.alarmMinute % 60;
  return DateTimeText(local, ' ', false);
}

RingRecorded RecordRingIn(SettingsRecord& settings, const RingSlot& slot, UtcMs now) {
  RingRecorded recorded;
  if (!slot.snoozed) settings.VelLastRung = LastRungText(slot);
  recorded.snoozeSpent = settings.VelSnoozeUntil && *settings.VelSnoozeUntil <= now;
  if (recorded.snoozeSpent) settings.VelSnoozeUntil.reset();
  recorded.switchedOff = !slot.snoozed && settings.VelOnce && settings.VelActive;
  if (recorded.switchedOff) settings.VelActive = false;
  return recorded;
}

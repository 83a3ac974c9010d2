#include "alarm/AlarmList.h"

std::optional<AlarmRing> EarliestRing(const AlarmList& alarms, UtcMs now, const TimeZoneRules& zone,
                                      const std::vector<UtcMs>& watchedSince) {
  std::optional<AlarmRing> earliest;
  for (std::size_t i = 0; i < alarms.size(); ++i) {
    const std::optional<RingSlot> slot = NextRing(alarms[i].settings, now, zone, watchedSince.at(i));
    if (!slot) continue;
    const bool sooner =
        !earliest || slot->start / MsPerMinute < earliest->slot.start / MsPerMinute ||
        (slot->start / MsPerMinute == earliest->slot.start / MsPerMinute && alarms[i].number < earliest->number);
    if (sooner) earliest = AlarmRing{alarms[i].number, *slot};
  }
  return earliest;
}

int LowestFreeNumber(const AlarmList& alarms) {
  for (int number = FirstAlarm + 1; number <= MaxAlarms; ++number) {
    bool taken = false;
    for (const NumberedAlarm& alarm : alarms) taken |= alarm.number == number;
    if (!taken) return number;
  }
  return 0;
}

#pragma once
// Several alarms: alarm 1 is the original one, in the main key; alarms 2 to 20 each keep
// the same values in a subkey of their own. Each is the alarm model's alarm, with its own
// snooze, once-a-day record and ring.
#include <vector>

#include "alarm/NextRing.h"
#include "alarm/SettingsRecord.h"

constexpr int FirstAlarm = 1;
constexpr int MaxAlarms = 20;
constexpr int LabelShownLength = 60;  // characters of a label a window shows

struct NumberedAlarm {
  int number = FirstAlarm;  // 1 to 20; never changes while the alarm exists
  SettingsRecord settings;
};

// The alarms as a list: alarm 1 first, then by number.
using AlarmList = std::vector<NumberedAlarm>;

// The alarm that rings next and its ring.
struct AlarmRing {
  int number = FirstAlarm;
  RingSlot slot;
};

// The earliest next ring over `alarms` (see NextRing), each with the instant since when
// its settings have been watched; of two in the same minute, the lower number.
std::optional<AlarmRing> EarliestRing(const AlarmList& alarms, UtcMs now, const TimeZoneRules& zone,
                                      const std::vector<UtcMs>& watchedSince);

// The number a new alarm takes: the lowest free one from 2, or 0 when all are taken.
int LowestFreeNumber(const AlarmList& alarms);

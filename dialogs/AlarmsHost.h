#pragma once
// What the "Alarms" and "Alarm" windows need from the plug-in: the alarms as they are now,
// their next rings exactly as the worker plans them, and the changes a user makes, each
// written at once.
#include <optional>
#include <string>

#include "alarm/AlarmList.h"
#include "alarm/TimeZoneRules.h"
#include "alarm/WakeReadiness.h"

class AlarmsHost {
 public:
  virtual ~AlarmsHost() = default;
  virtual UtcMs Now() = 0;
  virtual const TimeZoneRules& Zone() = 0;
  // Every alarm, alarm 1 first.
  virtual AlarmList Alarms() = 0;
  // When alarm `number` with `shown` (saved or not) would ring next, with its ring record
  // as it is now; without `countSnooze` a pending snooze is left out (for skipping).
  virtual std::optional<RingSlot> NextRing(int number, const SettingsRecord& shown, bool countSnooze) = 0;
  // All of alarm `number`'s values into the registry and the alarm; raises the
  // registry's message when it fails.
  virtual void SaveAlarm(int number, const SettingsRecord& settings) = 0;
  // A new alarm with the lowest free number, or 0 when there are MaxAlarms already.
  virtual int AddAlarm(const SettingsRecord& settings) = 0;
  // Removes alarm `number` (never alarm 1) and its subkey.
  virtual void DeleteAlarm(int number) = 0;
  // "Try it now": a ring at once with these settings; the schedule stays as it is.
  virtual void TryRing(const SettingsRecord& settings) = 0;
  // The player's settings folder for the address history, asked at each use.
  virtual std::wstring PlayerSettingsFolder() = 0;
  // What decides whether the PC wakes for a ring.
  virtual PowerFacts Power() = 0;
};

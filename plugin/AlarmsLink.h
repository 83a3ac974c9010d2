#pragma once
// The "Alarms" and "Alarm" windows' link to the plug-in: the system's clock and zone, the
// alarm clock, and the player's settings folder for the address history.
#include "dialogs/AlarmsHost.h"
#include "plugin/SystemTimeZone.h"

class AlarmClock;

class AlarmsLink : public AlarmsHost {
 public:
  explicit AlarmsLink(AlarmClock& alarms) : alarms_(alarms) {}

  UtcMs Now() override { return SystemNow(); }
  const TimeZoneRules& Zone() override { return zone_; }
  AlarmList Alarms() override;
  std::optional<RingSlot> NextRing(int number, const SettingsRecord& shown, bool countSnooze) override;
  void SaveAlarm(int number, const SettingsRecord& settings) override;
  int AddAlarm(const SettingsRecord& settings) override;
  void DeleteAlarm(int number) override;
  void TryRing(const SettingsRecord& settings) override;
  std::wstring PlayerSettingsFolder() override;
  PowerFacts Power() override;

 private:
  AlarmClock& alarms_;
  SystemTimeZone zone_;
};

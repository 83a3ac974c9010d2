#include "plugin/AlarmsLink.h"

#include "plugin/AlarmClock.h"

AlarmList AlarmsLink::Alarms() { return alarms_.Alarms(); }

std::optional<RingSlot> AlarmsLink::NextRing(int number, const SettingsRecord& shown, bool countSnooze) {
  return alarms_.NextRingOf(number, shown, SystemNow(), countSnooze);
}

void AlarmsLink::SaveAlarm(int number, const SettingsRecord& settings) { alarms_.SaveAlarm(number, settings); }

int AlarmsLink::AddAlarm(const SettingsRecord& settings) { return alarms_.AddAlarm(settings); }

void AlarmsLink::DeleteAlarm(int number) { alarms_.DeleteAlarm(number); }

void AlarmsLink::TryRing(const SettingsRecord& settings) { alarms_.RequestTrialRing(settings); }

std::wstring AlarmsLink::PlayerSettingsFolder() { return alarms_.WinampControl->SettingsFolder(); }

PowerFacts AlarmsLink::Power() { return alarms_.Power(); }

#pragma once
// The settings' home in the registry, HKEY_CURRENT_USER\Software\VelWakeUp\, read and
// written as the settings table describes each value.
#include <optional>
#include <string>

#include "alarm/AlarmList.h"

class RegistryKey;

// Writes the default of every original value that does not exist yet, in their order.
void EnsureDefaults(RegistryKey& key);

// Reads every value into `record`. An original value of the wrong kind leaves its field
// as it was, every other field is read, and the first such error passes on; any other
// value absent or malformed reads as its default, without a word and without a write.
void LoadSettings(SettingsRecord& record);

// The configuration dialog's seven values, in their order, from `settings`.
void SaveSettings(const SettingsRecord& settings);
// The alarm options window's values from `settings`; a failure raises the registry's message.
void SaveAlarmOptions(const SettingsRecord& settings);

// One value for every alarm (the settings table's Global rows), in the main key.
void SaveGlobalNumber(const char* name, int value);

// The key of alarm `number`: alarm 1's is the main key, alarm n's its subkey Alarms\<n>.
std::string AlarmKeyPath(int number);

// Alarm 1 read as LoadSettings reads it, then every other alarm's subkey that exists: there
// a value absent or malformed reads as its default, without a word and without a write,
// and the main key's global values (catch-up, waking) hold for every alarm. An error of
// alarm 1's passes on once all are read into `alarms`.
void LoadAlarms(AlarmList& alarms);
// All of alarm `number`'s own values: the seven, the options, its label and one-off switch.
void SaveAlarm(int number, const SettingsRecord& settings);
// Removes alarm `number`'s subkey (never alarm 1's key).
void DeleteAlarmKey(int number);

// Stores the once-a-day record of alarm `number`'s ring that has begun.
void SaveLastRung(int number, const std::string& lastRung);
// Stores a snooze's instant of alarm `number`; none removes the value.
void SaveSnoozeUntil(int number, std::optional<UtcMs> until);
// Stores the ring planned next for alarm `number`; none removes the value.
void SavePlannedRing(int number, std::optional<UtcMs> ring);
// A one-off alarm switches itself off after its ring.
void SaveActive(int number, bool active);

#pragma once
// The settings' home in the registry, HKEY_CURRENT_USER\Software\VelWakeUp\, read and
// written as the settings table describes each value.
#include <optional>
#include <string>

#include "alarm/SettingsRecord.h"

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

// Stores the once-a-day record of the ring that has begun.
void SaveLastRung(const std::string& lastRung);
// Stores a snooze's instant; none removes the value.
void SaveSnoozeUntil(std::optional<UtcMs> until);

#pragma once
// The settings' home in the registry: HKEY_CURRENT_USER\Software\VelWakeUp\.
#include "alarm/SettingsRecord.h"

class RegistryKey;

// Writes the default of every value that does not exist yet, in the stored order.
void EnsureDefaults(RegistryKey& key);

// Writes all seven values, in the stored order, from `settings`.
void SaveSettings(const SettingsRecord& settings);

// Reads all seven values into `record`, field by field: a value of the wrong kind
// leaves its field as it was, every other field is read, and the first error passes on.
// The wake values below are read too.
void LoadSettings(SettingsRecord& record);

// "VelCatchUpMinutes", "VelWakeFromSleep", "VelLastRung" and "VelSnoozeUntil": absent,
// of a wrong type, size or range they mean their default; never an error, never a write.
void LoadWakeOptions(const RegistryKey& key, SettingsRecord& record);

// Stores the once-a-day record of the ring that has begun.
void SaveLastRung(const std::string& lastRung);
// Stores a snooze's instant; none removes the value.
void SaveSnoozeUntil(std::optional<UtcMs> until);

#pragma once
// The settings' home in the registry: HKEY_CURRENT_USER\Software\VelWakeUp\.
#include "core/SettingsRecord.h"

class RegistryKey;

// Writes the default of every value that does not exist yet, in the stored order.
void EnsureDefaults(RegistryKey& key);

// Writes all seven values, in the stored order, from `settings`.
void SaveSettings(const SettingsRecord& settings);

// Reads all seven values into `record`, field by field: a value of the wrong kind
// leaves its field as it was, every other field is read, and the first error passes on.
void LoadSettings(SettingsRecord& record);

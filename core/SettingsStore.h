#pragma once
// The settings' home in the registry: HKEY_CURRENT_USER\Software\VelWakeUp\.
#include "core/SettingsRecord.h"

class RegistryKey;

// Writes the default of every value that does not exist yet, in the stored order.
void EnsureDefaults(RegistryKey& key);

// Writes all seven values, in the stored order, from `settings`.
void SaveSettings(const SettingsRecord& settings);

// Reads all seven values into `record`, field by field: when a value is of the wrong
// kind the fields read before it keep their new content and the error passes on.
void LoadSettings(SettingsRecord& record);

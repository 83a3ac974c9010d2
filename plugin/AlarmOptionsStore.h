#pragma once
// The alarm options' values in the settings key (days, skip date, snooze, fade and
// fallback). A load never fails and never writes: a value absent, of a wrong type or
// size, or out of its range means its default. Only the options window writes them.
#include "alarm/SettingsRecord.h"

class RegistryKey;

// A DWORD value within `range`; its default when absent, malformed or outside it.
int ReadInRange(const RegistryKey& key, const char* name, const SettingRange& range);

// The six options' fields of `record` from the key.
void LoadAlarmOptions(const RegistryKey& key, SettingsRecord& record);

// Writes the six options from `settings`; a failure raises the registry's message.
void SaveAlarmOptions(const SettingsRecord& settings);

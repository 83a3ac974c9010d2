#include "plugin/AlarmOptionsStore.h"

#include "alarm/CivilTime.h"
#include "runtime/RegistryKey.h"

int ReadInRange(const RegistryKey& key, const char* name, const SettingRange& range) {
  const std::optional<DWORD> value = key.TryReadDword(name);
  return value ? range.ValueOrDefault(*value) : static_cast<int>(range.fallback);
}

namespace {
int ReadSkipDate(const RegistryKey& key) {
  const std::optional<DWORD> value = key.TryReadDword(SettingNames::SkipDate);
  return value && IsCalendarDateNumber(*value) ? static_cast<int>(*value) : NoSkipDate;
}
}  // namespace

void LoadAlarmOptions(const RegistryKey& key, SettingsRecord& record) {
  record.VelDays = ReadInRange(key, SettingNames::Days, DaysRange);
  record.VelSkipDate = ReadSkipDate(key);
  record.VelSnoozeSeconds = ReadInRange(key, SettingNames::SnoozeSeconds, SnoozeSecondsRange);
  record.VelFadeSeconds = ReadInRange(key, SettingNames::FadeSeconds, FadeSecondsRange);
  record.VelFallbackSeconds = ReadInRange(key, SettingNames::FallbackSeconds, FallbackSecondsRange);
  record.VelFallbackFile = key.TryReadString(SettingNames::FallbackFile).value_or("");
}

void SaveAlarmOptions(const SettingsRecord& settings) {
  RegistryKey key(SettingNames::Key);
  key.WriteDword(SettingNames::Days, static_cast<DWORD>(settings.VelDays));
  key.WriteDword(SettingNames::SkipDate, static_cast<DWORD>(settings.VelSkipDate));
  key.WriteDword(SettingNames::SnoozeSeconds, static_cast<DWORD>(settings.VelSnoozeSeconds));
  key.WriteDword(SettingNames::FadeSeconds, static_cast<DWORD>(settings.VelFadeSeconds));
  key.WriteDword(SettingNames::FallbackSeconds, static_cast<DWORD>(settings.VelFallbackSeconds));
  key.WriteString(SettingNames::FallbackFile, settings.VelFallbackFile);
}

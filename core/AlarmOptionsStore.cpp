#include "core/AlarmOptionsStore.h"

#include "core/schedule/CivilTime.h"
#include "runtime/RegistryKey.h"

namespace SN = SettingNames;

namespace {
int ReadInRange(const RegistryKey& key, const char* name, const SettingRange& range) {
  const std::optional<DWORD> value = key.TryReadDword(name);
  return value ? range.ValueOrDefault(*value) : static_cast<int>(range.fallback);
}

int ReadSkipDate(const RegistryKey& key) {
  const std::optional<DWORD> value = key.TryReadDword(SN::SkipDate);
  return value && IsCalendarDateNumber(*value) ? static_cast<int>(*value) : NoSkipDate;
}
}  // namespace

void LoadAlarmOptions(const RegistryKey& key, SettingsRecord& record) {
  record.VelDays = ReadInRange(key, SN::Days, DaysRange);
  record.VelSkipDate = ReadSkipDate(key);
  record.VelSnoozeSeconds = ReadInRange(key, SN::SnoozeSeconds, SnoozeSecondsRange);
  record.VelFadeSeconds = ReadInRange(key, SN::FadeSeconds, FadeSecondsRange);
  record.VelFallbackSeconds = ReadInRange(key, SN::FallbackSeconds, FallbackSecondsRange);
  record.VelFallbackFile = key.TryReadString(SN::FallbackFile).value_or("");
}

void SaveAlarmOptions(const SettingsRecord& settings) {
  RegistryKey key(SN::Key);
  key.WriteDword(SN::Days, static_cast<DWORD>(settings.VelDays));
  key.WriteDword(SN::SkipDate, static_cast<DWORD>(settings.VelSkipDate));
  key.WriteDword(SN::SnoozeSeconds, static_cast<DWORD>(settings.VelSnoozeSeconds));
  key.WriteDword(SN::FadeSeconds, static_cast<DWORD>(settings.VelFadeSeconds));
  key.WriteDword(SN::FallbackSeconds, static_cast<DWORD>(settings.VelFallbackSeconds));
  key.WriteString(SN::FallbackFile, settings.VelFallbackFile);
}

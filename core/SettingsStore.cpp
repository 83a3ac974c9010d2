#include "core/SettingsStore.h"

#include <exception>
#include <functional>
#include <initializer_list>

#include "core/AlarmOptionsStore.h"
#include "runtime/LocalTime.h"
#include "runtime/RegistryKey.h"

namespace {
// A fresh installation is armed for the time of day 1 - t, t being the moment of the
// first load: the stored value is t - 2.0, whose magnitude gives that time of day.
TTime DefaultWakeUp() { return LocalTimeOfDay() - 2.0; }

// Runs every read even after one has failed, so that a bad value costs only its own
// field; the first failure then passes on, as if it had stopped the load.
void ReadEach(std::initializer_list<std::function<void()>> reads) {
  std::exception_ptr firstFailure;
  for (const auto& read : reads) {
    try {
      read();
    } catch (...) {
      if (!firstFailure) firstFailure = std::current_exception();
    }
  }
  if (firstFailure) std::rethrow_exception(firstFailure);
}
}  // namespace

void EnsureDefaults(RegistryKey& key) {
  if (!key.ValueExists(SettingNames::WakeupTime)) key.WriteBinaryDouble(SettingNames::WakeupTime, DefaultWakeUp());
  if (!key.ValueExists(SettingNames::URL)) key.WriteString(SettingNames::URL, "");
  for (const char* name : {SettingNames::Active, SettingNames::Volume, SettingNames::Streaming,
                           SettingNames::Snooze, SettingNames::NoRestart})
    if (!key.ValueExists(name)) key.WriteBool(name, true);
}

void LoadSettings(SettingsRecord& record) {
  RegistryKey key(SettingNames::Key);
  EnsureDefaults(key);
  LoadWakeOptions(key, record);
  LoadAlarmOptions(key, record);
  ReadEach({
      [&] { record.VelURL = key.ReadString(SettingNames::URL); },
      [&] { record.VelWakeUp = key.ReadBinaryDouble(SettingNames::WakeupTime); },
      [&] { record.VelPluginActive = key.ReadBool(SettingNames::Active); },
      [&] { record.VelMaxVolume = key.ReadBool(SettingNames::Volume); },
      [&] { record.VelSnooze = key.ReadBool(SettingNames::Snooze); },
      [&] { record.VelStreamURL = key.ReadBool(SettingNames::Streaming); },
      [&] { record.VelNoRestart = key.ReadBool(SettingNames::NoRestart); },
  });
}

void LoadWakeOptions(const RegistryKey& key, SettingsRecord& record) {
  record.VelCatchUpMinutes = ReadInRange(key, SettingNames::CatchUpMinutes, CatchUpMinutesRange);
  record.VelWakeFromSleep = ReadInRange(key, SettingNames::WakeFromSleep, WakeFromSleepRange) != 0;
  record.VelLastRung = key.TryReadString(SettingNames::LastRung).value_or("");
}

void SaveLastRung(const std::string& lastRung) { RegistryKey(SettingNames::Key).WriteString(SettingNames::LastRung, lastRung); }

void SaveSettings(const SettingsRecord& settings) {
  RegistryKey key(SettingNames::Key);
  key.WriteString(SettingNames::URL, settings.VelURL);
  key.WriteBinaryDouble(SettingNames::WakeupTime, settings.VelWakeUp);
  key.WriteBool(SettingNames::Active, settings.VelPluginActive);
  key.WriteBool(SettingNames::Volume, settings.VelMaxVolume);
  key.WriteBool(SettingNames::Streaming, settings.VelStreamURL);
  key.WriteBool(SettingNames::Snooze, settings.VelSnooze);
  key.WriteBool(SettingNames::NoRestart, settings.VelNoRestart);
}

#include "core/SettingsStore.h"

#include <exception>
#include <functional>
#include <initializer_list>

#include "core/AlarmOptionsStore.h"
#include "runtime/LocalTime.h"
#include "runtime/RegistryKey.h"

namespace SN = SettingNames;

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
  if (!key.ValueExists(SN::WakeupTime)) key.WriteBinaryDouble(SN::WakeupTime, DefaultWakeUp());
  if (!key.ValueExists(SN::URL)) key.WriteString(SN::URL, "");
  for (const char* name : {SN::Active, SN::Volume, SN::Streaming, SN::Snooze, SN::NoRestart})
    if (!key.ValueExists(name)) key.WriteBool(name, true);
}

void LoadSettings(SettingsRecord& record) {
  RegistryKey key(SN::Key);
  EnsureDefaults(key);
  LoadWakeOptions(key, record);
  LoadAlarmOptions(key, record);
  ReadEach({
      [&] { record.VelURL = key.ReadString(SN::URL); },
      [&] { record.VelWakeUp = key.ReadBinaryDouble(SN::WakeupTime); },
      [&] { record.VelPluginActive = key.ReadBool(SN::Active); },
      [&] { record.VelMaxVolume = key.ReadBool(SN::Volume); },
      [&] { record.VelSnooze = key.ReadBool(SN::Snooze); },
      [&] { record.VelStreamURL = key.ReadBool(SN::Streaming); },
      [&] { record.VelNoRestart = key.ReadBool(SN::NoRestart); },
  });
}

void LoadWakeOptions(const RegistryKey& key, SettingsRecord& record) {
  const std::optional<DWORD> catchUp = key.TryReadDword(SN::CatchUpMinutes);
  record.VelCatchUpMinutes = catchUp ? CatchUpMinutesRange.ValueOrDefault(*catchUp)
                                     : static_cast<int>(CatchUpMinutesRange.fallback);
  const std::optional<DWORD> wake = key.TryReadDword(SN::WakeFromSleep);
  record.VelWakeFromSleep = (wake ? WakeFromSleepRange.ValueOrDefault(*wake) : WakeFromSleepRange.fallback) != 0;
  record.VelLastRung = key.TryReadString(SN::LastRung).value_or("");
}

void SaveLastRung(const std::string& lastRung) { RegistryKey(SN::Key).WriteString(SN::LastRung, lastRung); }

void SaveSettings(const SettingsRecord& settings) {
  RegistryKey key(SN::Key);
  key.WriteString(SN::URL, settings.VelURL);
  key.WriteBinaryDouble(SN::WakeupTime, settings.VelWakeUp);
  key.WriteBool(SN::Active, settings.VelPluginActive);
  key.WriteBool(SN::Volume, settings.VelMaxVolume);
  key.WriteBool(SN::Streaming, settings.VelStreamURL);
  key.WriteBool(SN::Snooze, settings.VelSnooze);
  key.WriteBool(SN::NoRestart, settings.VelNoRestart);
}

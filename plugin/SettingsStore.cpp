#include "plugin/SettingsStore.h"

#include <exception>
#include <initializer_list>
#include <utility>

#include "alarm/Snooze.h"
#include "plugin/AlarmOptionsStore.h"
#include "runtime/LocalTime.h"
#include "runtime/RegistryKey.h"

namespace {
// A fresh installation is armed for the time of day 1 - t, t being the moment of the
// first load: the stored value is t - 2.0, whose magnitude gives that time of day.
TTime DefaultWakeUp() { return LocalTimeOfDay() - 2.0; }

// Runs every read even after one has failed, so that a bad value costs only its own
// field; the first failure then passes on, as if it had stopped the load.
class EachRead {
 public:
  template <typename Read>
  void operator()(const Read& read) {
    try {
      read();
    } catch (...) {
      if (!firstFailure_) firstFailure_ = std::current_exception();
    }
  }
  void Finish() const {
    if (firstFailure_) std::rethrow_exception(firstFailure_);
  }

 private:
  std::exception_ptr firstFailure_;
};
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
  EachRead read;
  read([&] { record.VelURL = key.ReadString(SettingNames::URL); });
  read([&] { record.VelWakeupTime = key.ReadBinaryDouble(SettingNames::WakeupTime); });
  const std::pair<const char*, bool SettingsRecord::*> flags[] = {
      {SettingNames::Active, &SettingsRecord::VelActive}, {SettingNames::Volume, &SettingsRecord::VelVolume},
      {SettingNames::Snooze, &SettingsRecord::VelSnooze},       {SettingNames::Streaming, &SettingsRecord::VelStreaming},
      {SettingNames::NoRestart, &SettingsRecord::VelNoRestart},
  };
  for (const auto& [name, field] : flags) read([&] { record.*field = key.ReadBool(name); });
  read.Finish();
}

void LoadWakeOptions(const RegistryKey& key, SettingsRecord& record) {
  record.VelCatchUpMinutes = ReadInRange(key, SettingNames::CatchUpMinutes, CatchUpMinutesRange);
  record.VelWakeFromSleep = ReadInRange(key, SettingNames::WakeFromSleep, WakeFromSleepRange) != 0;
  record.VelLastRung = key.TryReadString(SettingNames::LastRung).value_or("");
  record.VelSnoozeUntil = ParseUtcText(key.TryReadString(SettingNames::SnoozeUntil).value_or(""));
}

void SaveLastRung(const std::string& lastRung) { RegistryKey(SettingNames::Key).WriteString(SettingNames::LastRung, lastRung); }

void SaveSnoozeUntil(std::optional<UtcMs> until) {
  RegistryKey key(SettingNames::Key);
  if (until)
    key.WriteString(SettingNames::SnoozeUntil, UtcText(*until));
  else
    key.DeleteValue(SettingNames::SnoozeUntil);
}

void SaveSettings(const SettingsRecord& settings) {
  RegistryKey key(SettingNames::Key);
  key.WriteString(SettingNames::URL, settings.VelURL);
  key.WriteBinaryDouble(SettingNames::WakeupTime, settings.VelWakeupTime);
  key.WriteBool(SettingNames::Active, settings.VelActive);
  key.WriteBool(SettingNames::Volume, settings.VelVolume);
  key.WriteBool(SettingNames::Streaming, settings.VelStreaming);
  key.WriteBool(SettingNames::Snooze, settings.VelSnooze);
  key.WriteBool(SettingNames::NoRestart, settings.VelNoRestart);
}

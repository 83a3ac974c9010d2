#include "plugin/SettingsStore.h"

#include <exception>
#include <vector>

#include "alarm/SettingsTable.h"
#include "alarm/Snooze.h"
#include "runtime/LocalTime.h"
#include "runtime/RegistryKey.h"

namespace {
// A fresh installation is armed for the time of day 1 - t, t being the moment of the
// first load: the stored value is t - 2.0, whose magnitude gives that time of day.
TTime DefaultWakeUp() { return LocalTimeOfDay() - 2.0; }

// The original values in the order `step` gives them.
std::vector<const SettingRow*> OriginalsBy(int SettingRow::*step) {
  std::vector<const SettingRow*> rows;
  for (int at = 1;; ++at) {
    const std::size_t before = rows.size();
    for (const SettingRow& row : SettingsTable)
      if (row.owner == SettingOwner::Dialog && row.*step == at) rows.push_back(&row);
    if (rows.size() == before) return rows;
  }
}

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

void ReadOriginal(const RegistryKey& key, const SettingRow& row, SettingsRecord& record) {
  switch (row.type) {
    case SettingType::Time:
      record.*row.time = key.ReadBinaryDouble(row.name);
      return;
    case SettingType::Text:
      record.*row.text = key.ReadString(row.name);
      return;
    default:
      record.*row.flag = key.ReadBool(row.name);
      return;
  }
}

// An original value in an alarm's subkey: like any other, absent or wrong reads as its default.
void ReadOriginalOrDefault(const RegistryKey& key, const SettingRow& row, SettingsRecord& record) {
  switch (row.type) {
    case SettingType::Time:
      record.*row.time = key.TryReadBinaryDouble(row.name).value_or(DefaultWakeUp());
      return;
    case SettingType::Text:
      record.*row.text = key.TryReadString(row.name).value_or("");
      return;
    default:
      record.*row.flag = key.TryReadDword(row.name).value_or(row.range.fallback) != 0;
      return;
  }
}

void ReadOptional(const RegistryKey& key, const SettingRow& row, SettingsRecord& record) {
  switch (row.type) {
    case SettingType::Switch: {
      const std::optional<DWORD> value = key.TryReadDword(row.name);
      record.*row.flag = (value ? row.range.ValueOrDefault(*value) : row.range.fallback) != 0;
      return;
    }
    case SettingType::Number:
    case SettingType::Date: {
      const std::optional<DWORD> value = key.TryReadDword(row.name);
      record.*row.number = value ? NumberOrDefault(row, *value) : NumberOrDefault(row, row.range.fallback);
      return;
    }
    case SettingType::Text:
      record.*row.text = key.TryReadString(row.name).value_or("");
      return;
    case SettingType::Instant:
      record.*row.instant = ParseUtcText(key.TryReadString(row.name).value_or(""));
      return;
    case SettingType::Time:
      return;  // only an original value is a time
  }
}

void Write(RegistryKey& key, const SettingRow& row, const SettingsRecord& settings) {
  switch (row.type) {
    case SettingType::Time:
      key.WriteBinaryDouble(row.name, settings.*row.time);
      return;
    case SettingType::Text:
      key.WriteString(row.name, settings.*row.text);
      return;
    case SettingType::Switch:
      key.WriteBool(row.name, settings.*row.flag);
      return;
    case SettingType::Number:
    case SettingType::Date:
      key.WriteDword(row.name, static_cast<DWORD>(settings.*row.number));
      return;
    case SettingType::Instant:
      return;  // the ring's own record has writers of its own
  }
}

// The rows of `owner`, written in the table's order into alarm 1's key.
void SaveRows(SettingOwner owner, const SettingsRecord& settings) {
  RegistryKey key(SettingNames::Key);
  for (const SettingRow& row : SettingsTable)
    if (row.owner == owner) Write(key, row, settings);
}

constexpr const char* AlarmsKey = "Software\\VelWakeUp\\Alarms\\";

// Alarm `number`'s subkey as it is, over alarm 1's global value.
NumberedAlarm ReadAlarmKey(const RegistryKey& key, int number, const SettingsRecord& first) {
  NumberedAlarm alarm{number, SettingsRecord()};
  for (const SettingRow& row : SettingsTable) {
    if (row.owner == SettingOwner::Dialog)
      ReadOriginalOrDefault(key, row, alarm.settings);
    else if (row.owner != SettingOwner::Registry && row.owner != SettingOwner::Global)
      ReadOptional(key, row, alarm.settings);
  }
  // The main key's values for every alarm.
  CopyValues(SettingOwner::Registry, first, alarm.settings);
  CopyValues(SettingOwner::Global, first, alarm.settings);
  // Waking was one value for every alarm before each had its own.
  if (!key.ValueExists(SettingNames::WakeFromSleep)) alarm.settings.VelWakeFromSleep = first.VelWakeFromSleep;
  return alarm;
}
}  // namespace

void EnsureDefaults(RegistryKey& key) {
  for (const SettingRow* row : OriginalsBy(&SettingRow::defaultStep)) {
    if (key.ValueExists(row->name)) continue;
    switch (row->type) {
      case SettingType::Time:
        key.WriteBinaryDouble(row->name, DefaultWakeUp());
        break;
      case SettingType::Text:
        key.WriteString(row->name, "");
        break;
      default:
        key.WriteBool(row->name, row->range.fallback != 0);
        break;
    }
  }
}

void LoadSettings(SettingsRecord& record) {
  RegistryKey key(SettingNames::Key);
  EnsureDefaults(key);
  for (const SettingRow& row : SettingsTable)
    if (row.owner != SettingOwner::Dialog) ReadOptional(key, row, record);
  EachRead read;
  for (const SettingRow* row : OriginalsBy(&SettingRow::loadStep)) read([&] { ReadOriginal(key, *row, record); });
  read.Finish();
}

void SaveSettings(const SettingsRecord& settings) { SaveRows(SettingOwner::Dialog, settings); }

void SaveAlarmOptions(const SettingsRecord& settings) { SaveRows(SettingOwner::Options, settings); }

void SaveGlobalNumber(const char* name, int value) {
  RegistryKey(SettingNames::Key).WriteDword(name, static_cast<DWORD>(value));
}

std::string AlarmKeyPath(int number) {
  return number == FirstAlarm ? SettingNames::Key : AlarmsKey + std::to_string(number);
}

void LoadAlarms(AlarmList& alarms) {
  alarms.assign(1, NumberedAlarm{FirstAlarm, SettingsRecord()});
  std::exception_ptr firstFailure;
  try {
    LoadSettings(alarms.front().settings);
  } catch (...) {
    firstFailure = std::current_exception();
  }
  for (int number = FirstAlarm + 1; number <= MaxAlarms; ++number)
    if (const std::optional<RegistryKey> key = RegistryKey::OpenExisting(AlarmKeyPath(number)))
      alarms.push_back(ReadAlarmKey(*key, number, alarms.front().settings));
  if (firstFailure) std::rethrow_exception(firstFailure);
}

void SaveAlarm(int number, const SettingsRecord& settings) {
  RegistryKey key(AlarmKeyPath(number));
  for (const SettingRow& row : SettingsTable)
    for (SettingOwner owner : EditedOwners)
      if (row.owner == owner) Write(key, row, settings);
}

void DeleteAlarmKey(int number) {
  if (number != FirstAlarm) RegistryKey::DeleteKey(AlarmKeyPath(number));
}

void SaveLastRung(int number, const std::string& lastRung) {
  RegistryKey(AlarmKeyPath(number)).WriteString(SettingNames::LastRung, lastRung);
}

void SaveActive(int number, bool active) { RegistryKey(AlarmKeyPath(number)).WriteBool(SettingNames::Active, active); }

namespace {
void SaveInstant(int number, const char* name, std::optional<UtcMs> instant) {
  RegistryKey key(AlarmKeyPath(number));
  if (instant)
    key.WriteString(name, UtcText(*instant));
  else
    key.DeleteValue(name);
}
}  // namespace

void SaveSnoozeUntil(int number, std::optional<UtcMs> until) { SaveInstant(number, SettingNames::SnoozeUntil, until); }

void SavePlannedRing(int number, std::optional<UtcMs> ring) { SaveInstant(number, SettingNames::PlannedRing, ring); }

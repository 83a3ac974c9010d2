#include "tools/player-sim/SettingsWriter.h"

#include <cstring>
#include <stdexcept>

#include "alarm/SettingsRecord.h"
#include "runtime/DayTime.h"
#include "runtime/ScopedHandles.h"
#include "runtime/SystemError.h"
#include "tools/player-sim/LogText.h"
#include "tools/player-sim/RegistryValueText.h"
#include "tools/player-sim/SimLog.h"

namespace {
// A value's name may start with subkeys of the settings key, "Alarms\\2\\VelURL": the key
// path below HKEY_CURRENT_USER and the value's own name.
struct ValuePlace {
  std::string key;
  std::string value;
};

ValuePlace PlaceOf(const std::string& name) {
  const std::size_t last = name.rfind('\\');
  if (last == std::string::npos) return {SettingNames::Key, name};
  return {SettingNames::Key + name.substr(0, last), name.substr(last + 1)};
}

ScopedRegistryKey CreateSettingsKey(const std::string& path) {
  ScopedRegistryKey key;
  const LONG status = RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                      KEY_ALL_ACCESS, nullptr, key.Receive(), nullptr);
  if (status != ERROR_SUCCESS) {
    throw std::runtime_error(Format("cannot create HKCU\\%s: %s", path.c_str(), SystemErrorText(status).c_str()));
  }
  return key;
}

std::vector<unsigned char> BytesOf(const void* data, std::size_t size) {
  const auto* bytes = static_cast<const unsigned char*>(data);
  return std::vector<unsigned char>(bytes, bytes + size);
}
}  // namespace

void SettingsWriter::DeleteKey() {
  // RegDeleteTree wants the key's name without the trailing backslash the plug-in uses.
  std::string path = SettingNames::Key;
  while (!path.empty() && path.back() == '\\') path.pop_back();
  const LONG status = RegDeleteTreeA(HKEY_CURRENT_USER, path.c_str());
  if (status == ERROR_FILE_NOT_FOUND) {
    log_.Line("settings written: reset, there was no key");
    return;
  }
  if (status != ERROR_SUCCESS) {
    throw std::runtime_error(Format("cannot delete HKCU\\%s: %s", path.c_str(), SystemErrorText(status).c_str()));
  }
  log_.Line("settings written: reset, key deleted");
}

void SettingsWriter::Arm(int hour, int minute) {
  const TTime wakeUp = EncodeTime(hour, minute, 0, 0);
  const DWORD armed = 1;
  Store(SettingNames::WakeupTime, REG_BINARY, BytesOf(&wakeUp, sizeof wakeUp));
  Store(SettingNames::Active, REG_DWORD, BytesOf(&armed, sizeof armed));
  log_.Line(Format("settings written: armed for %02d:%02d", hour, minute));
}

void SettingsWriter::WriteText(const std::string& name, const std::string& text) {
  WriteRaw(name, REG_SZ, BytesOf(text.c_str(), text.size() + 1));
}

void SettingsWriter::WriteFlag(const std::string& name, bool on) {
  const DWORD value = on ? 1 : 0;
  WriteRaw(name, REG_DWORD, BytesOf(&value, sizeof value));
}

void SettingsWriter::WriteRaw(const std::string& name, DWORD type, const std::vector<unsigned char>& data) {
  Store(name, type, data);
  log_.Line("settings written: " + DescribeRegistryValue(name, type, data));
}

void SettingsWriter::DeleteValue(const std::string& name) {
  const ValuePlace place = PlaceOf(name);
  const ScopedRegistryKey key = CreateSettingsKey(place.key);
  const LONG status = RegDeleteValueA(key.Get(), place.value.c_str());
  if (status == ERROR_FILE_NOT_FOUND) {
    log_.Line(Format("settings written: %s was absent", name.c_str()));
    return;
  }
  if (status != ERROR_SUCCESS) {
    throw std::runtime_error(Format("cannot delete %s: %s", name.c_str(), SystemErrorText(status).c_str()));
  }
  log_.Line(Format("settings written: %s deleted", name.c_str()));
}

void SettingsWriter::Store(const std::string& name, DWORD type, const std::vector<unsigned char>& data) {
  const ValuePlace place = PlaceOf(name);
  const ScopedRegistryKey key = CreateSettingsKey(place.key);
  const LONG status =
      RegSetValueExA(key.Get(), place.value.c_str(), 0, type, data.data(), static_cast<DWORD>(data.size()));
  if (status != ERROR_SUCCESS) {
    throw std::runtime_error(Format("cannot write %s: %s", name.c_str(), SystemErrorText(status).c_str()));
  }
}

void SettingsWriter::Apply(const std::vector<RawSettingEdit>& edits) {
  for (const RawSettingEdit& edit : edits) {
    if (edit.remove) {
      DeleteValue(edit.name);
    } else {
      WriteRaw(edit.name, edit.type, edit.data);
    }
  }
}

#include "tools/player-sim/SettingsDump.h"

#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "alarm/SettingsRecord.h"
#include "runtime/ScopedHandles.h"
#include "runtime/SystemError.h"
#include "tools/player-sim/LogText.h"
#include "tools/player-sim/RegistryValueText.h"
#include "tools/player-sim/SimLog.h"

namespace {
const std::array<const char*, 7> KnownNames = {SettingNames::WakeupTime, SettingNames::URL,       SettingNames::Active,
                                               SettingNames::Volume,     SettingNames::Streaming, SettingNames::Snooze,
                                               SettingNames::NoRestart};

bool IsKnownName(const std::string& name) {
  for (const char* known : KnownNames) {
    if (lstrcmpiA(known, name.c_str()) == 0) return true;
  }
  return false;
}

// `shownAs` leads the value's name in the line: "Alarms\\2\\" for an alarm's subkey.
void DumpValue(SimLog& log, HKEY key, const std::string& name, const std::string& shownAs = "") {
  DWORD type = 0;
  DWORD size = 0;
  LONG status = RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size);
  if (status == ERROR_FILE_NOT_FOUND) return;
  std::vector<unsigned char> data(size);
  if (status == ERROR_SUCCESS && size > 0) {
    status = RegQueryValueExA(key, name.c_str(), nullptr, &type, data.data(), &size);
    data.resize(size);
  }
  if (status != ERROR_SUCCESS) {
    log.Line(Format("setting %s%s unreadable: %s", shownAs.c_str(), name.c_str(), SystemErrorText(status).c_str()));
    return;
  }
  log.Line("setting " + DescribeRegistryValue(shownAs + name, type, data));
}

std::vector<std::string> OtherNames(SimLog& log, HKEY key) {
  DWORD longestName = 0;
  LONG status = RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &longestName,
                                 nullptr, nullptr, nullptr);
  std::vector<std::string> names;
  if (status != ERROR_SUCCESS) {
    log.Line("settings key unreadable: " + SystemErrorText(status));
    return names;
  }
  std::vector<char> buffer(longestName + 1);
  for (DWORD index = 0;; ++index) {
    DWORD length = static_cast<DWORD>(buffer.size());
    status = RegEnumValueA(key, index, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr);
    if (status == ERROR_NO_MORE_ITEMS) break;
    if (status != ERROR_SUCCESS) {
      log.Line("settings key unreadable: " + SystemErrorText(status));
      break;
    }
    std::string name(buffer.data(), length);
    if (!IsKnownName(name)) names.push_back(name);
  }
  return names;
}
}  // namespace

void DumpSettings(SimLog& log) {
  ScopedRegistryKey key;
  const LONG status = RegOpenKeyExA(HKEY_CURRENT_USER, SettingNames::Key, 0, KEY_READ, key.Receive());
  if (status == ERROR_FILE_NOT_FOUND) {
    log.Line("no settings key");
    return;
  }
  if (status != ERROR_SUCCESS) {
    log.Line("settings key unreadable: " + SystemErrorText(status));
    return;
  }
  for (const char* name : KnownNames) DumpValue(log, key.Get(), name);
  for (const std::string& name : OtherNames(log, key.Get())) DumpValue(log, key.Get(), name);
  // The further alarms' subkeys, by number.
  for (int number = 2; number <= 99; ++number) {
    const std::string shownAs = "Alarms\\" + std::to_string(number) + "\\";
    ScopedRegistryKey alarm;
    if (RegOpenKeyExA(key.Get(), shownAs.c_str(), 0, KEY_READ, alarm.Receive()) != ERROR_SUCCESS) continue;
    log.Line("alarm subkey " + std::to_string(number));
    for (const char* name : KnownNames) DumpValue(log, alarm.Get(), name, shownAs);
    for (const std::string& name : OtherNames(log, alarm.Get())) DumpValue(log, alarm.Get(), name, shownAs);
  }
}

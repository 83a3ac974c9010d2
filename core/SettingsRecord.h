#pragma once
// The seven user settings (and the never-used VelSnoozed), as the data module holds
// them in memory, and the names of their registry values.
#include <string>

#include "runtime/DayTime.h"

struct SettingsRecord {
  bool VelStreamURL = false;
  std::string VelURL;
  bool VelPluginActive = false;
  TTime VelWakeUp = 0;
  bool VelMaxVolume = false;
  bool VelSnooze = false;
  bool VelSnoozed = false;
  bool VelNoRestart = false;
};

namespace SettingNames {
constexpr const char* Key = "Software\\VelWakeUp\\";
constexpr const char* WakeupTime = "VelWakeupTime";
constexpr const char* URL = "VelURL";
constexpr const char* Active = "VelActive";
constexpr const char* Volume = "VelVolume";
constexpr const char* Streaming = "VelStreaming";
constexpr const char* Snooze = "VelSnooze";
constexpr const char* NoRestart = "VelNoRestart";
}  // namespace SettingNames

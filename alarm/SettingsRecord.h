#pragma once
// The alarm's settings and ring record as the alarm clock holds them in memory, each field
// named as its registry value, and those names. How each value is stored, its default and
// how a wrong one reads are in the settings table (alarm/SettingsTable.h).
#include <cstdint>
#include <optional>
#include <string>

#include "alarm/CivilTime.h"
#include "runtime/DayTime.h"

// The range of a numeric optional value and what it means when absent or invalid.
struct SettingRange {
  std::int64_t minimum;
  std::int64_t maximum;
  std::int64_t fallback;
  bool Contains(std::int64_t value) const { return value >= minimum && value <= maximum; }
  int ValueOrDefault(std::int64_t value) const { return static_cast<int>(Contains(value) ? value : fallback); }
};

constexpr int EveryDay = 0x7F;  // bit 0 Sunday ... bit 6 Saturday
constexpr SettingRange DaysRange{0, EveryDay, EveryDay};
constexpr SettingRange SnoozeSecondsRange{60, 3600, 432};
constexpr SettingRange FadeSecondsRange{0, 600, 0};
constexpr SettingRange FallbackSecondsRange{0, 300, 30};
constexpr SettingRange CatchUpMinutesRange{0, 120, 10};
constexpr SettingRange WakeFromSleepRange{0, 1, 1};
constexpr SettingRange SystemVolumeMinRange{0, 100, 30};
constexpr SettingRange RingMinutesRange{0, 120, 0};  // 0: the ring goes on until answered
constexpr SettingRange SleepMinutesRange{1, 600, 30};
constexpr SettingRange SleepFadeSecondsRange{0, 600, 60};
constexpr SettingRange SleepActionRange{0, 1, 0};
// The skip date is 0 (none) or a calendar date yyyymmdd (IsCalendarDateNumber).
constexpr int NoSkipDate = 0;

struct SettingsRecord {
  bool VelStreaming = false;
  std::string VelURL;
  bool VelActive = false;
  TTime VelWakeupTime = 0;
  bool VelVolume = false;
  bool VelSnooze = false;
  bool VelNoRestart = false;

  int VelDays = static_cast<int>(DaysRange.fallback);
  int VelSkipDate = NoSkipDate;
  int VelSnoozeSeconds = static_cast<int>(SnoozeSecondsRange.fallback);
  int VelFadeSeconds = static_cast<int>(FadeSecondsRange.fallback);
  int VelFallbackSeconds = static_cast<int>(FallbackSecondsRange.fallback);
  std::string VelFallbackFile;
  int VelCatchUpMinutes = static_cast<int>(CatchUpMinutesRange.fallback);
  bool VelWakeFromSleep = WakeFromSleepRange.fallback != 0;
  std::string VelLastRung;  // "yyyy-mm-dd hh:nn", local: the date and alarm time of the last ring
  // The instant a SNOOZE asked for: it rings once, whatever the days, the skip date and
  // the last ring say. Its ring, DISABLE and switching the alarm off clear it.
  std::optional<UtcMs> VelSnoozeUntil;
  std::string VelLabel;        // the user's name for the alarm, shown with its rings
  bool VelOnce = false;        // a one-off: switches itself off after its ring
  bool VelSystemSound = true;  // unmute Windows' sound and raise it to VelSystemVolumeMin at a ring
  int VelSystemVolumeMin = static_cast<int>(SystemVolumeMinRange.fallback);
  int VelRingMinutes = static_cast<int>(RingMinutesRange.fallback);
  // The ring the worker plans next, until it rings: one that passes unrung was missed.
  std::optional<UtcMs> VelPlannedRing;
  // The sleep timer's, one for every alarm: the last length chosen, its fade-out, and
  // whether the PC then sleeps until the alarm.
  int VelSleepMinutes = static_cast<int>(SleepMinutesRange.fallback);
  int VelSleepFadeSeconds = static_cast<int>(SleepFadeSecondsRange.fallback);
  int VelSleepAction = static_cast<int>(SleepActionRange.fallback);
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

constexpr const char* Days = "VelDays";
constexpr const char* SkipDate = "VelSkipDate";
constexpr const char* SnoozeSeconds = "VelSnoozeSeconds";
constexpr const char* FadeSeconds = "VelFadeSeconds";
constexpr const char* FallbackSeconds = "VelFallbackSeconds";
constexpr const char* FallbackFile = "VelFallbackFile";
constexpr const char* CatchUpMinutes = "VelCatchUpMinutes";
constexpr const char* WakeFromSleep = "VelWakeFromSleep";
constexpr const char* LastRung = "VelLastRung";
constexpr const char* SnoozeUntil = "VelSnoozeUntil";
constexpr const char* Label = "VelLabel";
constexpr const char* Once = "VelOnce";
constexpr const char* SystemSound = "VelSystemSound";
constexpr const char* SystemVolumeMin = "VelSystemVolumeMin";
constexpr const char* RingMinutes = "VelRingMinutes";
constexpr const char* PlannedRing = "VelPlannedRing";
constexpr const char* SleepMinutes = "VelSleepMinutes";
constexpr const char* SleepFadeSeconds = "VelSleepFadeSeconds";
constexpr const char* SleepAction = "VelSleepAction";
}  // namespace SettingNames

// The Alarms and the Alarm window with three sample alarms: a workday alarm, a weekend
// alarm and a one-off, seen on Monday 7 December 2026 in UTC.
#include <windows.h>

#include "dialogs/AlarmWindow.h"
#include "dialogs/AlarmsHost.h"
#include "dialogs/AlarmsWindow.h"
#include "runtime/Form.h"
#include "tools/gallery/Gallery.h"

namespace {
constexpr int Workdays = 0x3E;  // Monday to Friday
constexpr int Weekend = 0x41;   // Saturday and Sunday

SettingsRecord SampleAlarm(int hour, int minute, int days, const char* label, bool once) {
  SettingsRecord settings;
  settings.VelActive = true;
  settings.VelWakeupTime = EncodeTime(hour, minute, 0, 0);
  settings.VelDays = days;
  settings.VelLabel = label;
  settings.VelOnce = once;
  return settings;
}

// The three alarms as the plug-in would keep them; the next rings from the domain.
struct SampleHost : AlarmsHost, TimeZoneRules {
  AlarmList alarms = {{1, SampleAlarm(6, 45, Workdays, "Work", false)},
                      {2, SampleAlarm(9, 0, Weekend, "", false)},
                      {3, SampleAlarm(5, 10, EveryDay, "Early train", true)}};
  UtcMs Now() override { return Moment; }
  const TimeZoneRules& Zone() override { return *this; }
  LocalDateTime ToLocal(UtcMs instant) const override { return FromWallClockMs(instant); }
  AlarmList Alarms() override { return alarms; }
  std::optional<RingSlot> NextRing(int, const SettingsRecord& shown, bool) override {
    return ::NextRing(shown, Moment, *this);
  }
  void SaveAlarm(int, const SettingsRecord&) override {}
  int AddAlarm(const SettingsRecord&) override { return 0; }
  void DeleteAlarm(int) override {}
  void TryRing(const SettingsRecord&) override {}
  std::wstring PlayerSettingsFolder() override { return L""; }
  PowerFacts Power() override { return PowerFacts{WakeTimersEnabled, WakeTimersEnabled}; }
  static constexpr UtcMs Moment = 1796630400000;  // 2026-12-07 08:00 UTC, a Monday
};

SampleHost sampleHost;

const GalleryScene alarmsWindow("alarms-window", [](TForm& host) {
  auto* window = new TAlarmsWindow(&host, sampleHost);
  window->Show();
  window->Select(2);
  return window->Handle();
});

const GalleryScene alarmWindow("alarm-window", [](TForm& host) {
  auto* window = new TAlarmWindow(&host, 1, sampleHost.alarms[0].settings, sampleHost);
  window->Show();
  return window->Handle();
});
}  // namespace

// From creating a window to its first complete paint: what the configure callback and
// the alarm's snooze launcher make the user wait for.
#include <memory>

#include "dialogs/AlarmOptionsWindow.h"
#include "dialogs/AlarmsHost.h"
#include "dialogs/AlarmsWindow.h"
#include "dialogs/ConfigDialog.h"
#include "dialogs/SnoozeWindow.h"
#include "tools/control-bench/Bench.h"

namespace {
void ShowAndPaintFully(TForm& window) {
  window.Show();
  RedrawWindow(window.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// The window is destroyed after each run, outside the measurement.
template <typename Window, typename... Arguments>
BenchStep CreateAndPaint(Arguments&... arguments) {
  auto shown = std::make_shared<std::unique_ptr<Window>>();
  return BenchStep(
      [shown, &arguments...] {
        *shown = std::make_unique<Window>(nullptr, arguments...);
        ShowAndPaintFully(**shown);
      },
      [shown] { shown->reset(); });
}

// A fixed moment in UTC: the window's next-ring text costs the same as with the system's zone.
struct FixedOptionsHost : AlarmOptionsHost, TimeZoneRules {
  UtcMs Now() override { return BenchMoment; }
  const TimeZoneRules& Zone() override { return *this; }
  LocalDateTime ToLocal(UtcMs instant) const override { return FromWallClockMs(instant); }
  std::optional<RingSlot> NextRing(const SettingsRecord& shown, bool) override {
    return ::NextRing(shown, BenchMoment, *this);
  }
  void SaveOptions(const SettingsRecord&) override {}
  void TryRing(const SettingsRecord&) override {}
  PowerFacts Power() override { return {}; }
  static constexpr UtcMs BenchMoment = 1796630400000;  // 2026-12-07 08:00 UTC
};

SettingsRecord armedSettings = [] {
  SettingsRecord settings;
  settings.VelActive = true;
  settings.VelWakeupTime = 0.3125;  // 07:30
  return settings;
}();
// Twenty armed alarms, the most there can be.
struct FullAlarmsHost : AlarmsHost {
  UtcMs Now() override { return FixedOptionsHost::BenchMoment; }
  const TimeZoneRules& Zone() override { return zone; }
  AlarmList Alarms() override {
    AlarmList alarms;
    for (int number = FirstAlarm; number <= MaxAlarms; ++number) alarms.push_back({number, armed});
    return alarms;
  }
  std::optional<RingSlot> NextRing(int, const SettingsRecord& shown, bool countSnooze) override {
    return zone.NextRing(shown, countSnooze);
  }
  void SaveAlarm(int, const SettingsRecord&) override {}
  int AddAlarm(const SettingsRecord&) override { return 0; }
  void DeleteAlarm(int) override {}
  void TryRing(const SettingsRecord&) override {}
  std::wstring PlayerSettingsFolder() override { return L""; }
  PowerFacts Power() override { return {}; }
  FixedOptionsHost zone;
  SettingsRecord armed = armedSettings;
};

FixedOptionsHost optionsHost;

FullAlarmsHost alarmsHost;

const BenchCase configDialog("dialogs: configuration dialog created and first painted",
                             [](TForm&) { return CreateAndPaint<TConfigDlg>(); });

const BenchCase alarmsWindow("dialogs: alarms window with 20 alarms created and first painted",
                             [](TForm&) { return CreateAndPaint<TAlarmsWindow>(alarmsHost); });

const BenchCase snoozeWindow("dialogs: snooze window created and first painted",
                             [](TForm&) { return CreateAndPaint<TFrmSnooze>(); });

const BenchCase optionsWindow("dialogs: alarm options window created and first painted",
                              [](TForm&) { return CreateAndPaint<TAlarmOptionsWindow>(armedSettings, optionsHost); });
}  // namespace

#include "plugin/Configuration.h"

#include <memory>

#include "controls/styled/SCCheckbox.h"
#include "controls/styled/SCCombobox.h"
#include "controls/timepicker/TimePicker.h"
#include "dialogs/AlarmOptionsWindow.h"
#include "dialogs/AlarmsWindow.h"
#include "dialogs/ConfigDialog.h"
#include "plugin/AlarmClock.h"
#include "plugin/AlarmsLink.h"
#include "plugin/SystemTimeZone.h"

namespace {
constexpr const char* DialogCaption = "Velmora Software - Winamp wakeup plugin";

// Checked from the program: no change handler runs, so every box shows its value.
void ShowRecord(TConfigDlg& dialog, const SettingsRecord& s) {
  dialog.PluginActiveCheck->SetChecked(s.VelActive);
  dialog.StreamAddress->SetText(s.VelURL);
  dialog.AlarmTime->SetTime(s.VelWakeupTime);
  dialog.BoostVolumeCheck->SetChecked(s.VelVolume);
  dialog.SnoozeCheck->SetChecked(s.VelSnooze);
  dialog.StreamCheck->SetChecked(s.VelStreaming);
  dialog.NoRestartCheck->SetChecked(s.VelNoRestart);
}

// What the dialog shows now over `settings`: saved or not, the picker holds a whole
// minute with date part 0, so the time lies in [0, 1).
SettingsRecord WithDialogValues(SettingsRecord settings, const TConfigDlg& dialog) {
  settings.VelURL = dialog.StreamAddress->Text();
  settings.VelWakeupTime = dialog.AlarmTime->Time();
  settings.VelActive = dialog.PluginActiveCheck->Checked();
  settings.VelVolume = dialog.BoostVolumeCheck->Checked();
  settings.VelStreaming = dialog.StreamCheck->Checked();
  settings.VelSnooze = dialog.SnoozeCheck->Checked();
  settings.VelNoRestart = dialog.NoRestartCheck->Checked();
  return settings;
}

// The options window's link to the plug-in: the system's clock and zone, and the alarm.
class OptionsLink : public AlarmOptionsHost {
 public:
  explicit OptionsLink(AlarmClock& alarm) : alarm_(alarm) {}
  UtcMs Now() override { return SystemNow(); }
  const TimeZoneRules& Zone() override { return zone_; }
  std::optional<RingSlot> NextRing(const SettingsRecord& shown, bool countSnooze) override {
    return alarm_.NextRingOf(FirstAlarm, shown, SystemNow(), countSnooze);
  }
  void SaveOptions(const SettingsRecord& settings) override { alarm_.SaveAlarmOptions(settings); }
  void TryRing(const SettingsRecord& settings) override { alarm_.RequestTrialRing(settings); }
  PowerFacts Power() override { return alarm_.Power(); }

 private:
  AlarmClock& alarm_;
  SystemTimeZone zone_;
};

// The options over the dialog's values as they stand, saved or not: its next ring and
// "Try it now" are those of the alarm the user sees.
void ShowAlarmOptions(AlarmClock& alarm, const TConfigDlg& dialog) {
  OptionsLink link(alarm);
  TAlarmOptionsWindow(nullptr, WithDialogValues(alarm.Settings(), dialog), link).ShowModal();
}

bool SameDialogValues(const SettingsRecord& a, const SettingsRecord& b) {
  return a.VelURL == b.VelURL && a.VelWakeupTime == b.VelWakeupTime && a.VelActive == b.VelActive &&
         a.VelVolume == b.VelVolume && a.VelStreaming == b.VelStreaming && a.VelSnooze == b.VelSnooze &&
         a.VelNoRestart == b.VelNoRestart;
}

// The list of alarms over the dialog. Alarm 1 edited there is the dialog's own: the
// dialog then shows it as saved.
void ShowAlarms(AlarmClock& alarm, TConfigDlg& dialog) {
  const SettingsRecord before = alarm.Settings();
  AlarmsLink link(alarm);
  TAlarmsWindow(nullptr, link).ShowModal();
  const SettingsRecord after = alarm.Settings();
  if (!SameDialogValues(before, after)) ShowRecord(dialog, after);
}
}  // namespace

void RunConfiguration(AlarmClock& alarm) {
  // Destroyed also when a step fails.
  const auto dialog = std::make_unique<TConfigDlg>(nullptr, [&alarm] { return alarm.WinampControl->SettingsFolder(); });
  dialog->SetCaption(DialogCaption);
  ShowRecord(*dialog, alarm.Settings());
  dialog->SaveSettings = [&alarm](TConfigDlg& shown) {
    alarm.SaveDialogSettings(WithDialogValues(alarm.Settings(), shown));
  };
  dialog->ShowAlarmOptions = [&alarm](TConfigDlg& shown) { ShowAlarmOptions(alarm, shown); };
  dialog->ShowAlarms = [&alarm](TConfigDlg& shown) { ShowAlarms(alarm, shown); };
  dialog->ShowModal();
}

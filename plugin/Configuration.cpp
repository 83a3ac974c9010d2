#include "plugin/Configuration.h"

#include <memory>

#include "controls/styled/SCCheckbox.h"
#include "controls/styled/SCCombobox.h"
#include "controls/timepicker/TimePicker.h"
#include "plugin/AlarmOptionsStore.h"
#include "plugin/AlarmClock.h"
#include "plugin/SettingsStore.h"
#include "plugin/SystemTimeZone.h"
#include "dialogs/AlarmOptionsWindow.h"
#include "dialogs/ConfigDialog.h"

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

// The picker holds a whole minute with date part 0, so the stored time lies in [0, 1).
SettingsRecord RecordFromDialog(const TConfigDlg& dialog) {
  SettingsRecord s;
  s.VelURL = dialog.StreamAddress->Text();
  s.VelWakeupTime = dialog.AlarmTime->Time();
  s.VelActive = dialog.PluginActiveCheck->Checked();
  s.VelVolume = dialog.BoostVolumeCheck->Checked();
  s.VelStreaming = dialog.StreamCheck->Checked();
  s.VelSnooze = dialog.SnoozeCheck->Checked();
  s.VelNoRestart = dialog.NoRestartCheck->Checked();
  return s;
}
// The options window's link to the plug-in: the system's clock and zone, the registry,
// the record and the worker.
class OptionsLink : public AlarmOptionsHost {
 public:
  explicit OptionsLink(AlarmClock& data) : data_(data) {}
  UtcMs Now() override { return SystemNow(); }
  const TimeZoneRules& Zone() override { return zone_; }
  void SaveOptions(const SettingsRecord& settings) override {
    SaveAlarmOptions(settings);
    data_.ApplyAlarmOptions(settings);
  }
  void TryRing(const SettingsRecord& settings) override { data_.RequestTrialRing(settings); }

 private:
  AlarmClock& data_;
  SystemTimeZone zone_;
};

void ShowAlarmOptions(AlarmClock& data) {
  OptionsLink link(data);
  TAlarmOptionsWindow(nullptr, data.Settings(), link).ShowModal();
}
}  // namespace

void RunConfiguration(AlarmClock& data) {
  // Destroyed also when a step fails.
  const auto dialog =
      std::make_unique<TConfigDlg>(nullptr, [&data] { return data.WinampControl->SettingsFolder(); });
  dialog->SetCaption(DialogCaption);
  ShowRecord(*dialog, data.Settings());
  dialog->SaveSettings = [](TConfigDlg& shown) { SaveSettings(RecordFromDialog(shown)); };
  dialog->ShowAlarmOptions = [&data](TConfigDlg&) { ShowAlarmOptions(data); };
  dialog->ShowModal();
  data.LoadSettings();
}

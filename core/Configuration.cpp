#include "core/Configuration.h"

#include <memory>

#include "controls/styled/SCCheckbox.h"
#include "controls/styled/SCCombobox.h"
#include "controls/timepicker/TimePicker.h"
#include "core/AlarmOptionsStore.h"
#include "core/DataModule.h"
#include "core/SettingsStore.h"
#include "core/SystemTimeZone.h"
#include "dialogs/AlarmOptionsWindow.h"
#include "dialogs/ConfigDialog.h"

namespace {
constexpr const char* DialogCaption = "Velmora Software - Winamp wakeup plugin";

// Checked from the program: no change handler runs, so every box shows its value.
void ShowRecord(TConfigDlg& dialog, const SettingsRecord& s) {
  dialog.ChkPluginActive->SetChecked(s.VelPluginActive);
  dialog.txtURL->SetText(s.VelURL);
  dialog.MyTimer->SetTime(s.VelWakeUp);
  dialog.ChkVolume->SetChecked(s.VelMaxVolume);
  dialog.ChkSnooze->SetChecked(s.VelSnooze);
  dialog.ChkStream->SetChecked(s.VelStreamURL);
  dialog.ChkNoRestart->SetChecked(s.VelNoRestart);
}

// The picker holds a whole minute with date part 0, so the stored time lies in [0, 1).
SettingsRecord RecordFromDialog(const TConfigDlg& dialog) {
  SettingsRecord s;
  s.VelURL = dialog.txtURL->Text();
  s.VelWakeUp = dialog.MyTimer->Time();
  s.VelPluginActive = dialog.ChkPluginActive->Checked();
  s.VelMaxVolume = dialog.ChkVolume->Checked();
  s.VelStreamURL = dialog.ChkStream->Checked();
  s.VelSnooze = dialog.ChkSnooze->Checked();
  s.VelNoRestart = dialog.ChkNoRestart->Checked();
  return s;
}
// The options window's link to the plug-in: the system's clock and zone, the registry,
// the record and the worker.
class OptionsLink : public AlarmOptionsHost {
 public:
  explicit OptionsLink(Tdata& data) : data_(data) {}
  UtcMs Now() override { return SystemNow(); }
  const TimeZoneRules& Zone() override { return zone_; }
  void SaveOptions(const SettingsRecord& settings) override {
    SaveAlarmOptions(settings);
    data_.ApplyAlarmOptions(settings);
  }
  void TryRing(const SettingsRecord& settings) override { data_.RequestTrialRing(settings); }

 private:
  Tdata& data_;
  SystemTimeZone zone_;
};

void ShowAlarmOptions(Tdata& data) {
  OptionsLink link(data);
  TAlarmOptionsWindow(nullptr, data.Settings(), link).ShowModal();
}
}  // namespace

void RunConfiguration(Tdata& data) {
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

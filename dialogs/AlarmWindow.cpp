#include "dialogs/AlarmWindow.h"

#include "alarm/AlarmList.h"
#include "controls/styled/SCButton.h"
#include "controls/styled/SCCheckbox.h"
#include "controls/styled/SCCombobox.h"
#include "controls/styled/SCPanel.h"
#include "controls/timepicker/TimePicker.h"
#include "dialogs/AlarmListText.h"
#include "dialogs/AlarmOptionsText.h"
#include "dialogs/AlarmsHost.h"
#include "dialogs/History.h"
#include "runtime/ErrorBox.h"
#include "runtime/Label.h"
#include "runtime/Timer.h"

namespace {
constexpr unsigned RefreshIntervalMs = 10000;  // the next ring's text stays right while the window is open
}  // namespace

TAlarmWindow::TAlarmWindow(TComponent* owner, int number, const SettingsRecord& settings, AlarmsHost& host)
    : TForm(owner),
      HeaderPanel(new TSCPanel(this)),
      AlarmPanel(new TSCPanel(this)),
      StartTimeLabel(new TLabel(this)),
      AlarmTime(new TRzTimePicker(this)),
      SwitchesPanel(new TSCPanel(this)),
      BoostVolumeCheck(new TSCCheckbox(this)),
      NoRestartCheck(new TSCCheckbox(this)),
      SnoozeCheck(new TSCCheckbox(this)),
      StreamCheck(new TSCCheckbox(this)),
      StreamAddress(new TSCCombobox(this)),
      LocateFileButton(new TSCButton(this)),
      AlarmLabelCaption(new TLabel(this)),
      AlarmLabelBox(new TSCCombobox(this)),
      OnceCheck(new TSCCheckbox(this)),
      OptionsPanel(new TAlarmOptionsPanel(this, *this, [this] { return SettingsAsShown(); })),
      ButtonPanel(new TSCPanel(this)),
      TryButton(new TSCButton(this)),
      OkButton(new TSCButton(this)),
      CancelButton(new TSCButton(this)),
      RefreshTimer(new TTimer(this)),
      number_(number),
      settings_(settings),
      edited_(settings),
      host_(host) {
  BuildLayout();
  SetCaption(AlarmCaption(number, settings.VelLabel));
  // Without the history the window is still useful: say what failed and open anyway.
  ShowingErrors([this] { LoadHistory(StreamAddress->Items(), host_.PlayerSettingsFolder()); });
  ShowSettings();
  BindEvents();
  ShowNextRing();
}

UtcMs TAlarmWindow::Now() { return host_.Now(); }

const TimeZoneRules& TAlarmWindow::Zone() { return host_.Zone(); }

PowerFacts TAlarmWindow::Power() { return host_.Power(); }

std::optional<RingSlot> TAlarmWindow::NextRing(const SettingsRecord& shown, bool countSnooze) {
  return host_.NextRing(number_, shown, countSnooze);
}

SoundSwitches TAlarmWindow::Switches() const { return {BoostVolumeCheck, NoRestartCheck, SnoozeCheck, StreamCheck}; }

void TAlarmWindow::BindEvents() {
  const auto refresh = [this](TComponent*) { ShowNextRing(); };
  OptionsPanel->OnChange = refresh;
  AlarmTime->OnChange = refresh;
  RefreshTimer->SetInterval(RefreshIntervalMs);
  RefreshTimer->OnTimer = refresh;
  NoRestartCheck->OnChange = [this](TComponent*) { FollowNoRestart(Switches()); };
  LocateFileButton->OnClick = [this](TComponent*) {
    LocateFileForAddress(*this, *StreamAddress, host_.PlayerSettingsFolder());
  };
  AlarmLabelBox->OnChange = [this](TComponent*) { LabelChange(); };
  TryButton->OnClick = [this](TComponent*) { host_.TryRing(EditedSettings()); };
  OkButton->OnClick = [this](TComponent*) { OkClick(); };
  CancelButton->OnClick = [this](TComponent*) { SetModalResult(mrCancel); };
}

// Checked from the program: no change handler runs, so every box shows its value.
void TAlarmWindow::ShowSettings() {
  AlarmTime->SetTime(settings_.VelWakeupTime);
  BoostVolumeCheck->SetChecked(settings_.VelVolume);
  NoRestartCheck->SetChecked(settings_.VelNoRestart);
  SnoozeCheck->SetChecked(settings_.VelSnooze);
  StreamCheck->SetChecked(settings_.VelStreaming);
  StreamAddress->SetText(settings_.VelURL);
  AlarmLabelBox->SetText(ShownLabel(settings_.VelLabel));
  OnceCheck->SetChecked(settings_.VelOnce);
  OptionsPanel->ShowOptions(settings_);
}

SettingsRecord TAlarmWindow::SettingsAsShown() const {
  SettingsRecord shown = OptionsPanel->WithOptions(settings_);
  shown.VelWakeupTime = AlarmTime->Time();
  shown.VelVolume = BoostVolumeCheck->Checked();
  shown.VelNoRestart = NoRestartCheck->Checked();
  shown.VelSnooze = SnoozeCheck->Checked();
  shown.VelStreaming = StreamCheck->Checked();
  shown.VelURL = StreamAddress->Text();
  shown.VelLabel = ShownLabel(AlarmLabelBox->Text());
  shown.VelOnce = OnceCheck->Checked();
  return shown;
}

SettingsRecord TAlarmWindow::EditedSettings() const { return OptionsPanel->WithCheckedOptions(SettingsAsShown()); }

void TAlarmWindow::ShowNextRing() {
  const SettingsRecord shown = SettingsAsShown();
  HeaderPanel->SetCaption(LabelledNextAlarmText(host_.NextRing(number_, shown, true), shown.VelLabel, host_.Zone()));
  OptionsPanel->ShowSkip();
}

void TAlarmWindow::LabelChange() {
  // No longer than a window can show.
  if (AlarmLabelBox->Text().size() > static_cast<std::size_t>(LabelShownLength))
    AlarmLabelBox->SetText(ShownLabel(AlarmLabelBox->Text()));
}

void TAlarmWindow::OkClick() {
  edited_ = EditedSettings();
  SetModalResult(mrOk);
}

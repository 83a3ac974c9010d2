#include "dialogs/AlarmOptionsWindow.h"

#include "alarm/SleepTimer.h"
#include "controls/styled/SCButton.h"
#include "controls/styled/SCCheckbox.h"
#include "controls/styled/SCCombobox.h"
#include "controls/styled/SCPanel.h"
#include "dialogs/AlarmListText.h"
#include "dialogs/AlarmOptionsText.h"
#include "runtime/Exception.h"
#include "runtime/Shell.h"
#include "runtime/Timer.h"

namespace {
constexpr unsigned RefreshIntervalMs = 10000;  // the next ring's text stays right while the window is open
}  // namespace

TAlarmOptionsWindow::TAlarmOptionsWindow(TComponent* owner, const SettingsRecord& settings, AlarmOptionsHost& host)
    : TForm(owner),
      HeaderPanel(new TSCPanel(this)),
      OptionsPanel(new TAlarmOptionsPanel(this, host, [this] { return SettingsAsShown(); })),
      ButtonPanel(new TSCPanel(this)),
      TryButton(new TSCButton(this)),
      OkButton(new TSCButton(this)),
      CancelButton(new TSCButton(this)),
      SleepActionCheck(new TSCCheckbox(this)),
      RefreshTimer(new TTimer(this)),
      settings_(settings),
      host_(host) {
  BuildLayout();
  OptionsPanel->ShowOptions(settings_);
  SleepActionCheck->SetChecked(settings_.VelSleepAction == SleepActionSleepPC);
  BindEvents();
  ShowNextRing();
}

void TAlarmOptionsWindow::BindEvents() {
  const auto refresh = [this](TComponent*) { ShowNextRing(); };
  OptionsPanel->OnChange = refresh;
  RefreshTimer->SetInterval(RefreshIntervalMs);
  RefreshTimer->OnTimer = refresh;
  TryButton->OnClick = [this](TComponent*) { TryClick(); };
  OkButton->OnClick = [this](TComponent*) { OkClick(); };
  CancelButton->OnClick = [this](TComponent*) { SetModalResult(mrCancel); };
}

SettingsRecord TAlarmOptionsWindow::SettingsAsShown() const { return OptionsPanel->WithOptions(settings_); }

SettingsRecord TAlarmOptionsWindow::EditedSettings() const {
  SettingsRecord edited = OptionsPanel->WithCheckedOptions(settings_);
  edited.VelSleepAction = SleepActionCheck->Checked() ? SleepActionSleepPC : SleepActionStopOnly;
  return edited;
}

void TAlarmOptionsWindow::ShowNextRing() {
  const SettingsRecord shown = SettingsAsShown();
  HeaderPanel->SetCaption(LabelledNextAlarmText(host_.NextRing(shown, true), shown.VelLabel, host_.Zone()));
  OptionsPanel->ShowSkip();
}

void TAlarmOptionsWindow::TryClick() { host_.TryRing(EditedSettings()); }

void TAlarmOptionsWindow::OkClick() {
  const SettingsRecord edited = EditedSettings();
  host_.SaveOptions(edited);
  SetModalResult(mrOk);
  // Saved all the same: the file may come back (a drive plugged in later), and until
  // then a ring falls back to the tone.
  if (!edited.VelFallbackFile.empty() && !FileExists(edited.VelFallbackFile))
    throw Exception("The options are saved, but the fallback file \"" + edited.VelFallbackFile +
                    "\" does not exist: until it does, the plug-in's own alarm tone plays instead. Choose the file " +
                    "again with \"...\", or leave the box empty.");
}

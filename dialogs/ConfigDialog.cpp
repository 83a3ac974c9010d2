#include "dialogs/ConfigDialog.h"

#include <windows.h>

#include "controls/styled/SCButton.h"
#include "controls/styled/SCCheckbox.h"
#include "controls/styled/SCCombobox.h"
#include "controls/styled/SCLabel.h"
#include "controls/styled/SCPanel.h"
#include "controls/timepicker/TimePicker.h"
#include "dialogs/History.h"
#include "dialogs/SoundSwitches.h"
#include "runtime/ErrorBox.h"
#include "runtime/Label.h"
#include "runtime/ScopedHandles.h"
#include "runtime/Shell.h"

TConfigDlg::TConfigDlg(TComponent* owner, Callback<std::wstring()> playerSettingsFolder)
    : TForm(owner),
      BannerPanel(new TSCPanel(this)),
      SwitchesPanel(new TSCPanel(this)),
      BoostVolumeCheck(new TSCCheckbox(this)),
      NoRestartCheck(new TSCCheckbox(this)),
      SnoozeCheck(new TSCCheckbox(this)),
      StreamCheck(new TSCCheckbox(this)),
      ShoutcastButton(new TSCButton(this)),
      LocateFileButton(new TSCButton(this)),
      AlarmPanel(new TSCPanel(this)),
      NotesPanel(new TSCPanel(this)),
      SaveButton(new TSCButton(this)),
      HomepageLink(new TSCLabel(this)),
      DonateLink(new TSCLabel(this)),
      FreeNote(new TSCLabel(this)),
      EncourageNote(new TSCLabel(this)),
      LinksNote(new TSCLabel(this)),
      MoreOptionsLink(new TSCLabel(this)),
      AllAlarmsLink(new TSCLabel(this)),
      StartTimeLabel(new TLabel(this)),
      PluginActiveCheck(new TSCCheckbox(this)),
      AlarmTime(new TRzTimePicker(this)),
      StreamAddress(new TSCCombobox(this)),
      playerSettingsFolder_(std::move(playerSettingsFolder)) {
  BuildLayout();
  BindEvents();
  LoadAddressHistory(this);
}

void TConfigDlg::BindEvents() {
  BannerPanel->OnClick = [this](TComponent* sender) { OnHomepageClick(sender); };
  HomepageLink->OnClick = [this](TComponent* sender) { OnHomepageClick(sender); };
  DonateLink->OnClick = [this](TComponent* sender) { OnDonateClick(sender); };
  MoreOptionsLink->OnClick = [this](TComponent* sender) { OnMoreOptionsClick(sender); };
  AllAlarmsLink->OnClick = [this](TComponent* sender) { OnAllAlarmsClick(sender); };
  ShoutcastButton->OnClick = [this](TComponent* sender) { OnShoutcastClick(sender); };
  LocateFileButton->OnClick = [this](TComponent* sender) { OnLocateFileClick(sender); };
  SaveButton->OnClick = [this](TComponent* sender) { OnSaveClick(sender); };
  NoRestartCheck->OnChange = [this](TComponent* sender) { OnNoRestartChange(sender); };
}

void TConfigDlg::LoadAddressHistory(TComponent*) {
  // Without the history the dialog is still useful: say what failed and open anyway.
  ShowingErrors([this] { LoadHistory(StreamAddress->Items(), PlayerSettingsFolder()); });
}

std::wstring TConfigDlg::PlayerSettingsFolder() const {
  return playerSettingsFolder_ ? playerSettingsFolder_() : std::wstring();
}

void TConfigDlg::OnSaveClick(TComponent*) {
  // The alarm first: a history that cannot be written is told afterwards, over a
  // dialog that then closes as after any save.
  if (SaveSettings) SaveSettings(*this);
  const ScopeGuard closeAfterwards([this] { Close(); });
  PushHistory(StreamAddress->Items(), StreamAddress->Text(), true);
  SaveHistory(StreamAddress->Items(), PlayerSettingsFolder());
}

void TConfigDlg::OnLocateFileClick(TComponent*) { LocateFileForAddress(*this, *StreamAddress, PlayerSettingsFolder()); }

void TConfigDlg::OnShoutcastClick(TComponent*) { OpenLink(ConfigLinks::Shoutcast); }

void TConfigDlg::OnHomepageClick(TComponent*) { OpenLink(ConfigLinks::Homepage); }

void TConfigDlg::OnDonateClick(TComponent*) { OpenLink(ConfigLinks::Donation); }

void TConfigDlg::OnMoreOptionsClick(TComponent*) {
  if (ShowAlarmOptions) ShowAlarmOptions(*this);
}

void TConfigDlg::OnAllAlarmsClick(TComponent*) {
  if (ShowAlarms) ShowAlarms(*this);
}

void TConfigDlg::OnNoRestartChange(TComponent*) { FollowNoRestart(Switches()); }

SoundSwitches TConfigDlg::Switches() const { return {BoostVolumeCheck, NoRestartCheck, SnoozeCheck, StreamCheck}; }

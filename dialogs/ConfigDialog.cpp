#include "dialogs/ConfigDialog.h"

#include <windows.h>

#include "controls/styled/SCButton.h"
#include "controls/styled/SCCheckbox.h"
#include "controls/styled/SCCombobox.h"
#include "controls/styled/SCLabel.h"
#include "controls/styled/SCPanel.h"
#include "controls/timepicker/TimePicker.h"
#include "dialogs/History.h"
#include "runtime/ErrorBox.h"
#include "runtime/Label.h"
#include "runtime/OpenDialog.h"
#include "runtime/ScopedHandles.h"
#include "runtime/Shell.h"

TConfigDlg::TConfigDlg(TComponent* owner)
    : TForm(owner),
      SCPanel1(new TSCPanel(this)),
      SCPanel2(new TSCPanel(this)),
      ChkVolume(new TSCCheckbox(this)),
      ChkNoRestart(new TSCCheckbox(this)),
      ChkSnooze(new TSCCheckbox(this)),
      ChkStream(new TSCCheckbox(this)),
      SCButton1(new TSCButton(this)),
      SCButton2(new TSCButton(this)),
      SCPanel4(new TSCPanel(this)),
      SCPanel3(new TSCPanel(this)),
      SCButton4(new TSCButton(this)),
      SCLabel1(new TSCLabel(this)),
      SCLabel4(new TSCLabel(this)),
      SCLabel8(new TSCLabel(this)),
      SCLabel9(new TSCLabel(this)),
      SCLabel10(new TSCLabel(this)),
      Label3(new TLabel(this)),
      ChkPluginActive(new TSCCheckbox(this)),
      MyTimer(new TRzTimePicker(this)),
      txtURL(new TSCCombobox(this)) {
  BuildLayout();
  BindEvents();
  FormCreate(this);
}

void TConfigDlg::BindEvents() {
  SCPanel1->OnClick = [this](TComponent* sender) { SCLabel2Click(sender); };
  SCLabel1->OnClick = [this](TComponent* sender) { SCLabel2Click(sender); };
  SCLabel4->OnClick = [this](TComponent* sender) { SCLabel3Click(sender); };
  SCButton1->OnClick = [this](TComponent* sender) { SCButton1Click(sender); };
  SCButton2->OnClick = [this](TComponent* sender) { SCButton2Click(sender); };
  SCButton4->OnClick = [this](TComponent* sender) { SCButton3Click(sender); };
  ChkNoRestart->OnChange = [this](TComponent* sender) { ChkNoRestartChange(sender); };
}

void TConfigDlg::FormCreate(TComponent*) {
  // Without the history the dialog is still useful: say what failed and open anyway.
  ShowingErrors([this] {
    EnterHostDirectory();
    LoadHistory(txtURL->Items());
  });
}

void TConfigDlg::SCButton3Click(TComponent*) {
  EnterHostDirectory();
  PushHistory(txtURL->Items(), txtURL->Text(), true);
  SaveHistory(txtURL->Items());  // a failure stops here: no settings written, dialog open
  if (SaveSettings) SaveSettings(*this);
  Close();
}

void TConfigDlg::SCButton2Click(TComponent*) {
  TOpenDialog fileDialog(this);
  // Out of the top layer while the file dialog runs, so that it can come in front;
  // back in it however the file dialog ends.
  SetFormStyle(TFormStyle::fsNormal);
  const ScopeGuard backOnTop([this] { SetFormStyle(TFormStyle::fsStayOnTop); });
  if (fileDialog.Execute(Handle()) && FileExists(fileDialog.FileName())) {
    txtURL->SetText(fileDialog.FileName());
    PushHistory(txtURL->Items(), fileDialog.FileName(), false);
    EnterHostDirectory();  // the file dialog may have moved the current directory
    SaveHistory(txtURL->Items());
  }
}

void TConfigDlg::SCButton1Click(TComponent*) { OpenLink(ConfigLinks::Shoutcast); }

void TConfigDlg::SCLabel2Click(TComponent*) { OpenLink(ConfigLinks::Homepage); }

void TConfigDlg::SCLabel3Click(TComponent*) { OpenLink(ConfigLinks::Donation); }

void TConfigDlg::ChkNoRestartChange(TComponent*) {
  const bool noRestart = ChkNoRestart->Checked();
  ChkVolume->SetEnabled(!noRestart);
  ChkVolume->SetChecked(noRestart);
  ChkStream->SetChecked(false);
  ChkStream->SetEnabled(!noRestart);
}

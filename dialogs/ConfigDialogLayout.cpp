// The configuration dialog's controls: positions, fonts, colours and tab order.
#include <initializer_list>

#include "controls/styled/SCButton.h"
#include "controls/styled/SCCheckbox.h"
#include "controls/styled/SCCombobox.h"
#include "controls/styled/SCLabel.h"
#include "controls/styled/SCPanel.h"
#include "controls/timepicker/TimePicker.h"
#include "dialogs/ConfigDialog.h"
#include "dialogs/DialogLook.h"
#include "runtime/Label.h"

namespace {

void Place(TWinControl& control, TWinControl& parent, TAlign align, int left, int top, int width, int height) {
  control.SetParent(&parent);
  control.SetBounds(left, top, width, height);
  control.SetAlign(align);
}

// Children of one parent, first to last in tab order.
void SetTabOrders(std::initializer_list<TWinControl*> controls) {
  int order = 0;
  for (TWinControl* control : controls) control->SetTabOrder(order++);
}

void StylePanel(TSCPanel& panel, TSCGradient gradient) {
  UseGradientPanelLook(panel, gradient);
  panel.SetAlignment(taCenter);
}

void StyleCheckbox(TSCCheckbox& box, const char* caption) {
  box.SetCaption(caption);
  UseCheckboxLook(box);
}

void StyleButton(TSCButton& button, const char* caption) {
  button.SetCaption(caption);
  UseButtonLook(button);
}

struct TextRow {
  TSCLabel* label;
  const char* caption;
  bool link;
};

void StyleLine(TSCLabel& label, const char* caption, bool link) {
  label.SetCaption(caption);
  label.SetTransparent(true);
  if (link) {
    UseLinkLook(label);
  } else {
    label.SetHottrack(false);  // takes the panel's font
  }
}

}  // namespace

void TConfigDlg::BuildLayout() {
  SetBorderStyle(TBorderStyle::bsToolWindow);
  SetClientSize(702, 439);
  SetColor(clWhite);
  SetFormStyle(TFormStyle::fsStayOnTop);
  SetPosition(TPosition::poScreenCenter);

  Place(*BannerPanel, *this, TAlign::alTop, 0, 0, 702, 42);
  StylePanel(*BannerPanel, scgBottomToTop);
  BannerPanel->SetCaption("Plugin made by orvik / Velmora Software");

  Place(*SwitchesPanel, *this, TAlign::alRight, 334, 42, 368, 238);
  StylePanel(*SwitchesPanel, scgTopToBottom);
  SwitchesPanel->SetGradientMid(clNavy);
  SwitchesPanel->SetGradientEnd(clWhite);
  SwitchesPanel->SetGradientUsesMid(true);
  PlaceSoundSwitches(Switches(), *SwitchesPanel, 368);
  Place(*StreamAddress, *SwitchesPanel, TAlign::alTop, 0, 68, 368, 20);
  UseAddressBoxLook(*StreamAddress);
  StreamAddress->SetLabelledBy(StreamCheck);
  SetFont(StreamAddress->PopupFont(), "MS Sans Serif", -11, 0, clWindowText);
  Place(*ShoutcastButton, *SwitchesPanel, TAlign::alNone, 4, 95, 175, 31);
  StyleButton(*ShoutcastButton, "Shoutcast");
  Place(*LocateFileButton, *SwitchesPanel, TAlign::alNone, 181, 95, 175, 31);
  StyleButton(*LocateFileButton, "Locate file");

  Place(*AlarmPanel, *this, TAlign::alClient, 0, 42, 334, 238);
  StylePanel(*AlarmPanel, scgTopToBottom);
  Place(*PluginActiveCheck, *AlarmPanel, TAlign::alTop, 0, 0, 334, 20);
  StyleCheckbox(*PluginActiveCheck, "Plugin active");
  PluginActiveCheck->SetAutoSize(true);
  Place(*StartTimeLabel, *AlarmPanel, TAlign::alTop, 0, 20, 334, 16);
  StartTimeLabel->SetCaption("S&tart time");
  StartTimeLabel->SetFocusControl(AlarmTime);
  SetFont(StartTimeLabel->Font(), "Verdana", -13, fsBold, clBlack);
  StartTimeLabel->SetTransparent(true);
  Place(*AlarmTime, *AlarmPanel, TAlign::alClient, 0, 36, 334, 202);
  AlarmTime->SetBorderSides(NoBorderSides);

  Place(*NotesPanel, *this, TAlign::alBottom, 0, 280, 702, 159);
  StylePanel(*NotesPanel, scgTopToBottom);
  int top = 0;
  for (const TextRow& row :
       {TextRow{FreeNote, "This plugin is free of charge.", false},
        TextRow{EncourageNote, "If you want to encourage me for future development versions or ", false},
        TextRow{LinksNote, "other general plugins then check one of the following URL's", false},
        TextRow{HomepageLink, "Visit my homepage", true}, TextRow{DonateLink, "Donate via paypal", true},
        TextRow{MoreOptionsLink, "More alarm options...", true}, TextRow{AllAlarmsLink, "All alarms...", true}}) {
    Place(*row.label, *NotesPanel, TAlign::alTop, 0, top, 702, 17);
    StyleLine(*row.label, row.caption, row.link);
    top += 17;
  }
  Place(*SaveButton, *NotesPanel, TAlign::alNone, 524, 126, 175, 31);
  StyleButton(*SaveButton, "&Save settings");
  SetDefaultButton(SaveButton);

  // Tab reads the window as the eye does: the left column, the right one, then the notes.
  SetTabOrders({BannerPanel, AlarmPanel, SwitchesPanel, NotesPanel});
  SetTabOrders(
      {BoostVolumeCheck, NoRestartCheck, SnoozeCheck, StreamCheck, StreamAddress, ShoutcastButton, LocateFileButton});
  SetTabOrders({PluginActiveCheck, StartTimeLabel, AlarmTime});
  SetTabOrders(
      {FreeNote, EncourageNote, LinksNote, HomepageLink, DonateLink, MoreOptionsLink, AllAlarmsLink, SaveButton});
}

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

struct CheckboxRow {
  TSCCheckbox* box;
  const char* caption;
};

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

  Place(*SCPanel1, *this, TAlign::alTop, 0, 0, 702, 42);
  StylePanel(*SCPanel1, scgBottomToTop);
  SCPanel1->SetCaption("Plugin made by orvik / Velmora Software");

  Place(*SCPanel2, *this, TAlign::alRight, 334, 42, 368, 238);
  StylePanel(*SCPanel2, scgTopToBottom);
  SCPanel2->SetGradientMid(clNavy);
  SCPanel2->SetGradientEnd(clWhite);
  SCPanel2->SetGradientUsesMid(true);
  int top = 0;
  for (const CheckboxRow& row : {CheckboxRow{ChkVolume, "Boost volume to MAX!! :-)"},
                                 CheckboxRow{ChkNoRestart, "Just boost volume, do not restart (curent song)"},
                                 CheckboxRow{ChkSnooze, "Snooze option (sets volume to 19%)"},
                                 CheckboxRow{ChkStream, "Stream this mp3/playlist/URL"}}) {
    Place(*row.box, *SCPanel2, TAlign::alTop, 0, top, 368, 17);
    StyleCheckbox(*row.box, row.caption);
    top += 17;
  }
  Place(*txtURL, *SCPanel2, TAlign::alTop, 0, 68, 368, 20);
  UseAddressBoxLook(*txtURL);
  SetFont(txtURL->PopupFont(), "MS Sans Serif", -11, 0, clWindowText);
  Place(*SCButton1, *SCPanel2, TAlign::alNone, 4, 95, 175, 31);
  StyleButton(*SCButton1, "Shoutcast");
  Place(*SCButton2, *SCPanel2, TAlign::alNone, 181, 95, 175, 31);
  StyleButton(*SCButton2, "Locate file");

  Place(*SCPanel4, *this, TAlign::alClient, 0, 42, 334, 238);
  StylePanel(*SCPanel4, scgTopToBottom);
  Place(*ChkPluginActive, *SCPanel4, TAlign::alTop, 0, 0, 334, 20);
  StyleCheckbox(*ChkPluginActive, "Plugin active");
  ChkPluginActive->SetAutoSize(true);
  Place(*Label3, *SCPanel4, TAlign::alTop, 0, 20, 334, 16);
  Label3->SetCaption("Start time");
  SetFont(Label3->Font(), "Verdana", -13, fsBold, clBlack);
  Label3->SetTransparent(true);
  Place(*MyTimer, *SCPanel4, TAlign::alClient, 0, 36, 334, 202);
  MyTimer->SetBorderSides(NoBorderSides);

  Place(*SCPanel3, *this, TAlign::alBottom, 0, 280, 702, 159);
  StylePanel(*SCPanel3, scgTopToBottom);
  top = 0;
  for (const TextRow& row : {TextRow{SCLabel8, "This plugin is free of charge.", false},
                             TextRow{SCLabel9, "If you want to encourage me for future development versions or ", false},
                             TextRow{SCLabel10, "other general plugins then check one of the following URL's", false},
                             TextRow{SCLabel1, "Visit my homepage", true}, TextRow{SCLabel4, "Donate via paypal", true},
                             TextRow{MoreOptionsLink, "More alarm options...", true}}) {
    Place(*row.label, *SCPanel3, TAlign::alTop, 0, top, 702, 17);
    StyleLine(*row.label, row.caption, row.link);
    top += 17;
  }
  Place(*SCButton4, *SCPanel3, TAlign::alNone, 524, 126, 175, 31);
  StyleButton(*SCButton4, "&Save settings");

  SetTabOrders({SCPanel1, SCPanel2, SCPanel4, SCPanel3});
  SetTabOrders({ChkVolume, ChkNoRestart, ChkSnooze, ChkStream, SCButton1, SCButton2, txtURL});
  SetTabOrders({ChkPluginActive, MyTimer, Label3});
  SetTabOrders({SCButton4, SCLabel1, SCLabel4, MoreOptionsLink, SCLabel8, SCLabel9, SCLabel10});
}

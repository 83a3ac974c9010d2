#include "dialogs/DialogLook.h"

#include "controls/styled/SCButton.h"
#include "controls/styled/SCCheckbox.h"
#include "controls/styled/SCCombobox.h"
#include "controls/styled/SCLabel.h"
#include "controls/timepicker/TimePicker.h"

void SetFont(TFont& font, const char* name, int height, unsigned style, TColor color, BYTE charset) {
  font.SetName(name);
  font.SetHeight(height);
  font.SetStyle(style);
  font.SetColor(color);
  font.SetCharset(charset);
}

void UseGradientPanelLook(TSCPanel& panel, TSCGradient direction) {
  SetFont(panel.Font(), "MS Sans Serif", -11, fsBold, clNavy);
  panel.SetGradient(direction);
}

void UseStatementBandLook(TSCPanel& panel) {
  SetFont(panel.Font(), "MS Sans Serif", -11, fsBold, clWhite);
  panel.SetColor(static_cast<TColor>(0x9E523A));  // red 58, green 82, blue 158
  panel.SetGradientEnd(clNavy);
  panel.SetGradient(scgBottomToTop);
}

void UseButtonLook(TSCButton& button) {
  SetFont(button.Font(), "Verdana", -21, fsBold, clSilver);
  button.SetColor(clNavy);
  button.SetRoundColor(clWhite);
  button.SetStyle(scbsXP);
}

void UseCheckboxLook(TSCCheckbox& box) {
  SetFont(box.Font(), "Verdana", -13, fsBold, clBlack, EASTEUROPE_CHARSET);
  box.SetStyle(sccsXP);
  box.SetTransparent(true);
}

void UseLinkLook(TSCLabel& label) {
  SetFont(label.Font(), "MS Sans Serif", -11, fsBold | fsUnderline, clBlue);
  label.SetTabStop(true);
}

void UseAddressBoxLook(TSCCombobox& combo) {
  SetFont(combo.Font(), "MS Sans Serif", -13, fsBold, clWhite);
  combo.SetStyle(scesNone);
  combo.SetTransparent(true);
}

void UseSnoozeClockLook(TRzTimePicker& clock) {
  clock.Font().SetStyle(fsBold);
  clock.Font().SetColor(Orange);
  clock.SetColor(clWhite);
  clock.ClockFaceColors().SetFace(clSilver);
  clock.ClockFaceColors().SetHourTicks(clWhite);
  clock.SetBorderSides(NoBorderSides);
  clock.SetFormat("h:nn:ss");
  clock.ShowHowToUseHint = false;
  clock.SetEnabled(false);  // display only
}

#include "dialogs/LayoutHelpers.h"

#include "controls/styled/SCButton.h"
#include "controls/styled/SCCombobox.h"
#include "dialogs/DialogLook.h"
#include "runtime/Label.h"

void Place(TWinControl& control, TWinControl& parent, int left, int top, int width, int height) {
  control.SetParent(&parent);
  control.SetBounds(left, top, width, height);
}

void SetTabOrders(std::initializer_list<TWinControl*> controls) {
  int order = 0;
  for (TWinControl* control : controls) control->SetTabOrder(order++);
}

void UseSmallButtonLook(TSCButton& button, const char* caption) {
  UseButtonLook(button);
  button.SetCaption(caption);
  button.Font().SetHeight(-13);  // the dialog's big buttons' font would not fit these
}

void UseCaptionLook(TLabel& label, const char* caption) {
  label.SetCaption(caption);
  SetFont(label.Font(), "Verdana", -13, fsBold, clBlack);
  label.SetTransparent(true);
}

void UseLengthBoxLook(TSCCombobox& box) {
  SetFont(box.Font(), "MS Sans Serif", -11, 0, clWindowText);
  SetFont(box.PopupFont(), "MS Sans Serif", -11, 0, clWindowText);
}

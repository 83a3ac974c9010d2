#include "dialogs/SnoozeWindow.h"

#include "controls/styled/SCButton.h"
#include "controls/styled/SCPanel.h"
#include "controls/timepicker/TimePicker.h"
#include "dialogs/DialogLook.h"
#include "runtime/LocalTime.h"
#include "runtime/Timer.h"

namespace {
void PlaceButton(TSCButton& button, TSCPanel& parent, int left, int top, int width, const char* caption) {
  button.SetParent(&parent);
  button.SetBounds(left, top, width, 30);
  button.SetCaption(caption);
  UseButtonLook(button);
}

void PlacePanel(TSCPanel& panel, TFrmSnooze& form, TAlign align, int top, int height, TSCGradient gradient) {
  panel.SetParent(&form);
  panel.SetBounds(0, top, 365, height);
  panel.SetAlign(align);
  panel.SetColor(clWhite);
  panel.SetGradient(gradient);
}
}  // namespace

TFrmSnooze::TFrmSnooze(TComponent* owner)
    : TForm(owner),
      ClockTimer(new TTimer(this)),
      Clock(new TRzTimePicker(this)),
      TopBand(new TSCPanel(this)),
      ButtonBand(new TSCPanel(this)),
      SnoozeButton(new TSCButton(this)),
      DisableButton(new TSCButton(this)) {
  SetCaption(SnoozeWindowCaption);
  SetBorderStyle(TBorderStyle::bsToolWindow);
  SetClientSize(365, 296);
  SetColor(clBtnFace);
  Font().SetName("MS Sans Serif");
  Font().SetHeight(-11);
  Font().SetColor(clWindowText);
  SetFormStyle(TFormStyle::fsStayOnTop);
  SetPosition(TPosition::poScreenCenter);

  // The clock is created first; aligned to the client it fills what the panels leave.
  Clock->SetParent(this);
  Clock->SetBounds(0, 41, 365, 190);
  Clock->SetAlign(TAlign::alClient);
  UseSnoozeClockLook(*Clock);
  PlacePanel(*TopBand, *this, TAlign::alTop, 0, 41, scgBottomToTop);
  PlacePanel(*ButtonBand, *this, TAlign::alBottom, 231, 65, scgTopToBottom);
  PlaceButton(*SnoozeButton, *ButtonBand, 3, 28, 156, "SNOOZE");
  PlaceButton(*DisableButton, *ButtonBand, 182, 27, 180, "DISABLE");
  Clock->SetTabOrder(0);
  TopBand->SetTabOrder(1);
  ButtonBand->SetTabOrder(2);

  ClockTimer->OnTimer = [this](TComponent*) { ShowTimeNow(); };
  SnoozeButton->OnClick = [this](TComponent*) { SetModalResult(SnoozeAnswerSnoozed); };
  DisableButton->OnClick = [this](TComponent*) { SetModalResult(SnoozeAnswerDisabled); };
  OnClose = [this](TComponent*, TCloseAction& action) { OnFormClose(action); };
  ShowTimeNow();
}

bool TFrmSnooze::DialogChar(char key) {
  switch (key) {
    case 's':
    case 'S':
      SnoozeButton->PerformClick();
      return true;
    case 'd':
    case 'D':
      DisableButton->PerformClick();
      return true;
    default:
      return false;
  }
}

void TFrmSnooze::ShowTimeNow() { Clock->SetTime(LocalTimeOfDay()); }

void TFrmSnooze::OnFormClose(TCloseAction& action) {
  if (ModalResult() != SnoozeAnswerSnoozed) SetModalResult(SnoozeAnswerDisabled);
  action = TCloseAction::caFree;
}

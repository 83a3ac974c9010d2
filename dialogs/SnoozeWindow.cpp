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

TFrmSnooze::TFrmSnooze(TComponent* owner, SnoozeTarget& target)
    : TForm(owner),
      Timer1(new TTimer(this)),
      MyTimer(new TRzTimePicker(this)),
      SCPanel1(new TSCPanel(this)),
      SCPanel2(new TSCPanel(this)),
      SCButton3(new TSCButton(this)),
      SCButton1(new TSCButton(this)),
      target_(target) {
  SetCaption("Time to wakeup ?");
  SetBorderStyle(TBorderStyle::bsToolWindow);
  SetClientSize(365, 296);
  SetColor(clBtnFace);
  Font().SetName("MS Sans Serif");
  Font().SetHeight(-11);
  Font().SetColor(clWindowText);
  SetFormStyle(TFormStyle::fsStayOnTop);
  SetPosition(TPosition::poScreenCenter);

  // The clock is created first; aligned to the client it fills what the panels leave.
  MyTimer->SetParent(this);
  MyTimer->SetBounds(0, 41, 365, 190);
  MyTimer->SetAlign(TAlign::alClient);
  UseSnoozeClockLook(*MyTimer);
  PlacePanel(*SCPanel1, *this, TAlign::alTop, 0, 41, scgBottomToTop);
  PlacePanel(*SCPanel2, *this, TAlign::alBottom, 231, 65, scgTopToBottom);
  PlaceButton(*SCButton3, *SCPanel2, 3, 28, 156, "SNOOZE");
  PlaceButton(*SCButton1, *SCPanel2, 182, 27, 180, "DISABLE");
  MyTimer->SetTabOrder(0);
  SCPanel1->SetTabOrder(1);
  SCPanel2->SetTabOrder(2);

  Timer1->OnTimer = [this](TComponent* sender) { Timer1Timer(sender); };
  SCButton3->OnClick = [this](TComponent* sender) { SCButton3Click(sender); };
  SCButton1->OnClick = [this](TComponent* sender) { SCButton1Click(sender); };
  OnClose = [this](TComponent* sender, TCloseAction& action) { FormClose(sender, action); };
  FormCreate(this);
}

void TFrmSnooze::FormCreate(TComponent*) { MyTimer->SetTime(LocalTimeOfDay()); }

void TFrmSnooze::Timer1Timer(TComponent*) { MyTimer->SetTime(LocalTimeOfDay()); }

void TFrmSnooze::SCButton3Click(TComponent*) {
  target_.SetVolume(SnoozeVolume);
  // Counted from the press, not from the alarm: the next one comes at the start of the
  // minute holding press + 7:12.
  target_.SetWakeUp(SnoozedWakeUp(LocalTimeOfDay()));
  SetModalResult(SnoozeAnswerSnoozed);
}

void TFrmSnooze::SCButton1Click(TComponent*) {
  target_.Disarm();
  SetModalResult(SnoozeAnswerDisabled);
}

void TFrmSnooze::FormClose(TComponent*, TCloseAction& action) {
  if (ModalResult() != SnoozeAnswerSnoozed) SetModalResult(SnoozeAnswerDisabled);
  action = TCloseAction::caFree;
}

// The alarm options window's controls: positions, fonts, colours and tab order.
#include "controls/styled/SCButton.h"
#include "controls/styled/SCCheckbox.h"
#include "controls/styled/SCPanel.h"
#include "dialogs/AlarmOptionsWindow.h"
#include "dialogs/DialogLook.h"
#include "dialogs/LayoutHelpers.h"

namespace {
constexpr int SleepRowHeight = 24;
}  // namespace

void TAlarmOptionsWindow::BuildLayout() {
  SetCaption("Alarm options");
  SetBorderStyle(TBorderStyle::bsToolWindow);
  SetClientSize(470, 92 + SleepRowHeight + OptionsPanelHeight);
  SetColor(clWhite);
  SetFormStyle(TFormStyle::fsStayOnTop);  // over the configuration dialog, which stays on top
  SetPosition(TPosition::poScreenCenter);

  Place(*HeaderPanel, *this, 0, 0, 470, 42);
  HeaderPanel->SetAlign(TAlign::alTop);
  UseStatementBandLook(*HeaderPanel);
  HeaderPanel->SetAlignment(taCenter);

  Place(*ButtonPanel, *this, 0, 42 + SleepRowHeight + OptionsPanelHeight, 470, 50);
  ButtonPanel->SetAlign(TAlign::alBottom);
  UseGradientPanelLook(*ButtonPanel, scgTopToBottom);
  Place(*TryButton, *ButtonPanel, 8, 10, 150, 30);
  UseSmallButtonLook(*TryButton, "&Try it now");
  Place(*OkButton, *ButtonPanel, 262, 10, 96, 30);
  UseSmallButtonLook(*OkButton, "&OK");
  Place(*CancelButton, *ButtonPanel, 366, 10, 96, 30);
  UseSmallButtonLook(*CancelButton, "&Cancel");

  // Above the buttons: a bottom-aligned control made later goes above those made before.
  Place(*SleepActionCheck, *this, 0, 42 + OptionsPanelHeight, 470, SleepRowHeight);
  SleepActionCheck->SetAlign(TAlign::alBottom);
  UseCheckboxLook(*SleepActionCheck);
  SleepActionCheck->SetCaption("After the sleep timer, &let the PC sleep until the alarm wakes it");

  Place(*OptionsPanel, *this, 0, 42, 470, OptionsPanelHeight);
  OptionsPanel->SetAlign(TAlign::alClient);

  SetTabOrders({HeaderPanel, OptionsPanel, SleepActionCheck, ButtonPanel});
  SetTabOrders({TryButton, OkButton, CancelButton});
  SetDefaultButton(OkButton);
}

// The Alarm window's controls: the configuration dialog's columns over the alarm
// options, in the dialog's look.
#include "controls/styled/SCButton.h"
#include "controls/styled/SCCheckbox.h"
#include "controls/styled/SCCombobox.h"
#include "controls/styled/SCPanel.h"
#include "controls/timepicker/TimePicker.h"
#include "dialogs/AlarmWindow.h"
#include "dialogs/DialogLook.h"
#include "dialogs/LayoutHelpers.h"
#include "runtime/Label.h"

namespace {
constexpr int WindowWidth = 702;
constexpr int HeaderHeight = 42;
constexpr int ColumnsHeight = 238;
constexpr int LeftWidth = 334;
constexpr int RightWidth = WindowWidth - LeftWidth;
constexpr int OptionsHeight = OptionsPanelHeight;
constexpr int ButtonsHeight = 50;
}  // namespace

void TAlarmWindow::BuildLayout() {
  SetBorderStyle(TBorderStyle::bsToolWindow);
  SetClientSize(WindowWidth, HeaderHeight + ColumnsHeight + OptionsHeight + ButtonsHeight);
  SetColor(clWhite);
  SetFormStyle(TFormStyle::fsStayOnTop);  // over the configuration dialog, which stays on top
  SetPosition(TPosition::poScreenCenter);

  Place(*HeaderPanel, *this, 0, 0, WindowWidth, HeaderHeight);
  UseStatementBandLook(*HeaderPanel);
  HeaderPanel->SetAlignment(taCenter);

  Place(*AlarmPanel, *this, 0, HeaderHeight, LeftWidth, ColumnsHeight);
  UseGradientPanelLook(*AlarmPanel, scgTopToBottom);
  Place(*StartTimeLabel, *AlarmPanel, 4, 2, 200, 16);
  UseCaptionLook(*StartTimeLabel, "S&tart time");
  StartTimeLabel->SetFocusControl(AlarmTime);
  Place(*AlarmTime, *AlarmPanel, 0, 20, LeftWidth, ColumnsHeight - 20);
  AlarmTime->SetBorderSides(NoBorderSides);

  Place(*SwitchesPanel, *this, LeftWidth, HeaderHeight, RightWidth, ColumnsHeight);
  UseGradientPanelLook(*SwitchesPanel, scgTopToBottom);
  SwitchesPanel->SetGradientMid(clNavy);
  SwitchesPanel->SetGradientEnd(clWhite);
  SwitchesPanel->SetGradientUsesMid(true);
  PlaceSoundSwitches(Switches(), *SwitchesPanel, RightWidth);
  Place(*StreamAddress, *SwitchesPanel, 0, 68, RightWidth, 20);
  UseAddressBoxLook(*StreamAddress);
  StreamAddress->SetLabelledBy(StreamCheck);
  SetFont(StreamAddress->PopupFont(), "MS Sans Serif", -11, 0, clWindowText);
  Place(*LocateFileButton, *SwitchesPanel, 181, 95, 175, 31);
  UseButtonLook(*LocateFileButton);
  LocateFileButton->SetCaption("Locate file");
  Place(*AlarmLabelCaption, *SwitchesPanel, 6, 148, 70, 17);
  UseCaptionLook(*AlarmLabelCaption, "&Label");
  AlarmLabelCaption->SetFocusControl(AlarmLabelBox);
  Place(*AlarmLabelBox, *SwitchesPanel, 80, 146, RightWidth - 90, 20);
  UseLengthBoxLook(*AlarmLabelBox);
  AlarmLabelBox->SetHasList(false);
  Place(*OnceCheck, *SwitchesPanel, 0, 180, RightWidth, 36);
  UseCheckboxLook(*OnceCheck);
  OnceCheck->SetMultiline(true);
  OnceCheck->SetCaption("On&e-off (rings once, then switches itself off)");

  Place(*OptionsPanel, *this, 0, HeaderHeight + ColumnsHeight, WindowWidth, OptionsHeight);

  Place(*ButtonPanel, *this, 0, HeaderHeight + ColumnsHeight + OptionsHeight, WindowWidth, ButtonsHeight);
  UseGradientPanelLook(*ButtonPanel, scgTopToBottom);
  Place(*TryButton, *ButtonPanel, 8, 10, 150, 30);
  UseSmallButtonLook(*TryButton, "&Try it now");
  Place(*OkButton, *ButtonPanel, WindowWidth - 208, 10, 96, 30);
  UseSmallButtonLook(*OkButton, "&OK");
  Place(*CancelButton, *ButtonPanel, WindowWidth - 104, 10, 96, 30);
  UseSmallButtonLook(*CancelButton, "&Cancel");

  SetTabOrders({HeaderPanel, AlarmPanel, SwitchesPanel, OptionsPanel, ButtonPanel});
  SetTabOrders({AlarmTime, StartTimeLabel});
  SetTabOrders({BoostVolumeCheck, NoRestartCheck, SnoozeCheck, StreamCheck, StreamAddress, LocateFileButton,
                AlarmLabelBox, OnceCheck, AlarmLabelCaption});
  SetTabOrders({TryButton, OkButton, CancelButton});
  SetDefaultButton(OkButton);
}

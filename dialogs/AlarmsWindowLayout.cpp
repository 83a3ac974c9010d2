// The Alarms window's controls: the list over a gradient, the next ring, the buttons.
#include "controls/styled/SCButton.h"
#include "controls/styled/SCPanel.h"
#include "dialogs/AlarmsWindow.h"
#include "dialogs/DialogLook.h"
#include "dialogs/LayoutHelpers.h"
#include "runtime/Label.h"

namespace {
constexpr int WindowWidth = 600;
constexpr int ListMargin = 4;
constexpr int ListHeight = 2 * ListMargin + MaxAlarms * AlarmRowHeight;  // every alarm fits: no scrolling
constexpr int NextRingHeight = 32;
constexpr int ReadinessHeight = 24;
constexpr int ButtonsHeight = 50;
constexpr int ButtonWidth = 96;
}  // namespace

void TAlarmsWindow::BuildLayout() {
  SetCaption("Alarms");
  SetBorderStyle(TBorderStyle::bsToolWindow);
  SetClientSize(WindowWidth, ListHeight + NextRingHeight + ReadinessHeight + ButtonsHeight);
  SetColor(clWhite);
  SetFormStyle(TFormStyle::fsStayOnTop);  // over the configuration dialog, which stays on top
  SetPosition(TPosition::poScreenCenter);

  Place(*ListPanel, *this, 0, 0, WindowWidth, ListHeight);
  UseGradientPanelLook(*ListPanel, scgTopToBottom);
  ListPanel->SetGradientEnd(LightSteelBlue);
  for (int i = 0; i < MaxAlarms; ++i)
    Place(*AlarmRows[i], *ListPanel, ListMargin, ListMargin + i * AlarmRowHeight, WindowWidth - 2 * ListMargin,
          AlarmRowHeight);

  Place(*NextRingPanel, *this, 0, ListHeight, WindowWidth, NextRingHeight);
  UseStatementBandLook(*NextRingPanel);
  NextRingPanel->SetAlignment(taCenter);

  Place(*ReadinessLabel, *this, 8, ListHeight + NextRingHeight + 4, WindowWidth - 16, ReadinessHeight - 4);
  SetFont(ReadinessLabel->Font(), "Verdana", -11, fsBold, clBlack);

  Place(*ButtonPanel, *this, 0, ListHeight + NextRingHeight + ReadinessHeight, WindowWidth, ButtonsHeight);
  UseGradientPanelLook(*ButtonPanel, scgTopToBottom);
  int left = 8;
  for (const auto& button :
       {std::pair<TSCButton*, const char*>{AddButton, "&Add"}, {EditButton, "&Edit"}, {DeleteButton, "&Delete"}}) {
    Place(*button.first, *ButtonPanel, left, 10, ButtonWidth, 30);
    UseSmallButtonLook(*button.first, button.second);
    left += ButtonWidth + 8;
  }
  Place(*TryButton, *ButtonPanel, left, 10, 150, 30);
  UseSmallButtonLook(*TryButton, "&Try it now");
  Place(*CloseButton, *ButtonPanel, WindowWidth - ButtonWidth - 8, 10, ButtonWidth, 30);
  UseSmallButtonLook(*CloseButton, "&Close");

  SetTabOrders({ListPanel, NextRingPanel, ReadinessLabel, ButtonPanel});
  SetTabOrders({AddButton, EditButton, DeleteButton, TryButton, CloseButton});
  SetDefaultButton(CloseButton);
}

#include "dialogs/MissedAlarmWindow.h"

#include "controls/styled/SCButton.h"
#include "dialogs/DialogLook.h"
#include "dialogs/LayoutHelpers.h"
#include "runtime/Label.h"
#include "runtime/Shell.h"

namespace {
constexpr int WindowWidth = 520;
constexpr int MissLineHeight = 34;  // room for a line wrapped once
constexpr int ButtonsHeight = 50;
}  // namespace

TMissedAlarmWindow::TMissedAlarmWindow()
    : TForm(nullptr),
      Lines(new TLabel(this)),
      ButtonPanel(new TSCPanel(this)),
      PowerOptionsButton(new TSCButton(this)),
      OkButton(new TSCButton(this)) {
  SetCaption(MissedAlarmCaption);
  SetBorderStyle(TBorderStyle::bsToolWindow);
  SetColor(clWhite);
  SetFormStyle(TFormStyle::fsStayOnTop);
  SetPosition(TPosition::poScreenCenter);
  UseCaptionLook(*Lines, "");
  Lines->SetWordWrap(true);
  Place(*ButtonPanel, *this, 0, 0, WindowWidth, ButtonsHeight);
  ButtonPanel->SetAlign(TAlign::alBottom);
  UseGradientPanelLook(*ButtonPanel, scgTopToBottom);
  Place(*PowerOptionsButton, *ButtonPanel, 8, 10, 150, 30);
  UseSmallButtonLook(*PowerOptionsButton, "&Power options...");
  Place(*OkButton, *ButtonPanel, WindowWidth - 104, 10, 96, 30);
  UseSmallButtonLook(*OkButton, "&OK");
  SetTabOrders({OkButton, PowerOptionsButton});
  SetDefaultButton(OkButton);
  PowerOptionsButton->OnClick = [](TComponent*) { OpenLink(PowerOptionsPanel); };
  OkButton->OnClick = [this](TComponent*) { SetModalResult(1); };
  ShowLines("", false);
}

void TMissedAlarmWindow::ShowLines(const std::string& lines, bool offerPowerOptions) {
  int count = 1;
  for (char c : lines) count += c == '\n';
  const int linesHeight = count * MissLineHeight + 16;
  SetClientSize(WindowWidth, linesHeight + ButtonsHeight);
  Place(*Lines, *this, 12, 10, WindowWidth - 24, linesHeight - 10);
  Lines->SetCaption(lines);
  PowerOptionsButton->SetVisible(offerPowerOptions);
}

LRESULT TMissedAlarmWindow::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != MissedLinesChanged) return TForm::WndProc(message, wParam, lParam);
  if (OnLinesChanged) OnLinesChanged();
  return 0;
}

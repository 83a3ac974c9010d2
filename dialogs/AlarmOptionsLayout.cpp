// The alarm options window's controls: positions, fonts, colours and tab order.
#include <initializer_list>

#include "controls/styled/SCButton.h"
#include "controls/styled/SCCheckbox.h"
#include "controls/styled/SCCombobox.h"
#include "controls/styled/SCLabel.h"
#include "controls/styled/SCPanel.h"
#include "dialogs/AlarmOptionsWindow.h"
#include "dialogs/DialogLook.h"
#include "runtime/Label.h"

namespace {
void UseSmallButtonLook(TSCButton& button, const char* caption) {
  UseButtonLook(button);
  button.SetCaption(caption);
  button.Font().SetHeight(-13);  // the dialog's big buttons' font would not fit these
}

void UseDayBoxLook(TSCCheckbox& box, const char* caption) {
  UseCheckboxLook(box);
  box.SetCaption(caption);
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

void Place(TWinControl& control, TWinControl& parent, int left, int top, int width, int height) {
  control.SetParent(&parent);
  control.SetBounds(left, top, width, height);
}

void SetTabOrders(std::initializer_list<TWinControl*> controls) {
  int order = 0;
  for (TWinControl* control : controls) control->SetTabOrder(order++);
}

constexpr TColor LightSteelBlue = 0xDEC4B0;  // red 176, green 196, blue 222: black text stays readable
constexpr const char* DayCaptions[] = {"&Mon", "T&ue", "&Wed", "T&hu", "&Fri", "S&at", "Su&n"};
constexpr int DayWidth = 64;
constexpr int CaptionLeft = 10;
constexpr int BoxLeft = 190;
}  // namespace

void TAlarmOptionsWindow::BuildLayout() {
  SetCaption("Alarm options");
  SetBorderStyle(TBorderStyle::bsToolWindow);
  SetClientSize(470, 320);
  SetColor(clWhite);
  SetFormStyle(TFormStyle::fsStayOnTop);  // over the configuration dialog, which stays on top
  SetPosition(TPosition::poScreenCenter);

  Place(*HeaderPanel, *this, 0, 0, 470, 42);
  HeaderPanel->SetAlign(TAlign::alTop);
  UseGradientPanelLook(*HeaderPanel, scgBottomToTop);
  HeaderPanel->SetAlignment(taCenter);

  Place(*ButtonPanel, *this, 0, 270, 470, 50);
  ButtonPanel->SetAlign(TAlign::alBottom);
  UseGradientPanelLook(*ButtonPanel, scgTopToBottom);
  Place(*TryButton, *ButtonPanel, 8, 10, 150, 30);
  UseSmallButtonLook(*TryButton, "&Try it now");
  Place(*OkButton, *ButtonPanel, 262, 10, 96, 30);
  UseSmallButtonLook(*OkButton, "&OK");
  Place(*CancelButton, *ButtonPanel, 366, 10, 96, 30);
  UseSmallButtonLook(*CancelButton, "&Cancel");

  Place(*OptionsPanel, *this, 0, 42, 470, 228);
  OptionsPanel->SetAlign(TAlign::alClient);
  UseGradientPanelLook(*OptionsPanel, scgTopToBottom);
  OptionsPanel->SetGradientEnd(LightSteelBlue);
  Place(*DaysLabel, *OptionsPanel, CaptionLeft, 6, 300, 17);
  UseCaptionLook(*DaysLabel, "Ring on these days");
  for (int i = 0; i < 7; ++i) {
    Place(*DayBoxes[i], *OptionsPanel, CaptionLeft + i * DayWidth, 26, DayWidth - 4, 17);
    UseDayBoxLook(*DayBoxes[i], DayCaptions[i]);
  }
  Place(*SkipButton, *OptionsPanel, CaptionLeft, 52, 170, 26);
  UseSmallButtonLook(*SkipButton, "&Skip next alarm");
  Place(*DontSkipButton, *OptionsPanel, BoxLeft, 52, 120, 26);
  UseSmallButtonLook(*DontSkipButton, "&Don't skip");
  Place(*SkipLabel, *OptionsPanel, CaptionLeft, 82, 450, 17);
  SkipLabel->SetTransparent(true);
  SkipLabel->SetHottrack(false);
  SkipLabel->SetAlignment(taLeftJustify);

  struct LengthRow {
    TLabel* label;
    TSCCombobox* box;
    const char* caption;
  };
  int top = 106;
  for (const LengthRow& row : {LengthRow{SnoozeLabel, SnoozeBox, "Snooze length"},
                               LengthRow{FadeLabel, FadeBox, "Fade in"},
                               LengthRow{FallbackLabel, FallbackBox, "Fallback after"},
                               LengthRow{FallbackFileLabel, FallbackFileBox, "Fallback file"}}) {
    Place(*row.label, *OptionsPanel, CaptionLeft, top + 2, BoxLeft - CaptionLeft, 17);
    UseCaptionLook(*row.label, row.caption);
    Place(*row.box, *OptionsPanel, BoxLeft, top, 200, 20);
    UseLengthBoxLook(*row.box);
    top += 28;
  }
  FallbackFileBox->SetBounds(BoxLeft, top - 28, 232, 20);
  Place(*BrowseButton, *OptionsPanel, BoxLeft + 236, top - 30, 32, 24);
  UseSmallButtonLook(*BrowseButton, "...");

  SetTabOrders({HeaderPanel, OptionsPanel, ButtonPanel});
  SetTabOrders({DayBoxes[0], DayBoxes[1], DayBoxes[2], DayBoxes[3], DayBoxes[4], DayBoxes[5], DayBoxes[6], SkipButton,
                DontSkipButton, SnoozeBox, FadeBox, FallbackBox, FallbackFileBox, BrowseButton, SkipLabel,
                DaysLabel, SnoozeLabel, FadeLabel, FallbackLabel, FallbackFileLabel});
  SetTabOrders({TryButton, OkButton, CancelButton});
}

// Thousands of repaints of every control, in the looks that make the most GDI objects,
// leave no object behind; tiny sizes paint without failing.
#include <gtest/gtest.h>

#include <windows.h>
#include <cstdlib>
#include <uxtheme.h>

#include "controls/styled/SCButton.h"
#include "controls/styled/SCCheckbox.h"
#include "controls/styled/SCCombobox.h"
#include "controls/styled/SCLabel.h"
#include "controls/styled/SCPanel.h"
#include "controls/timepicker/TimePicker.h"
#include "runtime/GdiObject.h"
#include "tests/windows/StyledTestSupport.h"
#include "tests/windows/WindowTestSupport.h"

namespace {
// A panel in its costliest look: a three-colour gradient behind a caption.
TSCPanel& GradientPanel(TForm& form, int width, int height) {
  auto& panel = AddControl<TSCPanel>(form, 0, 0, width, height);
  panel.SetGradient(scgTopToBottom);
  panel.SetGradientMid(clNavy);
  panel.SetGradientEnd(clWhite);
  panel.SetGradientUsesMid(true);
  panel.SetCaption("caption");
  return panel;
}
}  // namespace

// Ten thousand repaints of each, the count at which a leak of one object a paint would
// exhaust a process's GDI objects; under emulation, where a paint is a hundred times
// slower, the environment may ask for fewer (a leak shows in any count).
int RepaintCount() {
  char text[16] = {};
  const DWORD length = GetEnvironmentVariableA("PAINT_LEAK_REPAINTS", text, sizeof text);
  const int asked = length > 0 && length < sizeof text ? std::atoi(text) : 0;
  return asked > 0 ? asked : 10000;
}

using PaintLeaks = HostedTest;

TEST_F(PaintLeaks, ThousandsOfRepaintsOfEveryControlLeaveNoGdiObjects) {
  const int repaints = RepaintCount();
  Host(420, 200);
  auto& panel = GradientPanel(*form, 400, 180);
  auto& box = AddControl<TSCCheckbox>(panel, 0, 0, 368, 17);
  box.SetTransparent(true);
  box.SetChecked(true);
  box.SetCaption("Stream this mp3/playlist/URL");
  auto& label = AddControl<TSCLabel>(panel, 0, 20, 368, 17);
  label.SetTransparent(true);
  label.SetCaption("Visit my homepage");
  auto& combo = AddControl<TSCCombobox>(panel, 0, 40, 368, 20);
  combo.SetTransparent(true);
  combo.SetStyle(scesNone);
  combo.SetText("http://radio.example/morning.m3u");
  auto& button = AddControl<TSCButton>(panel, 4, 95, 175, 31);
  button.SetCaption("Shoutcast");
  button.SetEnabled(false);
  auto& focused = AddControl<TSCButton>(panel, 181, 95, 175, 31);
  focused.SetCaption("Locate file");
  focused.SetFocus();
  PointAt(label, 10, 8);
  auto* picker = &AddControl<TRzTimePicker>(*form, 0, 0, 160, 190);
  SetWindowTheme(picker->Handle(), L" ", L" ");  // the first half classic
  TWinControl* controls[] = {&panel, &box, &label, &combo, &button, &focused};
  for (TWinControl* control : controls) RenderControl(*control);
  picker->Update();

  const int liveBefore = LiveGdiObjectCount();
  const int slotBefore = FreshGdiSlot();
  for (TWinControl* control : controls) {
    HDC dc = GetDC(control->Handle());
    for (int i = 0; i < repaints; ++i) control->PaintTo(dc);
    ReleaseDC(control->Handle(), dc);
    RenderControl(*control);
  }
  for (int i = 0; i < repaints; ++i) {
    picker->SetTime(EncodeTime(i % 24, i % 60, 0, 0));
    if (i == repaints / 2) {  // the second half themed, where the system has visual styles
      picker->SetShowSetButton(true);
      SetWindowTheme(picker->Handle(), nullptr, nullptr);
    }
    picker->Update();  // the real paint path: WM_PAINT through the off-screen buffer
  }
  EXPECT_EQ(LiveGdiObjectCount(), liveBefore);
  EXPECT_LT(FreshGdiSlot() - slotBefore, 100);
}

// Insets larger than the control turn its rectangles inside out; painting goes on.
TEST_F(PaintLeaks, EveryControlPaintsAtSizesDownToNothing) {
  Host(200, 100);
  auto& panel = GradientPanel(*form, 100, 100);
  TWinControl* controls[] = {&panel, &AddControl<TSCButton>(panel, 0, 0, 10, 10),
                             &AddControl<TSCCheckbox>(panel, 0, 0, 10, 10), &AddControl<TSCLabel>(panel, 0, 0, 10, 10),
                             &AddControl<TSCCombobox>(panel, 0, 0, 10, 10)};
  for (TWinControl* control : controls) {
    control->SetCaption("&Caption");
    control->SetFocus();
    for (int size : {3, 2, 1, 0}) {
      control->SetBounds(0, 0, size, size);
      EXPECT_NO_THROW(RenderControl(*control)) << size;
    }
  }
}

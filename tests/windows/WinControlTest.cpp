// The window layer under real windows: alignment, painting, GDI hygiene, mouse clicks,
// accelerators, tab order, timers and modal forms.
#include <gtest/gtest.h>

#include "runtime/Form.h"
#include "runtime/Timer.h"
#include "tests/windows/WindowTestSupport.h"

namespace {

// A control that paints a frame in its font, so painting exercises pens, brushes and fonts.
class Swatch : public TWinControl {
 public:
  using TWinControl::TWinControl;
  int clicks = 0;
  char acceleratorTaken = 0;
  char accelerator = 's';

 protected:
  void Paint(TCanvas& canvas) override {
    TWinControl::Paint(canvas);
    canvas.Pen.SetColor(clBlack);
    canvas.Brush.SetStyle(TBrushStyle::bsClear);
    canvas.Rectangle(ClientRect());
    canvas.Font.SetStyle(fsBold);
    canvas.TextOut(2, 2, "0");
  }
  void Click() override { ++clicks; }
  bool DialogChar(char key) override {
    if (key != accelerator) return false;
    acceleratorTaken = key;
    return true;
  }
};

Swatch* AddSwatch(TForm& form, TAlign align, int width, int height) {
  auto* swatch = new Swatch(&form);
  swatch->SetBounds(0, 0, width, height);
  swatch->SetAlign(align);
  swatch->SetParent(&form);
  return swatch;
}

RECT WindowRectInParent(TWinControl& control) {
  RECT r;
  GetWindowRect(control.Handle(), &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(control.Handle()), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

}  // namespace

TEST(WindowLayer, AlignedChildrenGetTheirLayoutInTheirRealWindows) {
  auto form = MakeHostForm(702, 439);  // where each goes: the native alignment tests
  AddSwatch(*form, TAlign::alTop, 10, 42);
  Swatch* options = AddSwatch(*form, TAlign::alRight, 368, 10);
  Swatch* info = AddSwatch(*form, TAlign::alBottom, 10, 159);
  for (Swatch* swatch : {options, info}) {
    const RECT r = WindowRectInParent(*swatch);
    EXPECT_EQ((Rect{r.left, r.top, r.right, r.bottom}),
              (Rect{swatch->Left(), swatch->Top(), swatch->Left() + swatch->Width(),
                    swatch->Top() + swatch->Height()}));
  }
  EXPECT_EQ(options->Top(), 42);
  EXPECT_EQ(options->Height(), 238);  // shortened by the bottom panel made after it
}

TEST(WindowLayer, ControlPaintsItsColourAndRepaintsWhenItChanges) {
  auto form = MakeHostForm(100, 100);
  Swatch* swatch = AddSwatch(*form, TAlign::alNone, 40, 30);
  swatch->SetColor(clNavy);
  EXPECT_EQ(PixelAt(*RenderControl(*swatch), 20, 20), clNavy);
  swatch->SetColor(RGBColor(0, 128, 0));
  EXPECT_EQ(PixelAt(*RenderControl(*swatch), 20, 20), RGBColor(0, 128, 0));
  EXPECT_EQ(PixelAt(*RenderControl(*swatch), 0, 0), clBlack);  // the frame
}

TEST(WindowLayer, ClickNeedsPressAndReleaseInside) {
  auto form = MakeHostForm(100, 100);
  Swatch* swatch = AddSwatch(*form, TAlign::alNone, 40, 30);
  SendMessageA(swatch->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageA(swatch->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(6, 6));
  EXPECT_EQ(swatch->clicks, 1);
  SendMessageA(swatch->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageA(swatch->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(60, 6));
  EXPECT_EQ(swatch->clicks, 1);
  SendMessageA(swatch->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(6, 6));  // no press before
  EXPECT_EQ(swatch->clicks, 1);
}

TEST(WindowLayer, AltLetterReachesTheControlWhoseAcceleratorItIs) {
  auto form = MakeHostForm(100, 100);
  Swatch* first = AddSwatch(*form, TAlign::alNone, 10, 10);
  Swatch* second = AddSwatch(*form, TAlign::alNone, 10, 10);
  first->accelerator = 'l';
  const MSG altS = {form->Handle(), WM_SYSCHAR, 's', 0, 0, {}};
  EXPECT_TRUE(form->HandleDialogKey(altS));
  EXPECT_EQ(second->acceleratorTaken, 's');
  EXPECT_EQ(first->acceleratorTaken, 0);
  const MSG altX = {form->Handle(), WM_SYSCHAR, 'x', 0, 0, {}};
  EXPECT_FALSE(form->HandleDialogKey(altX));
}

TEST(WindowLayer, TabMovesThroughTabStopsInTabOrderAndWraps) {
  auto form = MakeHostForm(100, 100);
  Swatch* a = AddSwatch(*form, TAlign::alNone, 10, 10);
  Swatch* b = AddSwatch(*form, TAlign::alNone, 10, 10);
  Swatch* c = AddSwatch(*form, TAlign::alNone, 10, 10);
  for (Swatch* s : {a, b, c}) s->SetTabStop(true);
  c->SetTabOrder(0);
  b->SetEnabled(false);
  EXPECT_EQ(form->FindNextControl(nullptr, true), c);
  EXPECT_EQ(form->FindNextControl(c, true), a);
  EXPECT_EQ(form->FindNextControl(a, true), c);
  EXPECT_EQ(form->FindNextControl(c, false), a);
}

TEST(WindowLayer, TimerTicksOnItsThreadOnlyWhileEnabled) {
  TTimer timer(nullptr);
  timer.SetInterval(50);
  int ticks = 0;
  timer.OnTimer = [&](TComponent*) { ++ticks; };
  PumpMessages(2000, [&] { return ticks >= 2; });
  EXPECT_GE(ticks, 2);
  timer.SetEnabled(false);
  const int stopped = ticks;
  ASSERT_TRUE(PumpUntilWitnessTicks(50, 3));
  EXPECT_EQ(ticks, stopped);
}

namespace {
class ClosingForm : public TForm {
 public:
  ClosingForm() : TForm(nullptr) {
    OnClose = [this](TComponent*, TCloseAction& action) { action = TCloseAction::caFree; };
  }
};
}  // namespace

TEST(WindowLayer, ModalRunAnswersTheResultAndDestroysTheWindowWhenAsked) {
  ClosingForm form;
  const HWND window = form.Handle();
  TTimer closer(nullptr);
  closer.SetInterval(100);
  closer.OnTimer = [&](TComponent*) {
    closer.SetEnabled(false);
    PostMessageA(form.Handle(), WM_CLOSE, 0, 0);
  };
  EXPECT_EQ(form.ShowModal(), mrCancel);
  EXPECT_FALSE(IsWindow(window));

  ClosingForm second;
  closer.OnTimer = [&](TComponent*) {
    closer.SetEnabled(false);
    second.SetModalResult(mrOk);
    PostMessageA(second.Handle(), WM_NULL, 0, 0);
  };
  closer.SetEnabled(true);
  EXPECT_EQ(second.ShowModal(), mrOk);
  EXPECT_FALSE(second.HandleAllocated());
}

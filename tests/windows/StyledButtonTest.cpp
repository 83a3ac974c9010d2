// The XP push button under real mouse and key messages: the ring and face colours of
// each state, and exactly when it clicks.
#include <gtest/gtest.h>

#include "controls/styled/SCButton.h"
#include "tests/windows/StyledTestSupport.h"
#include "tests/windows/WindowTestSupport.h"

namespace {

const TColor HotRingTop = RGBColor(255, 236, 64);     // orange + 64
const TColor FocusRingTop = RGBColor(176, 224, 255);  // light blue + 64
const TColor IdleFaceTop = RGBColor(48, 48, 176);     // navy + 48
const TColor PressedFaceTop = RGBColor(24, 24, 152);  // navy + 24

class StyledButton : public HostedTest {
 protected:
  void SetUp() override {
    Host(300, 100);
    button = &AddControl<TSCButton>(*form, 10, 10, 175, 31);
    button->SetStyle(scbsXP);
    button->SetColor(clNavy);
    button->SetRoundColor(clWhite);
    button->SetCaption("&Save settings");
    button->Font().SetStyle(fsBold);
    button->Font().SetColor(clSilver);
    button->OnClick = [this](TComponent*) { ++clicks; };
  }
  TColor At(int x, int y) { return PixelAt(*RenderControl(*button), x, y); }

  TSCButton* button = nullptr;
  int clicks = 0;
};

}  // namespace

TEST_F(StyledButton, IdleItIsANavyFaceInADarkBorderWithWhiteCorners) {
  auto image = RenderControl(*button);
  EXPECT_EQ(PixelAt(*image, 0, 0), clWhite);
  EXPECT_EQ(PixelAt(*image, 174, 30), clWhite);
  EXPECT_TRUE(NearColor(PixelAt(*image, 87, 1), clBlack, 1));  // border top
  EXPECT_TRUE(NearColor(PixelAt(*image, 87, 2), IdleFaceTop, 1));
  EXPECT_TRUE(NearColor(PixelAt(*image, 87, 28), RGBColor(0, 0, 104), 4));  // face bottom
}

TEST_F(StyledButton, UnderTheMouseItRingsOrangeOverAnIdleFace) {
  PointAt(*button, 80, 15);
  EXPECT_TRUE(button->MouseInControl());
  EXPECT_TRUE(NearColor(At(87, 2), HotRingTop, 1));
  EXPECT_TRUE(NearColor(At(87, 4), IdleFaceTop, 1));
}

TEST_F(StyledButton, FocusedWithThePointerElsewhereItRingsBlueAndShowsTheDots) {
  button->SetFocus();
  ASSERT_TRUE(button->Focused());
  auto image = RenderControl(*button);
  EXPECT_TRUE(NearColor(PixelAt(*image, 87, 2), FocusRingTop, 1));
  // Dots on every other pixel of the ring 3 pixels in: dark where set, the ring between.
  const TColor dot = PixelAt(*image, 11, 3), between = PixelAt(*image, 12, 3);
  EXPECT_LT(RedOf(dot) + GreenOf(dot) + BlueOf(dot), 300);
  EXPECT_GT(RedOf(between) + GreenOf(between) + BlueOf(between), 500);
}

TEST_F(StyledButton, PressedItFlipsTheFaceAndClicksOnReleaseOverIt) {
  PointAt(*button, 80, 15);
  PressLeft(*button, 80, 15);
  auto image = RenderControl(*button);
  EXPECT_TRUE(NearColor(PixelAt(*image, 87, 2), PressedFaceTop, 1));  // no ring: the face reaches the border
  EXPECT_TRUE(NearColor(PixelAt(*image, 87, 28), IdleFaceTop, 4));
  EXPECT_EQ(clicks, 0);
  ReleaseLeft(*button, 80, 15);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(NearColor(At(87, 2), HotRingTop, 1));
}

TEST_F(StyledButton, DraggedOffItShowsTheBlueRingAndReleasingThereDoesNotClick) {
  PointAt(*button, 80, 15);
  PressLeft(*button, 80, 15);
  PointAt(*button, 80, 60);
  EXPECT_FALSE(button->MouseInControl());
  EXPECT_TRUE(NearColor(At(87, 2), FocusRingTop, 1));
  EXPECT_TRUE(NearColor(At(87, 4), IdleFaceTop, 1));
  ReleaseLeft(*button, 80, 60);
  EXPECT_EQ(clicks, 0);
}

TEST_F(StyledButton, SpaceClicksOnReleaseOnceAndEscapeCancelsIt) {
  button->SetFocus();
  KeyDown(*button, VK_SPACE);
  KeyDown(*button, VK_SPACE);  // auto-repeat
  EXPECT_TRUE(NearColor(At(87, 4), PressedFaceTop, 1));
  EXPECT_EQ(clicks, 0);
  KeyUp(*button, VK_SPACE);
  EXPECT_EQ(clicks, 1);
  KeyDown(*button, VK_SPACE);
  KeyDown(*button, VK_ESCAPE);
  KeyUp(*button, VK_ESCAPE);
  KeyUp(*button, VK_SPACE);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(NearColor(At(87, 4), IdleFaceTop, 1));
}

TEST_F(StyledButton, TheAcceleratorClicksItWhileItCanTakeTheFocus) {
  const MSG altS = {form->Handle(), WM_SYSCHAR, 's', 0, 0, {}};
  EXPECT_TRUE(form->HandleDialogKey(altS));
  EXPECT_EQ(clicks, 1);
  const MSG altX = {form->Handle(), WM_SYSCHAR, 'x', 0, 0, {}};
  EXPECT_FALSE(form->HandleDialogKey(altX));
  button->SetEnabled(false);
  EXPECT_FALSE(form->HandleDialogKey(altS));
  EXPECT_EQ(clicks, 1);
}

TEST_F(StyledButton, AClickGivesTheFormItsModalResultBeforeOnClick) {
  button->SetModalResult(mrOk);
  int resultSeen = -1;
  button->OnClick = [&](TComponent*) { resultSeen = form->ModalResult(); };
  ClickAt(*button, 50, 15);
  EXPECT_EQ(resultSeen, mrOk);
}

TEST_F(StyledButton, DisabledItShowsNoRingAndAnEmbossedCaption) {
  constexpr TColor Green = 0x00FF00;  // no blend of the embossing greys can make it
  button->Font().SetColor(Green);
  button->SetFocus();
  button->SetEnabled(false);
  PointAt(*button, 80, 15);
  EXPECT_FALSE(button->MouseInControl());
  auto image = RenderControl(*button);
  EXPECT_TRUE(NearColor(PixelAt(*image, 87, 2), IdleFaceTop, 1));
  const Rect caption{4, 4, 171, 27};
  const TColor highlight = ToColorRef(clBtnHighlight), shadow = ToColorRef(clBtnShadow);
  EXPECT_GT(CountPixels(*image, caption, [&](TColor c) { return c == highlight; }), 30);
  EXPECT_GT(CountPixels(*image, caption, [&](TColor c) { return c == shadow; }), 30);
  EXPECT_EQ(CountPixels(*image, caption, [](TColor c) { return c == Green; }), 0);
}

TEST_F(StyledButton, RoundCornersFollowTheParentUntilARoundColourIsSet) {
  auto& plain = AddControl<TSCButton>(*form, 10, 50, 100, 30);
  form->SetColor(RGBColor(0, 128, 0));
  EXPECT_TRUE(plain.RoundWithParentColor());
  EXPECT_EQ(PixelAt(*RenderControl(plain), 0, 0), RGBColor(0, 128, 0));
  EXPECT_EQ(At(0, 0), clWhite);  // set by the program, so it stays
}

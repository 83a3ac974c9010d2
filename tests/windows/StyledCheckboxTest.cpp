// The XP check box under real mouse and key messages: a mouse toggle reports OnChange
// then OnClick, the keyboard and the program toggle silently; its looks in each state.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/styled/SCCheckbox.h"
#include "controls/styled/SCText.h"
#include "tests/windows/StyledTestSupport.h"
#include "tests/windows/WindowTestSupport.h"

namespace {

const Rect Box{0, 2, 13, 15};  // 13 x 13, centred in a 17-pixel-high box

class StyledCheckbox : public HostedTest {
 protected:
  void SetUp() override {
    Host(400, 100);
    box = &AddControl<TSCCheckbox>(*form, 0, 0, 368, 17);
    box->SetStyle(sccsXP);
    box->SetTransparent(true);
    box->SetCaption("Boost &volume to MAX!! :-)");
    box->Font().SetName("Verdana");
    box->Font().SetHeight(-13);
    box->Font().SetStyle(fsBold);
    box->Font().SetCharset(EASTEUROPE_CHARSET);
    box->Font().SetColor(clBlack);
    box->OnChange = [this](TComponent*) { events.push_back(box->Checked() ? "change to checked" : "change"); };
    box->OnClick = [this](TComponent*) { events.push_back("click"); };
  }
  int MarkPixels(OffscreenBitmap& image, TColor mark) {
    return CountPixels(image, Box.Inset(2, 2, 2, 2), [mark](TColor c) { return c == mark; });
  }

  TSCCheckbox* box = nullptr;
  std::vector<std::string> events;
};

using Events = std::vector<std::string>;

}  // namespace

TEST_F(StyledCheckbox, AMouseClickTogglesAndReportsOnChangeOnceBeforeOnClick) {
  ClickAt(*box, 5, 8);
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(events, (Events{"change to checked", "click"}));
  ClickAt(*box, 100, 8);  // the caption toggles as well
  EXPECT_FALSE(box->Checked());
  EXPECT_EQ(events.size(), 4u);
}

TEST_F(StyledCheckbox, SettingTheValueFromTheProgramReportsNothing) {
  box->SetChecked(true);
  box->SetChecked(true);
  box->SetState(sccbUnchecked);
  box->SetState(sccbGrayed);
  EXPECT_EQ(box->State(), sccbChecked);  // grayed is not allowed
  box->Toggle();
  EXPECT_TRUE(events.empty());
}

TEST_F(StyledCheckbox, TheSpaceBarTogglesOnReleaseWithoutReporting) {
  box->SetFocus();
  KeyDown(*box, VK_SPACE);
  KeyDown(*box, VK_SPACE);  // auto-repeat
  EXPECT_FALSE(box->Checked());
  KeyUp(*box, VK_SPACE);
  EXPECT_TRUE(box->Checked());
  EXPECT_TRUE(events.empty());
  KeyDown(*box, VK_SPACE);
  KeyUp(*box, VK_ESCAPE);
  KeyUp(*box, VK_SPACE);
  EXPECT_TRUE(box->Checked());  // Escape let the press go
}

TEST_F(StyledCheckbox, TheAcceleratorFocusesAndTogglesWithoutReporting) {
  const MSG altV = {form->Handle(), WM_SYSCHAR, 'v', 0, 0, {}};
  EXPECT_TRUE(form->HandleDialogKey(altV));
  EXPECT_TRUE(box->Focused());
  EXPECT_TRUE(box->Checked());
  EXPECT_TRUE(events.empty());
}

TEST_F(StyledCheckbox, PressedThenReleasedOffTheBoxItStaysAsItWas) {
  PointAt(*box, 5, 8);
  PressLeft(*box, 5, 8);
  PointAt(*box, 5, 40);
  // While off the box it shows the highlight ring: light blue + 64 at its top left.
  EXPECT_TRUE(NearColor(PixelAt(*RenderControl(*box), 1, 8), RGBColor(176, 224, 255), 1));
  ReleaseLeft(*box, 5, 40);
  EXPECT_FALSE(box->Checked());
  EXPECT_TRUE(events.empty());
}

TEST_F(StyledCheckbox, UnderTheMouseTheBoxRingsOrange) {
  PointAt(*box, 200, 8);
  EXPECT_TRUE(NearColor(PixelAt(*RenderControl(*box), 1, 8), RGBColor(255, 236, 64), 1));
  ParkPointer();
  SendMessageA(box->Handle(), WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(PixelAt(*RenderControl(*box), 1, 8), ToColorRef(clWindow));
}

TEST_F(StyledCheckbox, TheMarkShowsOnlyWhileCheckedAndTurnsGreyWhenDisabled) {
  const TColor mark = ToColorRef(clWindowText);
  EXPECT_EQ(MarkPixels(*RenderControl(*box), mark), 0);
  box->SetChecked(true);
  EXPECT_GT(MarkPixels(*RenderControl(*box), mark), 12);
  box->SetEnabled(false);
  auto disabled = RenderControl(*box);
  EXPECT_EQ(MarkPixels(*disabled, mark), 0);
  EXPECT_GT(MarkPixels(*disabled, ToColorRef(clGrayText)), 12);
  EXPECT_EQ(PixelAt(*disabled, 2, 4), ToColorRef(clBtnFace));
}

TEST_F(StyledCheckbox, TheCaptionStartsNineteenPixelsInAndShowsTheParentBehind) {
  form->SetColor(RGBColor(0, 128, 0));
  auto image = RenderControl(*box);
  EXPECT_EQ(PixelAt(*image, 16, 8), RGBColor(0, 128, 0));
  EXPECT_EQ(CountPixels(*image, {13, 0, 19, 17}, [](TColor c) { return c == clBlack; }), 0);
  EXPECT_GT(CountPixels(*image, {19, 0, 40, 17}, [](TColor c) { return c == clBlack; }), 5);
}

TEST_F(StyledCheckbox, AutoSizeFitsTheHeightToTheFont) {
  box->SetAutoSize(true);
  EXPECT_EQ(box->Height(), LineHeight(box->Font()) + 4);
  box->Font().SetHeight(-30);
  EXPECT_EQ(box->Height(), LineHeight(box->Font()) + 4);
  EXPECT_GT(box->Height(), 30);
}

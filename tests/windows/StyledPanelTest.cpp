// The gradient panel and transparency over it: the colours at its edges and middle, its
// caption, and the parent's gradient showing through transparent children.
#include <gtest/gtest.h>

#include "controls/styled/SCLabel.h"
#include "controls/styled/SCPanel.h"
#include "tests/windows/StyledTestSupport.h"
#include "tests/windows/WindowTestSupport.h"

namespace {

class StyledPanel : public HostedTest {
 protected:
  void SetUp() override {
    Host(720, 200);
    panel = &AddControl<TSCPanel>(*form, 0, 0, 702, 159);
  }

  TSCPanel* panel = nullptr;
};

}  // namespace

TEST_F(StyledPanel, TakesTheWindowsColourAsTheStartOfItsGradient) {
  panel->SetGradient(scgTopToBottom);
  auto image = RenderControl(*panel);
  EXPECT_TRUE(NearColor(PixelAt(*image, 350, 0), clWhite, 2));
  EXPECT_TRUE(NearColor(PixelAt(*image, 350, 158), clNavy, 4));
}

TEST_F(StyledPanel, ThreeColoursAreWhiteAtTheEdgesAndNavyAcrossTheMiddle) {
  panel->SetBounds(0, 0, 368, 238);
  panel->SetGradient(scgTopToBottom);
  panel->SetGradientMid(clNavy);
  panel->SetGradientEnd(clWhite);
  panel->SetGradientUsesMid(true);
  auto image = RenderControl(*panel);
  EXPECT_TRUE(NearColor(PixelAt(*image, 100, 0), clWhite, 2));
  EXPECT_TRUE(NearColor(PixelAt(*image, 100, 119), clNavy, 2));
  EXPECT_TRUE(NearColor(PixelAt(*image, 100, 237), clWhite, 4));
}

TEST_F(StyledPanel, ACentredCaptionIsDrawnInTheMiddle) {
  panel->SetBounds(0, 0, 300, 42);
  panel->SetColor(clWhite);
  panel->Font().SetColor(clNavy);
  panel->SetCaption("Plugin made by orvik / Velmora Software");
  panel->SetAlignment(taCenter);
  auto image = RenderControl(*panel);
  const auto inked = [](TColor c) { return c == clNavy; };
  EXPECT_GT(CountPixels(*image, {100, 10, 200, 32}, inked), 20);
  EXPECT_EQ(CountPixels(*image, {0, 0, 20, 42}, inked), 0);
  EXPECT_EQ(CountPixels(*image, {0, 0, 300, 6}, inked), 0);
}

TEST_F(StyledPanel, ATransparentControlAlsoShowsTheEarlierSiblingsUnderIt) {
  panel->SetBounds(0, 0, 100, 100);
  panel->SetColor(0x0000FF);
  auto& label = AddControl<TSCLabel>(*form, 50, 50, 100, 17);
  label.SetTransparent(true);
  auto& later = AddControl<TSCPanel>(*form, 120, 50, 50, 50);
  later.SetColor(clBlack);
  const auto image = RenderControl(label);
  EXPECT_EQ(PixelAt(*image, 10, 8), 0x0000FFu);  // the panel made before it
  EXPECT_EQ(PixelAt(*image, 60, 8), clWhite);    // the form
  EXPECT_EQ(PixelAt(*image, 90, 8), clWhite);    // a sibling made later lies above, not below
}

TEST_F(StyledPanel, TransparentChildrenShowThePanelsGradient) {
  panel->SetColor(clNavy);
  panel->SetGradient(scgTopToBottom);
  panel->SetGradientEnd(clWhite);
  auto& label = AddControl<TSCLabel>(*panel, 0, 0, 702, 17);
  label.SetHottrack(false);
  label.SetTransparent(true);
  auto& lower = AddControl<TSCLabel>(*panel, 0, 140, 702, 17);
  lower.SetTransparent(true);
  const auto panelImage = RenderControl(*panel);
  const auto top = RenderControl(label);
  const auto bottom = RenderControl(lower);
  for (int y : {0, 8, 16}) {
    EXPECT_EQ(PixelAt(*top, 5, y), PixelAt(*panelImage, 5, y)) << y;
    EXPECT_EQ(PixelAt(*bottom, 600, y), PixelAt(*panelImage, 600, 140 + y)) << y;
  }
  EXPECT_TRUE(NearColor(PixelAt(*top, 5, 0), clNavy, 2));
  label.SetTransparent(false);  // opaque again: the panel's own colour
  EXPECT_EQ(PixelAt(*RenderControl(label), 5, 16), clNavy);
}

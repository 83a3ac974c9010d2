#include <gtest/gtest.h>

#include <climits>

#include "GeometryPrinting.h"
#include "controls/timepicker/FrameStyle.h"

namespace {
const SystemColorResolver greyShadow = [](int) -> TColor { return 0x808080; };
const Rect client{0, 0, 160, 190};
}  // namespace

TEST(PanelClientRect, ShrinksByTheBandEverywhereAndByFramesOnListedSides) {
  PanelBorder border{fsLowered, fsStatus, NoBorderSides, 0, 5};
  EXPECT_EQ(PanelClientRect(client, border), client);
  border = {fsLowered, fsNone, TSides{}, 0, 1};
  EXPECT_EQ(PanelClientRect(client, border), (Rect{2, 2, 158, 188}));
  border = {fsRaised, fsFlat, TSides{true, false, false, true}, 4, 1};
  EXPECT_EQ(PanelClientRect(client, border), (Rect{7, 4, 156, 183}));
}

TEST(AdjustedFlatColor, ZeroKeepsTheColourAndTheSignChoosesLowerOrRaise) {
  EXPECT_EQ(AdjustedFlatColor(clBtnShadow, 0, greyShadow), clBtnShadow);
  EXPECT_EQ(AdjustedFlatColor(clBtnShadow, 30, greyShadow), 0x9F9F9Fu);   // lightness 150
  EXPECT_EQ(AdjustedFlatColor(clBtnShadow, -30, greyShadow), 0x606060u);  // lightness 90
  EXPECT_EQ(AdjustedFlatColor(clBtnShadow, INT_MIN, greyShadow), clBlack);
}

TEST(FrameLines, OneRingPerPixelOfThicknessForEveryStyle) {
  const FrameColors colors{0x111111, 0x222222, 0x333333};
  for (int style = fsNone; style <= fsFlatRounded; ++style) {
    const auto frameStyle = static_cast<TFrameStyleEx>(style);
    EXPECT_EQ(static_cast<int>(FrameLines(frameStyle, 3, colors).size()), FrameThickness(frameStyle, 3)) << style;
  }
  EXPECT_EQ(FrameThickness(fsStatus, 3), 3);  // the bevel width, never below nothing
  EXPECT_EQ(FrameThickness(fsPopup, -4), 0);
}

TEST(FrameLines, LoweredIsShadowOutsideDarkShadowInsideAndStatusUsesThePanelColours) {
  const FrameColors colors{0x111111, 0x222222, 0x333333};
  const auto lowered = FrameLines(fsLowered, 1, colors);
  EXPECT_EQ(lowered[0].topLeft, clBtnShadow);
  EXPECT_EQ(lowered[0].bottomRight, clBtnHighlight);
  EXPECT_EQ(lowered[1].topLeft, cl3DDkShadow);
  EXPECT_EQ(lowered[1].bottomRight, cl3DLight);
  for (const FrameLine& line : FrameLines(fsStatus, 2, colors)) {
    EXPECT_EQ(line.topLeft, 0x333333u);
    EXPECT_EQ(line.bottomRight, 0x222222u);
  }
  EXPECT_EQ(FrameLines(fsPopup, 1, colors)[0].topLeft, 0x222222u);
  EXPECT_EQ(FrameLines(fsFlat, 1, colors)[0].bottomRight, 0x111111u);
}

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <vector>

#include "runtime/ColorMath.h"
#include "runtime/Geometry.h"

namespace {
// A classic scheme: white windows, button face 0xF0F0F0, grey shadow.
TColor Classic(int index) { return index == 5 ? clWhite : index == 15 ? 0xF0F0F0 : 0x808080; }
const SystemColorResolver classic = Classic;
const SystemColorResolver none = [](int index) -> TColor {
  ADD_FAILURE() << "system colour " << index << " resolved for a plain colour";
  return 0;
};
}  // namespace

TEST(ColorToRGB, ResolvesOnlySystemReferences) {
  std::vector<int> asked;
  const SystemColorResolver recording = [&asked](int index) {
    asked.push_back(index);
    return 0xFFABCDEFu;  // the resolver's high byte never leaks into a colour
  };
  EXPECT_EQ(ColorToRGB(clBtnShadow, recording), 0xABCDEFu);
  EXPECT_EQ(asked, std::vector<int>{16});
  EXPECT_EQ(ColorToRGB(clNavy, none), clNavy);
  EXPECT_EQ(ColorToRGB(clNone, none), clWhite);
}

TEST(Lightness, ConvertsToTheTwoFortyScale) {
  struct Case {
    TColor rgb;
    std::array<int, 3> hueLightnessSaturation;
  };
  for (const Case& c : {Case{clWhite, {0, 240, 0}}, Case{0x808080, {0, 120, 0}},
                        Case{RGBColor(0, 255, 0), {80, 120, 240}}, Case{clNavy, {160, 60, 240}},
                        Case{RGBColor(255, 0, 128), {220, 120, 240}}, Case{RGBColor(255, 128, 128), {0, 180, 240}}}) {
    const HlsColor hls = RGBToHLS(c.rgb);
    EXPECT_EQ((std::array<int, 3>{hls.hue, hls.lightness, hls.saturation}), c.hueLightnessSaturation)
        << std::hex << c.rgb;
  }
}

TEST(Lightness, ReadsHueBackOverTwoThirtyNineAndRoundsHalfToEven) {
  EXPECT_EQ(HLSToRGB(RGBToHLS(clBlue)), RGBColor(4, 0, 255));  // a touch past blue
  EXPECT_EQ(LowerLightness(clWhite, 40, none), 0xD4D4D4u);     // lightness 200 gives exactly 212.5
}

TEST(Lightness, LowerAndRaiseRoundTripAndClamp) {
  const TColor teal = RGBColor(40, 120, 110);
  const TColor back = RaiseLightness(LowerLightness(teal, 30, none), 30, none);
  EXPECT_NEAR(RGBToHLS(LowerLightness(teal, 30, none)).lightness, RGBToHLS(teal).lightness - 30, 1);
  EXPECT_NEAR(RedOf(back) + GreenOf(back) + BlueOf(back), RedOf(teal) + GreenOf(teal) + BlueOf(teal), 3);
  EXPECT_EQ(LowerLightness(clNavy, 100, none), clBlack);
  // Past the scale every channel saturates instead of spilling into the next one.
  EXPECT_EQ(RaiseLightness(RGBColor(255, 200, 200), 50, none), clWhite);
  EXPECT_EQ(LowerLightness(clBtnFace, 40, classic), LowerLightness(0xF0F0F0, 40, none));
}

TEST(Blend, WeighsTheFirstColourByWeightOverTwoFiftyFive) {
  EXPECT_EQ(Blend(clBlack, clWhite, 128, none), 0x7F7F7Fu);
  EXPECT_EQ(Blend(RGBColor(255, 0, 0), clBlue, 100, none), RGBColor(100, 0, 155));
  EXPECT_EQ(Blend(clNavy, clWhite, 999, none), clNavy);
  EXPECT_EQ(Blend(clBtnShadow, clWindow, 128, classic), 0xBFBFBFu);
}

TEST(NudgeOffGrey, MovesOnlyExactGrey) {
  EXPECT_EQ(NudgeOffGrey(clBtnShadow, classic), 0x808081u);
  for (TColor other : {0x808081u, 0x7F7F7Fu, 0x808180u}) EXPECT_EQ(NudgeOffGrey(other, none), other);
  EXPECT_EQ(NudgeOffGrey(clBtnFace, classic), clBtnFace);  // returned as given, unresolved
}

TEST(ShiftedChannels, NeverWrapAndMoveByTheMagnitude) {
  EXPECT_EQ(ShiftedChannels(clWhite, 48, 48, 48, true, none), clWhite);
  EXPECT_EQ(ShiftedChannels(clNavy, 144, 144, 144, false, none), clBlack);
  EXPECT_EQ(ShiftedChannels(RGBColor(0x30, 0x20, 0x10), 1, -2, 3, true, none), RGBColor(0x31, 0x22, 0x13));
}

TEST(AddToColor, ClampsTheAmountAndEveryChannel) {
  EXPECT_EQ(AddToColor(RGBColor(0x30, 0x20, 0x10), -0x18, none), RGBColor(0x18, 0x08, 0));
  EXPECT_EQ(AddToColor(RGBColor(0x30, 0x20, 0x10), 300, none), clWhite);
  EXPECT_EQ(AddToColor(clWhite, INT_MIN, none), clBlack);
}

TEST(IsLightColor, NeedsARoundedMeanOfAtLeast225) {
  EXPECT_TRUE(IsLightColor(RGBColor(225, 225, 224), none));   // 224.67
  EXPECT_FALSE(IsLightColor(RGBColor(225, 224, 224), none));  // 224.33
  EXPECT_TRUE(IsLightColor(clWindow, classic));
}

TEST(MulDivRounded, RoundsHalfAwayFromZeroAndFailsLikeThePlatform) {
  EXPECT_EQ(MulDivRounded(-5, 1, 2), -3);
  EXPECT_EQ(MulDivRounded(INT_MAX, INT_MAX, INT_MAX), INT_MAX);  // 64-bit product
  EXPECT_EQ(MulDivRounded(7, 3, 0), -1);
  EXPECT_EQ(MulDivRounded(INT_MAX, 2, 1), -1);
}

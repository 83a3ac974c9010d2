#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "GeometryPrinting.h"
#include "runtime/Gradient.h"

namespace {

const SystemColorResolver whiteWindows = [](int) -> TColor { return clWhite; };
constexpr TColor kRed = 0x0000FF;

std::vector<GradientBand> Bands(const Rect& r, TSCGradient direction, TColor start, TColor end) {
  return GradientBands({r, direction, start, end}, whiteWindows);
}

// The bands must tile the rectangle along the gradient, in order, none empty.
void ExpectBandsTile(const std::vector<GradientBand>& bands, const Rect& r, bool horizontal) {
  int edge = horizontal ? r.left : r.top;
  for (const GradientBand& band : bands) {
    EXPECT_EQ(horizontal ? band.rect.left : band.rect.top, edge);
    EXPECT_EQ(horizontal ? band.rect.Height() : band.rect.Width(), horizontal ? r.Height() : r.Width());
    EXPECT_FALSE(band.rect.IsEmpty());
    edge = horizontal ? band.rect.right : band.rect.bottom;
  }
  EXPECT_EQ(edge, horizontal ? r.right : r.bottom);
}

}  // namespace

TEST(GradientEnds, PutTheStartColourAtTheEdgeTheDirectionNamesFirst) {
  const Rect r{0, 0, 50, 20};
  const auto ends = [&r](TSCGradient d) { return *GradientEnds({r, d, clWindow, clNavy}, whiteWindows); };
  EXPECT_EQ(ends(scgLeftToRight).topLeft, clWhite);
  EXPECT_EQ(ends(scgTopToBottom).bottomRight, clNavy);
  EXPECT_EQ(ends(scgRightToLeft).topLeft, clNavy);
  EXPECT_EQ(ends(scgBottomToTop).bottomRight, clWhite);
  EXPECT_TRUE(ends(scgRightToLeft).horizontal);
  EXPECT_FALSE(ends(scgBottomToTop).horizontal);
  EXPECT_FALSE(GradientEnds({r, scgNone, kRed, clNavy}, whiteWindows));
  EXPECT_TRUE(Bands({10, 10, 10, 30}, scgLeftToRight, kRed, clNavy).empty());
}

TEST(GradientBands, OnePixelOrEqualColoursIsOneSolidBandInTheStartColour) {
  EXPECT_EQ(Bands({4, 0, 5, 30}, scgRightToLeft, kRed, clNavy).at(0).color, kRed);
  EXPECT_EQ(Bands({0, 7, 300, 8}, scgBottomToTop, kRed, clNavy).size(), 1u);
  const auto equal = Bands({0, 0, 300, 40}, scgLeftToRight, clWindow, clWhite);  // equal once resolved
  ASSERT_EQ(equal.size(), 1u);
  EXPECT_EQ(equal[0].rect, (Rect{0, 0, 300, 40}));
}

TEST(GradientBands, OneBandPerPixelUpTo256AndRoundedWidthsBeyond) {
  for (int width : {2, 3, 256, 300, 384}) {
    const Rect r{20, 0, 20 + width, 10};
    const auto bands = Bands(r, scgLeftToRight, clBlack, clWhite);
    EXPECT_EQ(bands.size(), static_cast<std::size_t>(std::min(width, 256))) << width;
    ExpectBandsTile(bands, r, true);
    EXPECT_EQ(bands.front().color, clBlack) << width;
    EXPECT_EQ(bands.back().color, clWhite) << width;
  }
  // Grey 10 to grey 5 over three pixels: the middle steps by 2.5, rounded away from zero.
  EXPECT_EQ(Bands({0, 0, 3, 1}, scgLeftToRight, 0x0A0A0A, 0x050505)[1].color, 0x070707u);
  const auto wide = Bands({0, 0, 300, 1}, scgLeftToRight, clBlack, clWhite);
  EXPECT_EQ(wide[2].rect.right, 3);  // 2 * 299 / 255 rounds to 2
  EXPECT_EQ(wide[3].rect.right, 5);  // 3 * 299 / 255 rounds to 4
  // 383 / 255 rounds to 2: the first band is two pixels wide and the last one clipped to one.
  const auto overrun = Bands({0, 0, 384, 1}, scgLeftToRight, clBlack, clWhite);
  EXPECT_EQ(overrun.front().rect.Width(), 2);
  EXPECT_EQ(overrun.back().rect.Width(), 1);
}

TEST(GradientBands, BackwardAndVerticalDirections) {
  EXPECT_EQ(Bands({0, 0, 100, 10}, scgRightToLeft, kRed, clNavy).front().color, clNavy);
  const Rect r{0, 5, 30, 305};
  const auto bottomToTop = Bands(r, scgBottomToTop, kRed, clNavy);
  ExpectBandsTile(bottomToTop, r, false);
  EXPECT_EQ(bottomToTop.front().color, clNavy);
  EXPECT_EQ(bottomToTop.back().color, kRed);
}

TEST(GradientInEffect, NeedsADirectionAndAColourThatDiffers) {
  EXPECT_FALSE(GradientInEffect({scgNone, clWhite, clNavy, clBlue, false}));
  EXPECT_FALSE(GradientInEffect({scgTopToBottom, clWhite, clNone, clBlue, false}));
  EXPECT_TRUE(GradientInEffect({scgTopToBottom, clWhite, clNone, clBlue, true}));
  EXPECT_FALSE(GradientInEffect({scgTopToBottom, clWhite, clNone, clNone, true}));
  EXPECT_FALSE(GradientInEffect({scgLeftToRight, clWhite, clWhite, clWhite, true}));
  EXPECT_TRUE(GradientInEffect({scgLeftToRight, clWhite, clWhite, clNavy, true}));
}

TEST(PanelGradientSpans, ThreeColoursPutTheOddRowInTheSecondHalf) {
  const auto spans = PanelGradientSpans({0, 10, 200, 111}, {scgTopToBottom, clWhite, clWhite, clNavy, true});
  ASSERT_EQ(spans.size(), 2u);
  EXPECT_EQ(spans[0].rect, (Rect{0, 10, 200, 60}));
  EXPECT_EQ(spans[1].rect, (Rect{0, 60, 200, 111}));
  // White at both edges, navy where the halves meet.
  EXPECT_EQ(GradientBands(spans[0], whiteWindows).back().color, clNavy);
  EXPECT_EQ(GradientBands(spans[1], whiteWindows).back().color, clWhite);
  const auto two = PanelGradientSpans({0, 0, 9, 9}, {scgBottomToTop, clWhite, clNavy, clNone, true});
  ASSERT_EQ(two.size(), 1u);
  EXPECT_EQ(two[0].direction, scgBottomToTop);
}

TEST(PanelGradientSpans, BackwardThreeColoursAreForwardWithTheOuterColoursSwapped) {
  for (TSCGradient backward : {scgRightToLeft, scgBottomToTop}) {
    const TSCGradient forward = backward == scgRightToLeft ? scgLeftToRight : scgTopToBottom;
    const auto swapped = PanelGradientSpans({0, 0, 101, 31}, {backward, kRed, clWhite, clNavy, true});
    const auto plain = PanelGradientSpans({0, 0, 101, 31}, {forward, clWhite, kRed, clNavy, true});
    ASSERT_EQ(swapped.size(), 2u);
    for (int half = 0; half < 2; ++half) {
      EXPECT_EQ(swapped[half].rect, plain[half].rect);
      EXPECT_EQ(swapped[half].direction, forward);
      EXPECT_EQ(swapped[half].start, plain[half].start);
      EXPECT_EQ(swapped[half].end, plain[half].end);
    }
  }
}

// The painting routines of the styled controls on a real device context: gradient
// fills by the platform's call and by bands, the focus dots, the 3-D frame and the
// shifted colours.
#include <gtest/gtest.h>

#include "controls/styled/SCPaint.h"
#include "tests/windows/StyledTestSupport.h"
#include "tests/windows/WindowTestSupport.h"

namespace {

constexpr TColor Sentinel = 0x00FF00;
constexpr TColor Red = 0x0000FF;

std::unique_ptr<OffscreenBitmap> Canvas(TColor fill = Sentinel) {
  auto image = std::make_unique<OffscreenBitmap>(Size{120, 80});
  image->Canvas().Brush.SetColor(fill);
  image->Canvas().FillRect({0, 0, 120, 80});
  return image;
}

using Fill = void (*)(TCanvas&, const GradientSpan&);
const Fill BothFills[] = {&FillGradient, &FillGradientBanded};

// The pixels a fill changed lie exactly in `r` and cover it.
void ExpectPaintedExactly(OffscreenBitmap& image, const Rect& r) {
  const Rect all{0, 0, 120, 80};
  const auto painted = [](TColor c) { return c != Sentinel; };
  EXPECT_EQ(CountPixels(image, all, painted), r.IsEmpty() ? 0 : r.Width() * r.Height());
  if (!r.IsEmpty()) {
    EXPECT_EQ(CountPixels(image, r, painted), r.Width() * r.Height());
  }
}

}  // namespace

TEST(StyledGradient, FillsExactlyItsRectangleWhateverItsSizeAndColours) {
  const struct {
    Rect r;
    TColor start, end;
  } cases[] = {{{10, 10, 60, 40}, Red, clNavy},     {{10, 10, 11, 70}, Red, clNavy},
               {{5, 30, 115, 31}, Red, clNavy},     {{20, 20, 21, 21}, Red, clNavy},
               {{0, 0, 120, 80}, clWhite, clWhite}, {{3, 4, 50, 60}, clBtnFace, clWindow},
               {{30, 30, 30, 60}, Red, clNavy},     {{30, 30, 10, 10}, Red, clNavy},
               {{40, 40, 80, 39}, Red, clNavy}};
  for (Fill fill : BothFills) {
    for (const auto& c : cases) {
      for (TSCGradient direction : {scgLeftToRight, scgBottomToTop}) {
        auto image = Canvas();
        fill(image->Canvas(), {c.r, direction, c.start, c.end});
        SCOPED_TRACE(testing::Message() << c.r.left << "," << c.r.top << "," << c.r.right << "," << c.r.bottom);
        ExpectPaintedExactly(*image, c.r);
      }
    }
  }
}

TEST(StyledFocusDots, OnWhiteTheyComeOutBlackOnEveryOtherPixel) {
  auto image = Canvas(clWhite);
  DrawFocusDots(image->Canvas(), {10, 10, 20, 16}, clWhite);  // which pixels: a native test
  EXPECT_EQ(PixelAt(*image, 10, 10), clBlack);
  EXPECT_EQ(CountPixels(*image, {0, 0, 120, 80}, [](TColor c) { return c == clBlack; }), 14);
  EXPECT_EQ(image->Canvas().Pen.Mode(), TPenMode::pmCopy);
}

TEST(StyledFrame3D, DrawsBothSidesLeavesThePenAndShrinksTheRectangle) {
  auto image = Canvas(clWhite);
  TCanvas& canvas = image->Canvas();
  canvas.Pen.SetColor(Red);
  canvas.Pen.SetWidth(3);
  Rect r{10, 10, 30, 20};
  Frame3D(canvas, r, clNavy, clBlack);
  EXPECT_EQ(r, (Rect{11, 11, 29, 19}));
  EXPECT_EQ(PixelAt(*image, 10, 15), clNavy);
  EXPECT_EQ(PixelAt(*image, 20, 10), clNavy);
  EXPECT_EQ(PixelAt(*image, 29, 15), clBlack);
  EXPECT_EQ(PixelAt(*image, 20, 19), clBlack);
  EXPECT_EQ(PixelAt(*image, 20, 15), clWhite);
  EXPECT_EQ(canvas.Pen.Color(), Red);
  EXPECT_EQ(canvas.Pen.Width(), 3);
  Rect none{40, 40, 60, 50};
  Frame3D(canvas, none, clNone, clNone);
  EXPECT_EQ(PixelAt(*image, 40, 45), clWhite);
}

// The time picker's painting read back pixel by pixel: the face, hands, ticks and
// selectors where the layout puts them, the focus outline, values that carry no time
// of day, and the themed look.
#include <windows.h>
#include <gtest/gtest.h>
#include <uxtheme.h>

#include <cmath>
#include <limits>
#include <vector>

#include "controls/timepicker/RadioGlyph.h"
#include "runtime/Rounding.h"
#include "runtime/Theme.h"
#include "tests/windows/PickerFixture.h"

namespace {

constexpr TColor Face = 0xE0E0E0;
constexpr TColor Hands = 0x0000C0;
constexpr TColor Numbers = 0x00A000;
constexpr TColor HourTicks = 0xC00000;
constexpr TColor MinuteTicks = 0x00C0C0;

class PickerPaint : public PickerTest {
 protected:
  // These pixels are those of the classic drawing: the picker's window leaves the
  // visual styles, as the platform lets one window do.
  void SetUp() override {
    PickerTest::SetUp();
    ASSERT_TRUE(SUCCEEDED(SetWindowTheme(picker->Handle(), L" ", L" ")));
  }

  void UseDistinctColours() {
    TRzClockFaceColors& colors = picker->ClockFaceColors();
    colors.SetFace(Face);
    colors.SetHands(Hands);
    colors.SetNumbers(Numbers);
    colors.SetHourTicks(HourTicks);
    colors.SetMinuteTicks(MinuteTicks);
  }

  TColor PixelOf(Point p) { return PixelAt(*RenderControl(*picker), p.x, p.y); }

  // A point `fraction` of the radius out from the centre, towards a minute mark.
  Point TowardsMinute(double minute, double fraction) {
    const ClockLayout layout = picker->Layout();
    const double angle = minute * 3.14159265358979323846 / 30 - 3.14159265358979323846 / 2;
    return {layout.centre.x + RoundHalfEven(std::cos(angle) * fraction * layout.radius),
            layout.centre.y + RoundHalfEven(std::sin(angle) * fraction * layout.radius)};
  }

  std::vector<TColor> AllPixels() {
    auto image = RenderControl(*picker);
    std::vector<TColor> pixels;
    for (int y = 0; y < picker->Height(); ++y)
      for (int x = 0; x < picker->Width(); ++x) pixels.push_back(PixelAt(*image, x, y));
    return pixels;
  }
};

}  // namespace

TEST_F(PickerPaint, DefaultColoursFillTheFaceAndTheControl) {
  picker->SetTime(At(3, 0));
  const ClockLayout layout = picker->Layout();
  EXPECT_EQ(PixelOf(TowardsMinute(37.5, 0.4)), ToColorRef(clBtnFace));
  EXPECT_EQ(PixelOf({layout.clock.left, layout.clock.top}), ToColorRef(clWindow));  // outside the disc
  EXPECT_EQ(PixelOf(TowardsMinute(15, 0.45)), ToColorRef(clWindowText));            // the hour hand
}

TEST_F(PickerPaint, TicksKeepTheirColourAndAtHalfPastThreeInTheAfternoonTheHourHandStaysOnThree) {
  UseDistinctColours();
  picker->SetTime(At(15, 30));
  EXPECT_EQ(PixelOf(TowardsMinute(15, 0.45)), Hands);
  EXPECT_EQ(PixelOf(TowardsMinute(17.5, 0.4)), Face);  // where a hand following the minutes would be
  EXPECT_EQ(PixelOf(TowardsMinute(30, 0.75)), Hands);  // the minute hand points down
  const ClockLayout layout = picker->Layout();
  EXPECT_EQ(PixelOf(layout.centre + MinuteOffset(1, RoundHalfEven(0.92 * layout.radius))), MinuteTicks);
}

TEST_F(PickerPaint, TheFaceOutlineShowsOnlyWithTheFocus) {
  UseDistinctColours();
  const ClockLayout layout = picker->Layout();
  const Point leftmost{layout.clock.left, layout.centre.y};
  EXPECT_EQ(PixelOf(leftmost), Face);
  picker->SetFocus();
  ASSERT_TRUE(picker->Focused());
  EXPECT_EQ(PixelOf(leftmost), LowerLightness(Face, 40, ScreenColors()));
  EXPECT_EQ(PixelOf({leftmost.x + 3, leftmost.y}), Face);
}

TEST_F(PickerPaint, SeparatorAndSelectorsFollowTheHalfOfTheDay) {
  const ClockLayout layout = picker->Layout();
  EXPECT_EQ(PixelOf({5, layout.am.top - 5}), ToColorRef(clBtnShadow));
  EXPECT_EQ(PixelOf({picker->Width() - 6, layout.am.top - 5}), ToColorRef(clBtnShadow));
  const Point amDot = RadioGlyphOrigin(layout.am) + Point{6, 6};
  const Point pmDot = RadioGlyphOrigin(layout.pm) + Point{6, 6};
  EXPECT_EQ(PixelOf(amDot), ToColorRef(NudgeOffGrey(clHighlight, ScreenColors())));
  EXPECT_EQ(PixelOf(pmDot), ToColorRef(clWindow));
  picker->SetTime(At(12, 0));
  EXPECT_EQ(PixelOf(amDot), ToColorRef(clWindow));
  EXPECT_EQ(PixelOf(pmDot), ToColorRef(NudgeOffGrey(clHighlight, ScreenColors())));
}

TEST_F(PickerPaint, SetButtonIsDrawnOnlyWhenShown) {
  const Rect set = picker->Layout().set;
  const Point inside{(set.left + set.right) / 2, set.top + 3};
  EXPECT_EQ(PixelOf(inside), ToColorRef(clWindow));
  picker->SetShowSetButton(true);
  EXPECT_EQ(PixelOf(inside), ToColorRef(clBtnFace));
}

TEST_F(PickerPaint, TheTimeTextChangesWithTheValueAndTheFormat) {
  picker->SetTime(At(3, 0));
  const std::vector<TColor> morning = AllPixels();
  picker->SetTime(At(15, 0));
  const std::vector<TColor> afternoon = AllPixels();
  EXPECT_NE(morning, afternoon);
  picker->SetFormat("h:nn:ss");
  EXPECT_NE(AllPixels(), afternoon);
}

TEST_F(PickerPaint, TheLoweredFrameInsetsTheContentAndAnEmptySideSetDrawsNone) {
  EXPECT_EQ(PixelOf({1, 40}), ToColorRef(cl3DDkShadow));  // the lowered frame's inner line
  const int stripBottom = picker->Layout().text.bottom;
  EXPECT_EQ(picker->Layout().text, (Rect{2, 2, picker->Width() - 2, stripBottom}));
  picker->SetBorderSides(NoBorderSides);
  EXPECT_EQ(PixelOf({0, 0}), ToColorRef(clBtnHighlight));  // now the text strip's raised edge
  EXPECT_EQ(PixelOf({0, 40}), ToColorRef(clWindow));
  EXPECT_EQ(picker->Layout().text, (Rect{0, 0, picker->Width(), stripBottom}));
}

TEST_F(PickerPaint, ValuesWithoutATimeOfDayPaintAsMidnightAndNegativeOnesMirror) {
  const std::vector<TColor> midnight = AllPixels();
  for (double bad : {std::nan(""), std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                     1e300, -1e300}) {
    picker->SetTime(At(7, 7));
    picker->SetTime(bad);
    EXPECT_EQ(picker->Time(), 0.0) << bad;
    EXPECT_EQ(AllPixels(), midnight) << bad;
  }
  picker->SetTime(At(16, 48));
  const std::vector<TColor> mirrored = AllPixels();
  picker->SetTime(0);
  picker->SetTime(-1.7);
  EXPECT_EQ(AllPixels(), mirrored);
}

TEST_F(PickerPaint, TheSnoozeWindowsDisplayOnlyClockKeepsItsColours) {
  picker->SetBounds(10, 10, 365, 190);
  picker->SetBorderSides(NoBorderSides);
  picker->SetColor(clWhite);
  picker->ClockFaceColors().SetFace(clSilver);
  picker->ClockFaceColors().SetHourTicks(clWhite);
  picker->SetFormat("h:nn:ss");
  picker->SetEnabled(false);
  picker->SetTime(At(9, 45));
  const ClockLayout layout = picker->Layout();
  EXPECT_EQ(PixelOf(TowardsMinute(22.5, 0.4)), clSilver);
  EXPECT_EQ(PixelOf(layout.centre + MinuteOffset(15, RoundHalfEven(0.92 * layout.radius))), clWhite);
  EXPECT_EQ(PixelOf({layout.clock.left - 2, layout.centre.y}), clWhite);
}

TEST_F(PickerPaint, WithVisualStylesThePartsAreThemedAndTheFaceIsTheSame) {
  SetWindowTheme(picker->Handle(), nullptr, nullptr);  // back to the user's theme
  if (!VisualStylesActive()) GTEST_SKIP() << "no visual styles on this system";
  UseDistinctColours();
  picker->SetTime(At(3, 0));
  const std::vector<TColor> themed = AllPixels();
  const ClockLayout layout = picker->Layout();
  EXPECT_EQ(PixelOf(TowardsMinute(15, 0.45)), Hands);
  EXPECT_EQ(PixelOf(TowardsMinute(37.5, 0.4)), Face);
  SetWindowTheme(picker->Handle(), L" ", L" ");
  EXPECT_NE(AllPixels(), themed);
  EXPECT_EQ(PixelOf(TowardsMinute(15, 0.45)), Hands);
  EXPECT_EQ(PixelOf(layout.centre + MinuteOffset(1, RoundHalfEven(0.92 * layout.radius))), MinuteTicks);
}

#include <gtest/gtest.h>

#include <cmath>

#include "GeometryPrinting.h"
#include "controls/timepicker/ClockGeometry.h"

namespace {

// "MS Sans Serif" at height -11 has a text-metric height of 13, so rows are 19 high.
ClockLayout Layout(int width, int height, Rect client) { return LayoutClock({{width, height}, client, 13, 16, 15}); }
ClockLayout Layout(int width, int height) { return Layout(width, height, {0, 0, width, height}); }

const Point centre{80, 90};

// A pointer `degrees` clockwise from straight up, far enough out to be precise.
Point AtDegrees(double degrees) {
  const double radians = degrees * 3.14159265358979323846 / 180;
  return {centre.x + static_cast<int>(std::lround(std::sin(radians) * 1000)),
          centre.y - static_cast<int>(std::lround(std::cos(radians) * 1000))};
}

}  // namespace

TEST(ClockLayout, DefaultSizeKeepsTheFaceBetweenTextAndSelectors) {
  const ClockLayout layout = Layout(160, 190);
  EXPECT_EQ(layout.text, (Rect{0, 0, 160, 19}));
  EXPECT_EQ(layout.am, (Rect{5, 166, 35, 185}));
  EXPECT_EQ(layout.pm, (Rect{40, 166, 69, 185}));
  EXPECT_EQ(layout.set, (Rect{97, 166, 155, 185}));
  EXPECT_EQ(layout.centre, (Point{80, 90}));
  EXPECT_EQ(layout.radius, 68);  // half the free band of 137, not half the width
  EXPECT_EQ(layout.clock, (Rect{12, 22, 148, 158}));
  EXPECT_LE(layout.clock.bottom, layout.am.top - 5);  // above the separator line
}

TEST(ClockLayout, DialogSnoozeNarrowAndBorderedSizes) {
  const ClockLayout dialog = Layout(334, 202);
  EXPECT_EQ(dialog.set, (Rect{155, 178, 329, 197}));
  EXPECT_EQ(dialog.clock, (Rect{93, 22, 241, 170}));
  const ClockLayout snooze = Layout(365, 190);
  EXPECT_EQ(snooze.centre, (Point{182, 90}));
  EXPECT_EQ(snooze.radius, 68);
  EXPECT_EQ(Layout(101, 300).clock, (Rect{5, 100, 95, 190}));  // radius from the width
  // A border moves the strip's top down while its bottom stays at the row height.
  EXPECT_EQ(Layout(160, 190, {2, 2, 158, 188}).text, (Rect{2, 2, 158, 19}));
}

TEST(ClockHands, AtThreeTheHourHandPointsRightAndTheMinuteHandUp) {
  EXPECT_EQ(HourHand({0, 0}, 100, 3), (HandPolygon{{{0, 0}, {15, -4}, {50, 0}, {15, 4}}}));
  EXPECT_EQ(MinuteHand({0, 0}, 100, 0), (HandPolygon{{{0, 0}, {-4, -25}, {0, -80}, {4, -25}}}));
  EXPECT_EQ(HourHand(centre, 68, 15), HourHand(centre, 68, 3));  // 15:30 points exactly at 3
  EXPECT_EQ(HourHand(centre, 68, 0)[2], (Point{80, 56}));        // 00:xx points at 12
  EXPECT_EQ(HourOffset(1, 10), (Point{5, -9}));
}

TEST(ClockFaceMarks, TicksAndNumeralsSitOnTheirCircles) {
  const ClockTicks ticks = TickMarks({0, 0}, 100);
  ASSERT_EQ(ticks.hourMarks.size(), 12u);
  EXPECT_EQ(ticks.minuteDots.size(), 48u);
  EXPECT_EQ(ticks.hourMarks[2], (Rect{90, -2, 95, 3}));     // 15 minutes: radius 92, five pixels square
  EXPECT_EQ(ticks.hourMarks[11], (Rect{-2, -94, 3, -89}));  // the top
  EXPECT_EQ(NumeralFontHeight(68), -14);
  const auto numerals = NumeralPositions(centre, 100, 13);
  EXPECT_EQ(numerals[11], (Point{80, 9}));   // 12: 90 - 75 - 13 div 2
  EXPECT_EQ(numerals[2], (Point{155, 84}));  // 3
}

TEST(HourFromPoint, EachHourOwnsThirtyDegreesCentredOnItsMark) {
  EXPECT_EQ(HourFromPoint(centre, AtDegrees(10)), 12);
  EXPECT_EQ(HourFromPoint(centre, AtDegrees(20)), 1);
  EXPECT_EQ(HourFromPoint(centre, AtDegrees(14.9)), 12);
  EXPECT_EQ(HourFromPoint(centre, AtDegrees(15.1)), 1);
  EXPECT_EQ(HourFromPoint(centre, AtDegrees(344.9)), 11);
  for (int hour = 1; hour <= 12; ++hour) {
    EXPECT_EQ(HourFromPoint(centre, centre + HourOffset(hour, 60)), hour) << "on the mark";
    EXPECT_EQ(HourFromPoint(centre, AtDegrees(hour * 30 - 14)), hour);
    EXPECT_EQ(HourFromPoint(centre, AtDegrees(hour * 30 + 14)), hour);
  }
}

TEST(HourFromPoint, VerticalCentreDiagonalsAndFarOutside) {
  EXPECT_EQ(HourFromPoint(centre, {80, 40}), 12);
  EXPECT_EQ(HourFromPoint(centre, {80, 140}), 6);
  EXPECT_EQ(HourFromPoint(centre, centre), 12);
  EXPECT_EQ(HourFromPoint(centre, centre + Point{10, -10}), 2);  // a boundary goes to the later hour
  EXPECT_EQ(HourFromPoint(centre, centre + Point{-10, 10}), 8);
  EXPECT_EQ(HourFromPoint(centre, centre + Point{-5000, 1}), 9);
}

TEST(MinuteFromPoint, EachMinuteOwnsSixDegreesAndTheTopIsZero) {
  EXPECT_EQ(MinuteFromPoint(centre, {80, 150}, false), 30);
  EXPECT_EQ(MinuteFromPoint(centre, centre, false), 0);
  EXPECT_EQ(MinuteFromPoint(centre, AtDegrees(357.1), false), 0);
  EXPECT_EQ(MinuteFromPoint(centre, AtDegrees(3.1), false), 1);
  for (int minute = 0; minute < 60; ++minute) {
    EXPECT_EQ(MinuteFromPoint(centre, centre + MinuteOffset(minute, 300), false), minute);
  }
}

TEST(MinuteFromPoint, SnapsToFiveWithinTheSameHour) {
  const auto snapped = [](int minute) { return MinuteFromPoint(centre, centre + MinuteOffset(minute, 300), true); };
  EXPECT_EQ(snapped(58), 0);
  EXPECT_EQ(snapped(3), 5);
  EXPECT_EQ(snapped(2), 0);
  EXPECT_EQ(snapped(28), 30);
}

TEST(PartAt, TestsSelectorsThenSetThenTheClockSquare) {
  const ClockLayout layout = Layout(160, 190);
  EXPECT_EQ(PartAt(layout, {34, 184}), PickerPart::AM);
  EXPECT_EQ(PartAt(layout, {36, 170}), PickerPart::None);  // between AM and PM
  EXPECT_EQ(PartAt(layout, {40, 170}), PickerPart::PM);
  EXPECT_EQ(PartAt(layout, {120, 175}), PickerPart::Set);
  EXPECT_EQ(PartAt(layout, {13, 23}), PickerPart::Face);  // corner of the square, off the circle
  EXPECT_EQ(PartAt(layout, {148, 90}), PickerPart::None);
}

TEST(PickerMinimumSize, FollowsTheSizeOfZeroAndTheSetCaption) {
  EXPECT_EQ(PickerMinimumSize({7, 13}, "Set"), (Size{169, 190}));
  EXPECT_EQ(PickerMinimumSize({7, 13}, "Set the alarm"), (Size{294, 190}));
  EXPECT_EQ(PickerMinimumSize({8, 16}, ""), (Size{192, 232}));
}

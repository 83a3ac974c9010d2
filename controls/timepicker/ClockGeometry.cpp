#include "controls/timepicker/ClockGeometry.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

#include "controls/timepicker/RadioGlyph.h"
#include "runtime/Rounding.h"

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr int Margin = 5;          // around the selector row and the face
constexpr int RowPadding = 2 + 4;  // added to the font height for the text strip and selectors

// A pointer exactly on a sector boundary (a diagonal, for instance) goes to the later
// mark, whatever the last bit of the arctangent says.
constexpr double BoundaryBias = 1e-9;

int Scaled(double factor, int radius) { return RoundHalfEven(factor * radius); }

// Degrees clockwise from straight up, for a pointer off the vertical through the centre.
double DegreesFromTop(int dx, int dy) {
  double screen = std::atan(static_cast<double>(dy) / dx) * 180 / Pi;
  if (dx > 0 && dy < 0) {
    screen += 360;
  } else if (dx < 0) {
    screen += 180;
  }
  const double fromTop = screen + 90;
  return fromTop >= 360 ? fromTop - 360 : fromTop;
}

// Index of the nearest of `marks` marks spaced evenly from the top, each owning the
// sector centred on it.
int NearestMark(double degreesFromTop, int marks) {
  const double sector = 360.0 / marks;
  return static_cast<int>(std::floor(degreesFromTop / sector + 0.5 + BoundaryBias)) % marks;
}

HandPolygon Hand(Point centre, Point tip, Point base, Point halfWidth) {
  return {centre, base - halfWidth, tip, base + halfWidth};
}

int ClampToInt(std::int64_t value) { return static_cast<int>(std::min<std::int64_t>(value, INT_MAX)); }

}  // namespace

ClockLayout LayoutClock(const ClockLayoutInput& input) {
  const int width = input.control.width;
  const int height = input.control.height;
  const int row = input.fontHeight + RowPadding;
  ClockLayout layout;
  layout.text = input.client;
  layout.text.bottom = row;  // absolute: a top border thins the strip rather than moving it

  const int rowTop = height - Margin - row;
  layout.am = {Margin, rowTop, Margin + input.amCaptionWidth + RadioCaptionIndent, rowTop + row};
  const int pmLeft = layout.am.right + Margin;
  layout.pm = {pmLeft, rowTop, pmLeft + input.pmCaptionWidth + RadioCaptionIndent, rowTop + row};
  layout.set = {layout.pm.right + (width - Margin - layout.pm.right) / 3, rowTop, width - Margin, layout.pm.bottom};

  const int freeHeight = layout.am.top - Margin - layout.text.bottom - Margin;
  // 3 rather than 5: the face sits two pixels above the middle of the free band.
  layout.centre = {(width - 2 * Margin) / 2 + Margin, layout.text.bottom + 3 + freeHeight / 2};
  layout.radius = std::min((width - 2 * Margin) / 2, freeHeight / 2);
  const Point c = layout.centre;
  const int r = layout.radius;
  layout.clock = {c.x - r, c.y - r, c.x + r, c.y + r};
  return layout;
}

Point AngleOffset(double radians, int radius) {
  return {RoundHalfEven(std::cos(radians) * radius), RoundHalfEven(std::sin(radians) * radius)};
}

Point HourOffset(int hour, int radius) { return AngleOffset(hour * Pi / 6 - Pi / 2, radius); }

Point MinuteOffset(int minute, int radius) { return AngleOffset(minute * Pi / 30 - Pi / 2, radius); }

int NumeralFontHeight(int radius) { return -Scaled(0.2, radius); }

std::array<Point, 12> NumeralPositions(Point centre, int radius, int zeroTextHeight) {
  const int numeralRadius = Scaled(0.75, radius);
  const Point raise{0, zeroTextHeight / 2};  // the anchor is the text's top; centre it vertically
  std::array<Point, 12> positions;
  for (int hour = 1; hour <= 12; ++hour) {
    positions[hour - 1] = centre + HourOffset(hour, numeralRadius) - raise;
  }
  return positions;
}

ClockTicks TickMarks(Point centre, int radius) {
  const int tickRadius = Scaled(0.92, radius);
  const int half = Scaled(0.02, radius);
  ClockTicks ticks;
  for (int minute = 1; minute <= 60; ++minute) {
    const Point p = centre + MinuteOffset(minute, tickRadius);
    if (minute % 5 == 0) {
      ticks.hourMarks.push_back({p.x - half, p.y - half, p.x + half + 1, p.y + half + 1});
    } else {
      ticks.minuteDots.push_back(p);
    }
  }
  return ticks;
}

HandPolygon MinuteHand(Point centre, int radius, int minute) {
  return Hand(centre, centre + MinuteOffset(minute, Scaled(0.8, radius)),
              centre + MinuteOffset(minute, Scaled(0.25, radius)), AngleOffset(minute * Pi / 30, Scaled(0.04, radius)));
}

HandPolygon HourHand(Point centre, int radius, int hour) {
  const int dialHour = hour > 12 ? hour - 12 : hour;
  return Hand(centre, centre + HourOffset(dialHour, Scaled(0.5, radius)),
              centre + HourOffset(dialHour, Scaled(0.15, radius)),
              AngleOffset(dialHour * Pi / 6, Scaled(0.04, radius)));
}

int HourFromPoint(Point centre, Point pointer) {
  const int dx = pointer.x - centre.x;
  const int dy = pointer.y - centre.y;
  if (dx == 0) return dy > 0 ? 6 : 12;
  const int hour = NearestMark(DegreesFromTop(dx, dy), 12);
  return hour == 0 ? 12 : hour;
}

int MinuteFromPoint(Point centre, Point pointer, bool snapToFive) {
  const int dx = pointer.x - centre.x;
  const int dy = pointer.y - centre.y;
  int minute = dx == 0 ? (dy > 0 ? 30 : 0) : NearestMark(DegreesFromTop(dx, dy), 60);
  if (snapToFive) {
    // 58 and 59 snap to 0 of the same hour, not to the next one.
    minute = RoundHalfEven(minute / 60.0 * 12) * 5 % 60;
  }
  return minute;
}

PickerPart PartAt(const ClockLayout& layout, Point pointer) {
  if (layout.am.Contains(pointer)) return PickerPart::AM;
  if (layout.pm.Contains(pointer)) return PickerPart::PM;
  if (layout.set.Contains(pointer)) return PickerPart::Set;
  if (layout.clock.Contains(pointer)) return PickerPart::Face;
  return PickerPart::None;
}

Size PickerMinimumSize(Size zeroText, const std::string& captionSet) {
  const std::int64_t cw = zeroText.width;
  const std::int64_t ch = zeroText.height;
  const std::int64_t buttonRow =
      captionSet.empty() ? 24 * cw : (static_cast<std::int64_t>(captionSet.size()) + 2) * 2 * cw + 12 * cw;
  return {ClampToInt(std::max((cw + 6) * 13, buttonRow)), ClampToInt(ch * 10 + (ch + 2) * 4)};
}

#pragma once
// Where the time picker puts its parts, where the clock face's marks and hands go, and
// which hour or minute a pointer position means. All coordinates are client pixels.
#include <array>
#include <string>
#include <vector>

#include "runtime/Geometry.h"

// The parts of the picker, recomputed at every paint and kept for hit-testing.
struct ClockLayout {
  Rect text;   // strip at the top with the formatted time
  Rect am;     // AM selector: glyph and caption
  Rect pm;     // PM selector
  Rect set;    // Set button, laid out even while hidden
  Rect clock;  // square around the clock circle
  Point centre;
  int radius = 0;
};

struct ClockLayoutInput {
  Size control;            // the control's full outer size
  Rect client;             // client rectangle after the border's shrink
  int fontHeight = 0;      // text-metric height of the control's font
  int amCaptionWidth = 0;  // text widths of the captions shown ("AM", "PM" when empty)
  int pmCaptionWidth = 0;
};

ClockLayout LayoutClock(const ClockLayoutInput& input);

// Offsets from the centre on a circle of the radius; hour 0 and 12 and minute 0 point
// straight up, and angles grow clockwise because y grows downward.
Point HourOffset(int hour, int radius);
Point MinuteOffset(int minute, int radius);
Point AngleOffset(double radians, int radius);

// The numerals' font height, negative as fonts take a character height.
int NumeralFontHeight(int radius);

// Anchors (horizontally centred, top) of the numerals 1 to 12, in that order, for a
// font whose "0" is zeroTextHeight pixels high.
std::array<Point, 12> NumeralPositions(Point centre, int radius, int zeroTextHeight);

struct ClockTicks {
  std::vector<Rect> hourMarks;    // twelve filled squares, at minutes 5, 10, ... 60
  std::vector<Point> minuteDots;  // the 48 single pixels between them
};

ClockTicks TickMarks(Point centre, int radius);

// Polygon corners in drawing order: centre, one side of the base, tip, other side.
using HandPolygon = std::array<Point, 4>;

HandPolygon MinuteHand(Point centre, int radius, int minute);
// hour is 0 to 23; the hand shows the whole hour and does not follow the minutes.
HandPolygon HourHand(Point centre, int radius, int hour);

// The hour (1 to 12) whose 30-degree sector holds the pointer.
int HourFromPoint(Point centre, Point pointer);
// The minute (0 to 59) whose 6-degree sector holds the pointer, optionally snapped to
// the nearest multiple of five within the same hour.
int MinuteFromPoint(Point centre, Point pointer, bool snapToFive);

enum class PickerPart { None, AM, PM, Set, Face };

// The part a press lands on, tested in the order AM, PM, Set, clock square.
PickerPart PartAt(const ClockLayout& layout, Point pointer);

// The smallest size the picker takes, from the size of "0" in its font and its Set
// caption as stored (empty when the default text is shown).
Size PickerMinimumSize(Size zeroText, const std::string& captionSet);

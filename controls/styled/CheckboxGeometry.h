#pragma once
// Where a styled check box puts its 13-pixel box, its caption and its check mark.
#include <vector>

#include "runtime/Geometry.h"

enum TSCCheckboxLayout { scclBottom, scclMiddle, scclTop };

constexpr int CheckBoxSize = 13;

struct CheckboxPlaces {
  Rect box;
  Rect caption;  // the room for the caption, already two pixels clear of the box
};

// With the box on the left the caption follows it; otherwise the box sits at the right
// and the caption ends before it (never left of the client area's left edge).
CheckboxPlaces PlaceCheckbox(const Rect& client, bool boxOnLeft, TSCCheckboxLayout layout, int indent, int spacing);

// The check mark's stroke; drawn three times, each one pixel lower, it is three thick.
std::vector<Point> CheckMarkStroke(const Rect& box);

// The focus frame round a measured caption: two pixels wider on each side, one higher
// and two lower, kept inside the client area.
Rect CaptionFocusFrame(const Rect& caption, const Rect& client);

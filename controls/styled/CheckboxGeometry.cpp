#include "controls/styled/CheckboxGeometry.h"

#include <algorithm>

namespace {
constexpr int CheckMarkSize = 7;
constexpr int CaptionGap = 2;
}  // namespace

CheckboxPlaces PlaceCheckbox(const Rect& client, bool boxOnLeft, TSCCheckboxLayout layout, int indent, int spacing) {
  int top = client.top;
  if (layout == scclBottom) top = client.bottom - CheckBoxSize;
  if (layout == scclMiddle) top = client.top + (client.Height() - CheckBoxSize) / 2;

  CheckboxPlaces places;
  places.caption = client;
  if (boxOnLeft) {
    const int left = client.left + indent;
    places.box = {left, top, left + CheckBoxSize, top + CheckBoxSize};
    places.caption.left = places.box.right + spacing + CaptionGap;
  } else {
    const int right = client.right - indent;
    places.box = {right - CheckBoxSize, top, right, top + CheckBoxSize};
    places.caption.right = std::max(places.box.left - spacing - CaptionGap, client.left);
  }
  return places;
}

std::vector<Point> CheckMarkStroke(const Rect& box) {
  const int x = std::max(box.left + (box.Width() - CheckMarkSize) / 2, box.left);
  const int y = std::max(box.top + (box.Height() - CheckMarkSize) / 2, box.top);
  return {{x, y + 2}, {x + 2, y + 4}, {x + 7, y - 1}};
}

Rect CaptionFocusFrame(const Rect& caption, const Rect& client) {
  return caption.Inset(-2, -1, -2, -2).ClippedTo(client);
}

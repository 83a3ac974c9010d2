#pragma once
// Pixel paths of the styled controls' dotted focus frame and one-pixel 3-D frame.
#include <vector>

#include "runtime/Geometry.h"

// Every other pixel of the rectangle's outermost ring, starting with its top-left
// pixel and running clockwise, the alternation carried round the corners. Each pixel
// appears once, also when the rectangle is a single row or column.
std::vector<Point> FocusDotPixels(const Rect& r);

// The two polylines of a 3-D frame with its corners cut by cut div 2 pixels (limited
// so the lines never cross): the top-left one first drawn, then the bottom-right one.
// A rectangle one pixel wide or high, or less, gets only a line from its top-left to
// its bottom-right corner in the bottom-right colour. The caller then insets the
// rectangle by one pixel on every side.
struct Frame3DPolylines {
  std::vector<Point> topLeft;
  std::vector<Point> bottomRight;
};

Frame3DPolylines Frame3DLines(const Rect& r, int cut);

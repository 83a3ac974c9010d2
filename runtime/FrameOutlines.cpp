#include "runtime/FrameOutlines.h"

#include <algorithm>

std::vector<Point> FocusDotPixels(const Rect& r) {
  const int left = r.left;
  const int top = r.top;
  const int right = r.right - 1;
  const int bottom = r.bottom - 1;
  if (right < left || bottom < top) return {};

  std::vector<Point> dots;
  bool lit = true;
  const auto visit = [&dots, &lit](int x, int y) {
    if (lit) dots.push_back({x, y});
    lit = !lit;
  };
  for (int x = left; x <= right; ++x) visit(x, top);
  for (int y = top + 1; y <= bottom; ++y) visit(right, y);
  // A single row or column has no way back that would not repeat its pixels.
  if (bottom > top && right > left) {
    for (int x = right - 1; x >= left; --x) visit(x, bottom);
    for (int y = bottom - 1; y > top; --y) visit(left, y);
  }
  return dots;
}

Frame3DPolylines Frame3DLines(const Rect& r, int cut) {
  const int left = r.left;
  const int top = r.top;
  const int right = r.right - 1;
  const int bottom = r.bottom - 1;
  Frame3DPolylines lines;
  if (right <= left || bottom <= top) {
    lines.bottomRight = {{left, top}, {right, bottom}};
    return lines;
  }
  const int c = std::clamp(cut / 2, 0, std::min(right - left, bottom - top) / 2);
  lines.topLeft = {{left + c, bottom}, {left, bottom - c}, {left, top + c}, {left + c, top}, {right - c, top}};
  // The last point lies one pixel past the cut because a line leaves out its end pixel.
  lines.bottomRight = {
      {right - c, top}, {right, top + c}, {right, bottom - c}, {right - c, bottom}, {left + c - 1, bottom}};
  return lines;
}

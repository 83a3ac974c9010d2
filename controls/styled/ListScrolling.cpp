#include "controls/styled/ListScrolling.h"

#include <algorithm>

#include "runtime/Geometry.h"

int ClampTopItem(int top, int count, int rows) { return std::clamp(top, 0, std::max(count - rows, 0)); }

int TopItemShowing(int index, int top, int count, int rows) {
  if (index < top) top = index;
  if (index >= top + rows) top = index - rows + 1;
  return ClampTopItem(top, count, rows);
}

int ItemAtHeight(int y, int rowHeight, int top, int count, int rows) {
  if (y < 0 || rowHeight <= 0) return -1;
  const int row = y / rowHeight;
  if (row >= rows || top + row >= count) return -1;
  return top + row;
}

ScrollThumb ThumbFor(int trackHeight, int count, int rows, int top) {
  if (count <= rows || trackHeight <= 0) return {0, std::max(trackHeight, 0)};
  const int height = std::min(std::max(MulDivRounded(trackHeight, rows, count), MinimumThumbHeight), trackHeight);
  const int travel = trackHeight - height;
  return {MulDivRounded(travel, ClampTopItem(top, count, rows), count - rows), height};
}

int TopItemForThumb(int thumbTop, int trackHeight, int count, int rows) {
  const int travel = trackHeight - ThumbFor(trackHeight, count, rows, 0).height;
  if (travel <= 0) return 0;
  return ClampTopItem(MulDivRounded(std::clamp(thumbTop, 0, travel), count - rows, travel), count, rows);
}

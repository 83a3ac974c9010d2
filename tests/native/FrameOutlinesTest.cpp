#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "GeometryPrinting.h"
#include "runtime/FrameOutlines.h"

using Points = std::vector<Point>;

TEST(FocusDotPixels, AlternateClockwiseFromTheTopLeftAcrossCorners) {
  // A 5 x 4 ring has 14 pixels; the alternation runs on round the corners.
  EXPECT_EQ(FocusDotPixels({0, 0, 5, 4}), (Points{{0, 0}, {2, 0}, {4, 0}, {4, 2}, {3, 3}, {1, 3}, {0, 2}}));
  EXPECT_TRUE(FocusDotPixels({5, 5, 5, 9}).empty());
}

TEST(FocusDotPixels, NeverRepeatAPixelOfASingleRowOrColumn) {
  for (const Rect& r : {Rect{0, 0, 1, 1}, Rect{0, 0, 6, 1}, Rect{0, 0, 1, 6}}) {
    std::set<std::pair<int, int>> seen;
    for (Point p : FocusDotPixels(r)) {
      EXPECT_TRUE(r.Contains(p));
      EXPECT_TRUE(seen.insert({p.x, p.y}).second) << "repeated " << p.x << "," << p.y;
    }
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(r.Width() * r.Height() + 1) / 2);
  }
}

TEST(Frame3DLines, TraceTheFrameWithCornersCutByHalfTheCut) {
  const Frame3DPolylines uncut = Frame3DLines({0, 0, 10, 8}, 0);
  EXPECT_EQ(uncut.topLeft, (Points{{0, 7}, {0, 7}, {0, 0}, {0, 0}, {9, 0}}));
  EXPECT_EQ(uncut.bottomRight, (Points{{9, 0}, {9, 0}, {9, 7}, {9, 7}, {-1, 7}}));
  const Frame3DPolylines cut = Frame3DLines({10, 20, 20, 28}, 5);
  EXPECT_EQ(cut.topLeft, (Points{{12, 27}, {10, 25}, {10, 22}, {12, 20}, {17, 20}}));
  EXPECT_EQ(cut.bottomRight, (Points{{17, 20}, {19, 22}, {19, 25}, {17, 27}, {11, 27}}));
  // A cut larger than the frame stops where the lines would cross.
  EXPECT_EQ(Frame3DLines({0, 0, 5, 20}, 100).topLeft, (Points{{2, 19}, {0, 17}, {0, 2}, {2, 0}, {2, 0}}));
}

TEST(Frame3DLines, DrawOneDiagonalLineForARectangleOnePixelThin) {
  const Frame3DPolylines column = Frame3DLines({3, 3, 4, 10}, 2);
  EXPECT_TRUE(column.topLeft.empty());
  EXPECT_EQ(column.bottomRight, (Points{{3, 3}, {3, 9}}));
  EXPECT_EQ(Frame3DLines({0, 0, 8, 2}, 0).topLeft.size(), 5u);  // two rows still make a frame
}

#include <gtest/gtest.h>

#include <vector>

#include "GeometryPrinting.h"
#include "runtime/Alignment.h"

namespace {
AlignedChild Child(TAlign align, int width, int height) { return {align, {0, 0, width, height}}; }

// Lays out `children` in `parent` and gives back their bounds, in creation order.
std::vector<Rect> Aligned(const AlignBox& parent, std::vector<AlignedChild> children) {
  AlignChildren(parent, children);
  std::vector<Rect> bounds;
  for (const AlignedChild& c : children)
    bounds.push_back({c.bounds.left, c.bounds.top, c.bounds.left + c.bounds.width, c.bounds.top + c.bounds.height});
  return bounds;
}
}  // namespace

TEST(Alignment, BottomPanelCreatedLastStillShortensTheSidePanels) {
  // The configuration dialog: banner, right and client panels, then the bottom panel.
  EXPECT_EQ(Aligned({0, 0, 702, 439}, {Child(TAlign::alTop, 702, 42), Child(TAlign::alRight, 368, 238),
                                       Child(TAlign::alClient, 334, 238), Child(TAlign::alBottom, 702, 159)}),
            (std::vector<Rect>{{0, 0, 702, 42}, {334, 42, 702, 280}, {0, 42, 334, 280}, {0, 280, 702, 439}}));
}

TEST(Alignment, ClientControlCreatedFirstFillsWhatTheEdgesLeave) {
  // The snooze window: the clock first, then the top and bottom panels.
  EXPECT_EQ(Aligned({0, 0, 365, 296}, {Child(TAlign::alClient, 365, 190), Child(TAlign::alTop, 365, 41),
                                       Child(TAlign::alBottom, 365, 65)}),
            (std::vector<Rect>{{0, 41, 365, 231}, {0, 0, 365, 41}, {0, 231, 365, 296}}));
}

TEST(Alignment, SameKindStacksInCreationOrderAndUnalignedStaysPut) {
  EXPECT_EQ(Aligned({0, 0, 100, 100}, {Child(TAlign::alTop, 1, 10),
                                       {TAlign::alNone, {5, 6, 7, 8}},
                                       Child(TAlign::alTop, 1, 20),
                                       Child(TAlign::alLeft, 30, 1)}),
            (std::vector<Rect>{{0, 0, 100, 10}, {5, 6, 12, 14}, {0, 10, 100, 30}, {0, 30, 30, 100}}));
}

TEST(Alignment, EdgesLargerThanTheParentLeaveTheClientEmptyNotNegative) {
  const Rect client = Aligned({0, 0, 50, 100}, {Child(TAlign::alTop, 1, 80), Child(TAlign::alBottom, 1, 80),
                                                Child(TAlign::alClient, 1, 1)})[2];
  EXPECT_EQ(client.Height(), 0);
  EXPECT_EQ(client.Width(), 50);
}

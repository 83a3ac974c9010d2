#include <gtest/gtest.h>

#include "runtime/Alignment.h"

namespace {
AlignedChild Child(TAlign align, int width, int height) { return {align, {0, 0, width, height}}; }
void ExpectBox(const AlignBox& b, int left, int top, int width, int height) {
  EXPECT_EQ(b.left, left);
  EXPECT_EQ(b.top, top);
  EXPECT_EQ(b.width, width);
  EXPECT_EQ(b.height, height);
}
}  // namespace

TEST(Alignment, BottomPanelCreatedLastStillShortensTheSidePanels) {
  // The configuration dialog: banner, right and client panels, then the bottom panel.
  std::vector<AlignedChild> c = {Child(TAlign::alTop, 702, 42), Child(TAlign::alRight, 368, 238),
                                 Child(TAlign::alClient, 334, 238), Child(TAlign::alBottom, 702, 159)};
  AlignChildren({0, 0, 702, 439}, c);
  ExpectBox(c[0].bounds, 0, 0, 702, 42);
  ExpectBox(c[1].bounds, 334, 42, 368, 238);
  ExpectBox(c[2].bounds, 0, 42, 334, 238);
  ExpectBox(c[3].bounds, 0, 280, 702, 159);
}

TEST(Alignment, ClientControlCreatedFirstFillsWhatTheEdgesLeave) {
  // The snooze window: the clock first, then the top and bottom panels.
  std::vector<AlignedChild> c = {Child(TAlign::alClient, 365, 190), Child(TAlign::alTop, 365, 41),
                                 Child(TAlign::alBottom, 365, 65)};
  AlignChildren({0, 0, 365, 296}, c);
  ExpectBox(c[0].bounds, 0, 41, 365, 190);
  ExpectBox(c[1].bounds, 0, 0, 365, 41);
  ExpectBox(c[2].bounds, 0, 231, 365, 65);
}

TEST(Alignment, SameKindStacksInCreationOrderAndUnalignedStaysPut) {
  std::vector<AlignedChild> c = {Child(TAlign::alTop, 1, 10), {TAlign::alNone, {5, 6, 7, 8}},
                                 Child(TAlign::alTop, 1, 20), Child(TAlign::alLeft, 30, 1)};
  AlignChildren({0, 0, 100, 100}, c);
  ExpectBox(c[0].bounds, 0, 0, 100, 10);
  ExpectBox(c[1].bounds, 5, 6, 7, 8);
  ExpectBox(c[2].bounds, 0, 10, 100, 20);
  ExpectBox(c[3].bounds, 0, 30, 30, 70);
}

TEST(Alignment, EdgesLargerThanTheParentLeaveTheClientEmptyNotNegative) {
  std::vector<AlignedChild> c = {Child(TAlign::alTop, 1, 80), Child(TAlign::alBottom, 1, 80),
                                 Child(TAlign::alClient, 1, 1)};
  AlignChildren({0, 0, 50, 100}, c);
  EXPECT_EQ(c[2].bounds.height, 0);
  EXPECT_EQ(c[2].bounds.width, 50);
}

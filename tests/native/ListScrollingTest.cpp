// Scrolling the address box's drop-down list: the rows in view and the thumb.
#include <gtest/gtest.h>

#include "controls/styled/ListScrolling.h"

TEST(ListScrolling, TheTopItemNeverLeavesTheLastPageEmpty) {
  EXPECT_EQ(ClampTopItem(5, 10, 8), 2);
  EXPECT_EQ(ClampTopItem(-3, 10, 8), 0);
  EXPECT_EQ(ClampTopItem(4, 3, 8), 0);
}

TEST(ListScrolling, BringingAnItemIntoViewScrollsAsLittleAsPossible) {
  EXPECT_EQ(TopItemShowing(9, 0, 15, 8), 2);
  EXPECT_EQ(TopItemShowing(3, 2, 15, 8), 2);
  EXPECT_EQ(TopItemShowing(1, 5, 15, 8), 1);
  EXPECT_EQ(TopItemShowing(14, 0, 15, 8), 7);
}

TEST(ListScrolling, RowsMapToItemsOnlyWhereThereAreItems) {
  EXPECT_EQ(ItemAtHeight(0, 15, 3, 15, 8), 3);
  EXPECT_EQ(ItemAtHeight(44, 15, 3, 15, 8), 5);
  EXPECT_EQ(ItemAtHeight(120, 15, 3, 15, 8), -1);  // below the eighth row
  EXPECT_EQ(ItemAtHeight(20, 15, 0, 1, 1), -1);    // past the only item
  EXPECT_EQ(ItemAtHeight(-1, 15, 0, 9, 8), -1);
}

TEST(ListScrolling, TheThumbStandsForTheRowsInViewAndRunsTheWholeTrack) {
  EXPECT_EQ(ThumbFor(120, 15, 8, 0).height, 64);
  EXPECT_EQ(ThumbFor(120, 15, 8, 0).top, 0);
  EXPECT_EQ(ThumbFor(120, 15, 8, 7).top, 56);  // the last page puts it at the bottom
  EXPECT_EQ(ThumbFor(120, 5, 8, 0).height, 120);
  EXPECT_EQ(ThumbFor(40, 10000, 8, 0).height, MinimumThumbHeight);
}

TEST(ListScrolling, DraggingTheThumbScrollsInProportionAndStopsAtTheEnds) {
  EXPECT_EQ(TopItemForThumb(0, 120, 15, 8), 0);
  EXPECT_EQ(TopItemForThumb(28, 120, 15, 8), 4);  // half way down the travel
  EXPECT_EQ(TopItemForThumb(56, 120, 15, 8), 7);
  EXPECT_EQ(TopItemForThumb(500, 120, 15, 8), 7);
  EXPECT_EQ(TopItemForThumb(-20, 120, 15, 8), 0);
  EXPECT_EQ(TopItemForThumb(30, 120, 5, 8), 0);
}

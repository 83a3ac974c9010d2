#pragma once
// The arithmetic of a drop-down list that shows `rows` of `count` items from the
// item at `top`, with a scroll bar whose thumb stands for the rows in view.

// The first item shown, kept so that the list never scrolls past its last page.
int ClampTopItem(int top, int count, int rows);
// The first item to show so that `index` is in view, scrolling as little as possible.
int TopItemShowing(int index, int top, int count, int rows);
// The item in the list at a height within it, or -1 outside the rows.
int ItemAtHeight(int y, int rowHeight, int top, int count, int rows);

struct ScrollThumb {
  int top = 0;
  int height = 0;
};

constexpr int MinimumThumbHeight = 8;

// The thumb in a track `trackHeight` pixels high; it fills the track when every item
// is in view.
ScrollThumb ThumbFor(int trackHeight, int count, int rows, int top);
// The first item to show when the thumb is dragged so that its top lies at `thumbTop`.
int TopItemForThumb(int thumbTop, int trackHeight, int count, int rows);

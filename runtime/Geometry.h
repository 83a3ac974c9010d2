#pragma once
// Plain points and rectangles for layout and drawing arithmetic that runs without the
// platform; the Windows layer converts them to POINT and RECT where it calls GDI.

struct Point {
  int x = 0;
  int y = 0;
};

inline bool operator==(Point a, Point b) { return a.x == b.x && a.y == b.y; }
inline bool operator!=(Point a, Point b) { return !(a == b); }
inline Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
inline Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }

struct Size {
  int width = 0;
  int height = 0;
};

inline bool operator==(Size a, Size b) { return a.width == b.width && a.height == b.height; }

// Right and bottom are exclusive, as in the platform's rectangles.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool IsEmpty() const { return right <= left || bottom <= top; }
  bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  // Moves each edge inward by the given amounts (outward for negative ones).
  Rect Inset(int byLeft, int byTop, int byRight, int byBottom) const {
    return {left + byLeft, top + byTop, right - byRight, bottom - byBottom};
  }
  // The part that lies inside `bounds` too (empty when none does).
  Rect ClippedTo(const Rect& bounds) const {
    return {left > bounds.left ? left : bounds.left, top > bounds.top ? top : bounds.top,
            right < bounds.right ? right : bounds.right, bottom < bounds.bottom ? bottom : bounds.bottom};
  }
};

inline bool operator==(const Rect& a, const Rect& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline bool operator!=(const Rect& a, const Rect& b) { return !(a == b); }

// number * numerator / denominator over a 64-bit product, rounded half away from zero
// like the platform's MulDiv, and like it -1 for a zero denominator or a result that
// does not fit in 32 bits. (Named apart so that it never clashes with the platform's.)
int MulDivRounded(int number, int numerator, int denominator);

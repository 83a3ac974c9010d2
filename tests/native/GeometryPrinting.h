#pragma once
// Readable failure messages for the plain geometry types.
#include <ostream>

#include "runtime/Geometry.h"

inline void PrintTo(Point p, std::ostream* out) { *out << "(" << p.x << ", " << p.y << ")"; }
inline void PrintTo(Size s, std::ostream* out) { *out << s.width << " x " << s.height; }
inline void PrintTo(const Rect& r, std::ostream* out) {
  *out << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

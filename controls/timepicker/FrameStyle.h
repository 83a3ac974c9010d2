#pragma once
// The bordered panel's two-layer frame: how thick each style is, how the frame and the
// band between its layers shrink the client rectangle, and the flat styles' colour.
#include <vector>

#include "runtime/ColorMath.h"
#include "runtime/Geometry.h"

enum TFrameStyleEx {
  fsNone,
  fsFlat,
  fsGroove,
  fsBump,
  fsLowered,
  fsButtonDown,
  fsRaised,
  fsButtonUp,
  fsStatus,
  fsPopup,
  fsFlatBold,
  fsFlatRounded
};

// The sides on which the frame is drawn.
struct TSides {
  bool left = true;
  bool top = true;
  bool right = true;
  bool bottom = true;
};

inline bool operator==(const TSides& a, const TSides& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline bool operator!=(const TSides& a, const TSides& b) { return !(a == b); }

constexpr TSides NoBorderSides{false, false, false, false};

struct PanelBorder {
  TFrameStyleEx outer = fsRaised;
  TFrameStyleEx inner = fsNone;
  TSides sides;
  int borderWidth = 0;  // band between the two frames
  int bevelWidth = 1;   // thickness of fsStatus and fsPopup
};

// Pixels the style takes from each side it is drawn on.
int FrameThickness(TFrameStyleEx style, int bevelWidth);

// The client area shrunk by the band width on every side, then by both frames on the
// listed sides.
Rect PanelClientRect(const Rect& client, const PanelBorder& border);

// The flat colour with its lightness lowered (negative adjustment) or raised.
TColor AdjustedFlatColor(TColor flatColor, int adjustment, const SystemColorResolver& system);

// One pixel-wide ring of a frame: its left and top sides in one colour, its right and
// bottom sides in the other.
struct FrameLine {
  TColor topLeft;
  TColor bottomRight;
  bool cutCorners = false;  // the outer ring of the rounded style leaves its corners out
};

// The colours a frame takes from the panel rather than from the scheme.
struct FrameColors {
  TColor flat;       // the adjusted flat colour
  TColor highlight;  // light side of fsStatus and fsPopup
  TColor shadow;     // dark side of fsStatus and fsPopup
};

// A style's rings from the outside in, one for each pixel of its thickness.
std::vector<FrameLine> FrameLines(TFrameStyleEx style, int bevelWidth, const FrameColors& colors);

#pragma once
// The bordered panel's two-layer frame: how thick each style is, how the frame and the
// band between its layers shrink the client rectangle, and the flat styles' colour.
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
struct BorderSides {
  bool left = true;
  bool top = true;
  bool right = true;
  bool bottom = true;
};

constexpr BorderSides NoBorderSides{false, false, false, false};

struct PanelBorder {
  TFrameStyleEx outer = fsRaised;
  TFrameStyleEx inner = fsNone;
  BorderSides sides;
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

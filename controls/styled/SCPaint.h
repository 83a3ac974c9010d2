#pragma once
// The painting routines all styled controls share: shifted colours, gradient fills,
// the dotted focus frame and the one-pixel 3-D frame, over a canvas.
#include <windows.h>

#include "runtime/Canvas.h"
#include "runtime/Gradient.h"
#include "runtime/NonCopyable.h"

// Each channel of the resolved colour moved by the magnitude of its amount, up (raise)
// or down, clamped to 0..255, then mapped to the screen's nearest colour.
TColor ShiftColor(TColor color, int red, int green, int blue, bool raise);
// X+n and X-n: every channel raised or lowered by n.
inline TColor Raised(TColor color, int amount) { return ShiftColor(color, amount, amount, amount, true); }
inline TColor Lowered(TColor color, int amount) { return ShiftColor(color, amount, amount, amount, false); }

// The span's rectangle filled from its start colour to its end colour with the
// platform's gradient call, or band by band where that call fails. The far edge may
// fall one step short of the end colour, as that call interpolates. Nothing is drawn
// for scgNone or an empty rectangle, and nothing outside the rectangle.
void FillGradient(TCanvas& canvas, const GradientSpan& span);
// The band-by-band fill on its own.
void FillGradientBanded(TCanvas& canvas, const GradientSpan& span);

// Every other pixel of the rectangle's outermost ring, each made the inverse of what
// is there OR the colour (so white under a white colour turns black).
void DrawFocusDots(TCanvas& canvas, const Rect& r, TColor color);

// A one-pixel frame, top-left and bottom-right sides in their colours (a side in
// clNone is left out unless `force`), corners cut by cut div 2; `r` then shrinks by
// one pixel on every side. The pen is left as it was.
void Frame3D(TCanvas& canvas, Rect& r, TColor topLeft, TColor bottomRight, int penWidth = 1, int cut = 0,
             bool force = false);

// Limits drawing on a device context to a rectangle (in logical coordinates) until the
// scope ends.
class ClipScope : NonCopyable {
 public:
  ClipScope(HDC dc, const Rect& r);
  ~ClipScope();

 private:
  HDC dc_;
  GdiObject saved_;  // the clip region before; none when there was none
};

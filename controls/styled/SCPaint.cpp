#include "controls/styled/SCPaint.h"

#include "runtime/FrameOutlines.h"
#include "runtime/ScopedHandles.h"
#include "runtime/SystemLibrary.h"

TColor ShiftColor(TColor color, int red, int green, int blue, bool raise) {
  const TColor shifted = ShiftedChannels(color, red, green, blue, raise, ScreenColors());
  const ScopedScreenDc screen;
  if (!screen.Get()) return shifted;
  const COLORREF nearest = GetNearestColor(screen.Get(), shifted);
  return nearest == CLR_INVALID ? shifted : nearest;
}

namespace {
COLOR16 Channel16(int channel) { return static_cast<COLOR16>(channel << 8); }

TRIVERTEX Vertex(int x, int y, TColor rgb) {
  return {x, y, Channel16(RedOf(rgb)), Channel16(GreenOf(rgb)), Channel16(BlueOf(rgb)), 0};
}
}  // namespace

void FillGradient(TCanvas& canvas, const GradientSpan& span) {
  const std::optional<GradientVertices> ends = GradientEnds(span, ScreenColors());
  if (!ends) return;
  const Rect& r = span.rect;
  // The platform's call would give a single row the far vertex's colour, not the start
  // colour; the bands make that, and an even colour, one solid fill.
  if ((ends->horizontal ? r.Width() : r.Height()) == 1 || ends->topLeft == ends->bottomRight)
    return FillGradientBanded(canvas, span);
  TRIVERTEX vertices[2] = {Vertex(r.left, r.top, ends->topLeft), Vertex(r.right, r.bottom, ends->bottomRight)};
  GRADIENT_RECT mesh = {0, 1};
  const auto gradientFill = SystemFunction<decltype(GradientFill)>("msimg32.dll", "GradientFill");
  if (!gradientFill || !gradientFill(canvas.Handle(), vertices, 2, &mesh, 1,
                                     ends->horizontal ? GRADIENT_FILL_RECT_H : GRADIENT_FILL_RECT_V))
    FillGradientBanded(canvas, span);
}

void FillGradientBanded(TCanvas& canvas, const GradientSpan& span) {
  const TColor savedBrush = canvas.Brush.Color();
  for (const GradientBand& band : GradientBands(span, ScreenColors())) {
    canvas.Brush.SetColor(band.color);
    canvas.FillRect(band.rect);
  }
  canvas.Brush.SetColor(savedBrush);
}

void DrawFocusDots(TCanvas& canvas, const Rect& r, TColor color) {
  canvas.Pen.SetMode(TPenMode::pmNotMerge);
  for (const Point& dot : FocusDotPixels(r)) canvas.SetPixel(dot.x, dot.y, color);
  canvas.Pen.SetMode(TPenMode::pmCopy);
}

void Frame3D(TCanvas& canvas, Rect& r, TColor topLeft, TColor bottomRight, int penWidth, int cut, bool force) {
  const TColor savedColor = canvas.Pen.Color();
  const int savedWidth = canvas.Pen.Width();
  const int savedStyle = canvas.Pen.Style();
  canvas.Pen.SetStyle(PS_SOLID);
  canvas.Pen.SetWidth(penWidth);
  const Frame3DPolylines lines = Frame3DLines(r, cut);
  if (!lines.topLeft.empty() && (topLeft != clNone || force)) {
    canvas.Pen.SetColor(topLeft);
    canvas.Polyline(lines.topLeft);
  }
  if (bottomRight != clNone || force) {
    canvas.Pen.SetColor(bottomRight);
    canvas.Polyline(lines.bottomRight);
  }
  canvas.Pen.SetColor(savedColor);
  canvas.Pen.SetWidth(savedWidth);
  canvas.Pen.SetStyle(savedStyle);
  r = r.Inset(1, 1, 1, 1);
}

ClipScope::ClipScope(HDC dc, const Rect& r) : dc_(dc), saved_(CreateRectRgn(0, 0, 0, 0)) {
  // Only the clip region is saved and put back: restoring the whole context would
  // reselect pens and brushes the canvas may have deleted meanwhile.
  if (saved_ && GetClipRgn(dc, static_cast<HRGN>(saved_.Get())) != 1) saved_.Reset();
  IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
}

ClipScope::~ClipScope() { SelectClipRgn(dc_, static_cast<HRGN>(saved_.Get())); }

#include "controls/timepicker/RzCustomPanel.h"

#include <algorithm>

namespace {
// One ring of pixels on the listed sides; the rectangle then shrinks on those sides.
void DrawRing(TCanvas& canvas, Rect& r, const TSides& sides, const FrameLine& line) {
  const int cut = line.cutCorners ? 1 : 0;
  canvas.Brush.SetColor(line.topLeft);
  if (sides.left) canvas.FillRect({r.left, r.top + cut, r.left + 1, r.bottom - cut});
  if (sides.top) canvas.FillRect({r.left + cut, r.top, r.right - cut, r.top + 1});
  canvas.Brush.SetColor(line.bottomRight);
  if (sides.right) canvas.FillRect({r.right - 1, r.top + cut, r.right, r.bottom - cut});
  if (sides.bottom) canvas.FillRect({r.left + cut, r.bottom - 1, r.right - cut, r.bottom});
  r = r.Inset(sides.left, sides.top, sides.right, sides.bottom);
}
}  // namespace

TRzCustomPanel::TRzCustomPanel(TComponent* owner) : TWinControl(owner) {}

void TRzCustomPanel::Paint(TCanvas& canvas) {
  // The interior first: what a rounded frame leaves out shows the panel's colour.
  canvas.Brush.SetColor(Color());
  canvas.FillRect(ClientRect());
  const FrameColors colors{AdjustedFlatColor(flatColor_, flatColorAdjustment_, ScreenColors()), clBtnHighlight,
                           clBtnShadow};
  Rect r = ClientRect();
  for (const FrameLine& line : FrameLines(border_.outer, border_.bevelWidth, colors))
    DrawRing(canvas, r, border_.sides, line);
  for (int band = 0; band < border_.borderWidth; ++band)
    DrawRing(canvas, r, border_.sides, {borderColor_, borderColor_});
  for (const FrameLine& line : FrameLines(border_.inner, border_.bevelWidth, colors))
    DrawRing(canvas, r, border_.sides, line);
}

void TRzCustomPanel::FrameGeometryChanged() {
  AlignControls();
  Invalidate();
}

void TRzCustomPanel::SetBorderOuter(TFrameStyleEx style) {
  if (style == border_.outer) return;
  border_.outer = style;
  FrameGeometryChanged();
}

void TRzCustomPanel::SetBorderInner(TFrameStyleEx style) {
  if (style == border_.inner) return;
  border_.inner = style;
  FrameGeometryChanged();
}

void TRzCustomPanel::SetBorderSides(const TSides& sides) {
  if (sides == border_.sides) return;
  border_.sides = sides;
  FrameGeometryChanged();
}

// The band changes the client rectangle as well, so it re-aligns too.
void TRzCustomPanel::SetBorderWidth(int width) {
  width = std::max(width, 0);  // a negative band would grow the content past the frame
  if (width == border_.borderWidth) return;
  border_.borderWidth = width;
  FrameGeometryChanged();
}

void TRzCustomPanel::SetBorderColor(TColor color) { SetProperty(borderColor_, color); }
void TRzCustomPanel::SetFlatColor(TColor color) { SetProperty(flatColor_, color); }
void TRzCustomPanel::SetFlatColorAdjustment(int adjustment) { SetProperty(flatColorAdjustment_, adjustment); }

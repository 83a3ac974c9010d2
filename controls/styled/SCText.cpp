#include "controls/styled/SCText.h"

#include "controls/styled/SCPaint.h"
#include "runtime/ScopedHandles.h"

namespace {

constexpr int AutoSizeMargin = 2;

UINT HorizontalFlags(TAlignment alignment) {
  if (alignment == taRightJustify) return DT_RIGHT;
  if (alignment == taCenter) return DT_CENTER;
  return DT_LEFT;
}

UINT LineFlags(const TextPlacement& placement) {
  return DT_EXPANDTABS | HorizontalFlags(placement.alignment) | placement.extraFlags |
         (placement.wordWrap ? DT_WORDBREAK | DT_EDITCONTROL : DT_SINGLELINE);
}

}  // namespace

Rect MeasureText(TCanvas& canvas, const std::string& text, const Rect& bounds, const TextPlacement& placement) {
  Rect block = bounds;
  canvas.DrawText(text.empty() ? " " : text, block, LineFlags(placement) | DT_CALCRECT);
  const int height = block.Height();
  int top = bounds.top;
  if (placement.layout == sclaBottom) top = bounds.bottom - height;
  if (placement.layout == sclaMiddle) top = bounds.top + (bounds.Height() - height) / 2;
  int left = bounds.left;
  if (placement.alignment == taRightJustify) left = bounds.right - block.Width();
  if (placement.alignment == taCenter) left = bounds.left + (bounds.Width() - block.Width()) / 2;
  return {left, top, left + block.Width(), top + height};
}

namespace {

void DrawPlaced(TCanvas& canvas, const std::string& text, const Rect& bounds, const TextPlacement& placement) {
  Rect target = bounds;
  UINT flags = LineFlags(placement);
  if (placement.wordWrap) {
    // DrawText places only single lines vertically: wrapped text is measured and moved.
    const Rect block = MeasureText(canvas, text, bounds, placement);
    target.top = block.top;
    target.bottom = block.bottom;
  } else if (placement.layout == sclaMiddle) {
    flags |= DT_VCENTER;
  } else if (placement.layout == sclaBottom) {
    flags |= DT_BOTTOM;
  }
  ClipScope clip(canvas.Handle(), bounds);
  canvas.DrawText(text, target, flags | DT_NOCLIP);
}

}  // namespace

void DrawCaption(TCanvas& canvas, const std::string& text, const Rect& bounds, const TextPlacement& placement,
                 bool enabled) {
  const TBrushStyle savedStyle = canvas.Brush.Style();
  canvas.Brush.SetStyle(TBrushStyle::bsClear);
  if (enabled) {
    DrawPlaced(canvas, text, bounds, placement);
  } else {
    const TColor fontColor = canvas.Font.Color();
    canvas.Font.SetColor(clBtnHighlight);
    DrawPlaced(canvas, text, bounds.Inset(1, 1, -1, -1), placement);
    canvas.Font.SetColor(clBtnShadow);
    DrawPlaced(canvas, text, bounds, placement);
    canvas.Font.SetColor(fontColor);
  }
  canvas.Brush.SetStyle(savedStyle);
}

int LineHeight(TFont& font) {
  const ScopedScreenDc screen;
  if (!screen.Get()) return 0;
  const ScopedSelectedObject selected(screen.Get(), font.Handle());
  TEXTMETRICA metrics = {};
  return GetTextMetricsA(screen.Get(), &metrics) ? metrics.tmHeight : 0;
}

int AutoSizeHeight(TFont& font) {
  const int line = LineHeight(font);
  return line > 0 ? line + 2 * AutoSizeMargin : 0;
}

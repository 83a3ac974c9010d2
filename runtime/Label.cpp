#include "runtime/Label.h"

#include "runtime/ParentBackground.h"

TLabel::TLabel(TComponent* owner) : TWinControl(owner) { SetParentColor(true); }

void TLabel::SetTransparent(bool transparent) { SetProperty(transparent_, transparent); }

void TLabel::Paint(TCanvas& canvas) {
  if (transparent_) {
    PaintParentBackground(*this, canvas);
  } else {
    TWinControl::Paint(canvas);
  }
  Rect r = ClientRect();
  canvas.Brush.SetStyle(TBrushStyle::bsClear);
  canvas.DrawText(Caption(), r, DT_LEFT | DT_TOP | DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : DT_SINGLELINE));
}

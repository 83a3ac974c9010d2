#pragma once
// A windowed panel with a two-layer frame (outer and inner style, a band of
// BorderWidth pixels between them) on a chosen set of sides, and an interior in Color.
// The frame narrows the client rectangle that aligned children and subclasses lay
// themselves out in.
#include "controls/timepicker/FrameStyle.h"
#include "runtime/WinControl.h"

class TRzCustomPanel : public TWinControl {
 public:
  explicit TRzCustomPanel(TComponent* owner);

  TFrameStyleEx BorderOuter() const { return border_.outer; }
  void SetBorderOuter(TFrameStyleEx style);
  TFrameStyleEx BorderInner() const { return border_.inner; }
  void SetBorderInner(TFrameStyleEx style);
  TSides BorderSides() const { return border_.sides; }
  void SetBorderSides(const TSides& sides);
  int BorderWidth() const { return border_.borderWidth; }
  void SetBorderWidth(int width);
  TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(TColor color);
  TColor FlatColor() const { return flatColor_; }
  void SetFlatColor(TColor color);
  int FlatColorAdjustment() const { return flatColorAdjustment_; }
  void SetFlatColorAdjustment(int adjustment);

  // The client area less the frame and the band: where the content goes.
  Rect FramedClientRect() const { return PanelClientRect(ClientRect(), border_); }

 protected:
  // The frame, then the interior in Color.
  void Paint(TCanvas& canvas) override;
  Rect AlignRect() override { return FramedClientRect(); }

 private:
  // The client rectangle changes: children are placed again before the repaint.
  void FrameGeometryChanged();

  PanelBorder border_;
  TColor borderColor_ = clBtnFace;
  TColor flatColor_ = clBtnShadow;
  int flatColorAdjustment_ = 30;
};

#pragma once
// A windowed text label that can hot-track: under the mouse its text turns to the
// hot-track colour and is underlined, and a click fires OnClick. With Hottrack off it
// is a plain line of text, usually transparent over a gradient. A hot-tracking label
// that is a tab stop is a link: Space and Enter follow it too.
#include "controls/styled/SCCustomControl.h"
#include "controls/styled/SCText.h"
#include "runtime/Gradient.h"

class TSCLabel : public TSCCustomControl {
 public:
  explicit TSCLabel(TComponent* owner);

  bool Hottrack() const { return hottrack_; }
  void SetHottrack(bool hottrack) { SetProperty(hottrack_, hottrack); }
  TColor HottrackColor() const { return hottrackColor_; }
  void SetHottrackColor(TColor color) { SetProperty(hottrackColor_, color); }
  TColor HighlightColor() const { return highlightColor_; }
  void SetHighlightColor(TColor color) { SetProperty(highlightColor_, color); }
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment) { SetProperty(alignment_, alignment); }
  TSCLayout Layout() const { return layout_; }
  void SetLayout(TSCLayout layout) { SetProperty(layout_, layout); }
  bool Multiline() const { return multiline_; }
  void SetMultiline(bool multiline) { SetProperty(multiline_, multiline); }
  bool ShowFocus() const { return showFocus_; }
  void SetShowFocus(bool show) { SetProperty(showFocus_, show); }

  // The label's own background gradient; note the end and mid defaults are the
  // reverse of the panel's.
  TSCGradient Gradient() const { return gradient_.direction; }
  void SetGradient(TSCGradient gradient) { SetProperty(gradient_.direction, gradient); }
  TColor GradientEnd() const { return gradient_.end; }
  void SetGradientEnd(TColor color) { SetProperty(gradient_.end, color); }
  TColor GradientMid() const { return gradient_.mid; }
  void SetGradientMid(TColor color) { SetProperty(gradient_.mid, color); }
  bool GradientUsesMid() const { return gradient_.usesMid; }
  void SetGradientUsesMid(bool usesMid) { SetProperty(gradient_.usesMid, usesMid); }

 protected:
  void Paint(TCanvas& canvas) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyDown(WORD& key, TShiftState shift) override;
  UINT DialogCode(WORD key) override { return key == VK_RETURN && hottrack_ ? DLGC_WANTMESSAGE : 0; }
  void Describe(AccessibleFacts& facts) override;

 private:
  TextPlacement Placement() const;

  bool hottrack_ = true;
  TColor hottrackColor_ = 0x0000FF;
  TColor highlightColor_ = 0x800080;
  TAlignment alignment_ = taLeftJustify;
  TSCLayout layout_ = sclaMiddle;
  bool multiline_ = false;
  bool showFocus_ = true;
  PanelGradient gradient_{scgNone, clWhite, clBlue, clNavy, false};
};

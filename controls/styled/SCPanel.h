#pragma once
// The container of both windows: a background of one colour or a two- or three-colour
// gradient, and a caption over it. A click fires OnClick.
#include "controls/styled/SCCustomControl.h"
#include "controls/styled/SCText.h"
#include "runtime/Gradient.h"

class TSCPanel : public TSCCustomControl {
 public:
  explicit TSCPanel(TComponent* owner);

  TSCGradient Gradient() const { return gradient_.direction; }
  void SetGradient(TSCGradient gradient);
  TColor GradientEnd() const { return gradient_.end; }
  void SetGradientEnd(TColor color);
  TColor GradientMid() const { return gradient_.mid; }
  void SetGradientMid(TColor color);
  bool GradientUsesMid() const { return gradient_.usesMid; }
  void SetGradientUsesMid(bool usesMid);

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);
  TSCLayout Layout() const { return layout_; }
  void SetLayout(TSCLayout layout);
  bool Multiline() const { return multiline_; }
  void SetMultiline(bool multiline);

 protected:
  void Paint(TCanvas& canvas) override;

 private:
  PanelGradient gradient_{scgNone, clWhite, clNavy, clBlue, false};
  TAlignment alignment_ = taLeftJustify;
  TSCLayout layout_ = sclaMiddle;
  bool multiline_ = false;
};

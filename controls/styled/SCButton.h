#pragma once
// The push button of both windows in the XP look: rounded, vertically shaded, with an
// orange ring under the mouse, a blue one when focused, and the shading flipped while
// pressed. Clicked by the mouse, the space bar, Enter or its caption's accelerator.
#include "controls/styled/SCCustomControl.h"
#include "runtime/Gradient.h"

// Every style draws as scbsXP, the only one the windows use.
enum TSCButtonStyle { scbsWin2k, scbsXP };
enum TSCButtonGradient { scbgLeftToRight, scbgTopToBottom };

class TSCButton : public TSCCustomControl {
 public:
  explicit TSCButton(TComponent* owner);

  TSCButtonStyle Style() const { return style_; }
  void SetStyle(TSCButtonStyle style) { SetProperty(style_, style); }
  TSCButtonGradient Gradient() const { return gradient_; }
  void SetGradient(TSCButtonGradient gradient) { SetProperty(gradient_, gradient); }
  TColor HottrackColor() const { return hottrackColor_; }
  void SetHottrackColor(TColor color) { SetProperty(hottrackColor_, color); }
  TColor HighlightColor() const { return highlightColor_; }
  void SetHighlightColor(TColor color) { SetProperty(highlightColor_, color); }
  // The four outermost corner pixels; while RoundWithParentColor holds, the parent's colour.
  TColor RoundColor() const;
  void SetRoundColor(TColor color);
  bool RoundWithParentColor() const { return roundWithParentColor_; }
  bool ShowFocus() const { return showFocus_; }
  void SetShowFocus(bool show) { SetProperty(showFocus_, show); }
  bool Multiline() const { return multiline_; }
  void SetMultiline(bool multiline) { SetProperty(multiline_, multiline); }
  bool EndEllipsis() const { return endEllipsis_; }
  void SetEndEllipsis(bool endEllipsis) { SetProperty(endEllipsis_, endEllipsis); }
  // The answer a click gives the form the button lies on.
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }

 protected:
  void Paint(TCanvas& canvas) override;
  void Click() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseInControlChanged() override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyUp(WORD key) override;
  bool DialogChar(char key) override;
  UINT DialogCode(WORD key) override { return key == VK_RETURN ? DLGC_WANTMESSAGE : 0; }
  void Describe(AccessibleFacts& facts) override;

 private:
  void PaintFrameAndFace(TCanvas& canvas, bool pressed);
  void PaintCaption(TCanvas& canvas, bool pressed);
  TSCGradient ShadingDirection() const;

  TSCButtonStyle style_ = scbsWin2k;
  TSCButtonGradient gradient_ = scbgTopToBottom;
  TColor hottrackColor_ = 0x00ACFF;
  TColor highlightColor_ = 0xFCA070;
  TColor roundColor_ = clBtnFace;
  bool roundWithParentColor_ = true;
  bool showFocus_ = true;
  bool multiline_ = false;
  bool endEllipsis_ = true;
  int modalResult_ = 0;
};

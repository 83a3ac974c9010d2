#pragma once
// The check box of the configuration dialog in the XP look. A mouse click toggles it
// and reports the change (OnChange, then OnClick); the space bar, the accelerator and
// the program change it silently.
#include "controls/styled/CheckState.h"
#include "controls/styled/CheckboxGeometry.h"
#include "controls/styled/SCCustomControl.h"
#include "controls/styled/SCText.h"
#include "runtime/Gradient.h"

// Every style draws as sccsXP, the only one the dialog uses.
enum TSCCheckboxStyle { sccsWin2k, sccsXP };

class TSCCheckbox : public TSCCustomControl {
 public:
  explicit TSCCheckbox(TComponent* owner);

  TSCCheckState State() const { return value_.State(); }
  void SetState(TSCCheckState state);
  bool Checked() const { return value_.Checked(); }
  void SetChecked(bool checked);
  bool AllowGrayed() const { return value_.AllowGrayed(); }
  void SetAllowGrayed(bool allowGrayed);
  void Toggle() { SetState(NextCheckState(State(), AllowGrayed())); }

  TSCCheckboxStyle Style() const { return style_; }
  void SetStyle(TSCCheckboxStyle style) { SetProperty(style_, style); }
  // taRightJustify: box at the left, caption after it; taLeftJustify: the reverse.
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment) { SetProperty(alignment_, alignment); }
  TSCCheckboxLayout Layout() const { return layout_; }
  void SetLayout(TSCCheckboxLayout layout) { SetProperty(layout_, layout); }

  TColor HottrackColor() const { return hottrackColor_; }
  void SetHottrackColor(TColor color) { SetProperty(hottrackColor_, color); }
  TColor HighlightColor() const { return highlightColor_; }
  void SetHighlightColor(TColor color) { SetProperty(highlightColor_, color); }

  bool ShowFocus() const { return showFocus_; }
  void SetShowFocus(bool show) { SetProperty(showFocus_, show); }
  bool EndEllipsis() const { return endEllipsis_; }
  void SetEndEllipsis(bool endEllipsis) { SetProperty(endEllipsis_, endEllipsis); }
  bool Multiline() const { return multiline_; }
  void SetMultiline(bool multiline) { SetProperty(multiline_, multiline); }
  TSCGradient Gradient() const { return gradient_; }
  void SetGradient(TSCGradient gradient) { SetProperty(gradient_, gradient); }
  TColor GradientEnd() const { return gradientEnd_; }
  void SetGradientEnd(TColor color) { SetProperty(gradientEnd_, color); }

 protected:
  // Answers the platform's check query, so that tools reading a dialog see the state.
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Paint(TCanvas& canvas) override;
  void Click() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyUp(WORD key) override;
  bool DialogChar(char key) override;
  void Describe(AccessibleFacts& facts) override;

 private:
  void StateChanged();
  void PaintBox(TCanvas& canvas, const Rect& box);
  void PaintCaption(TCanvas& canvas, const Rect& room);
  TColor BoxFill() const;

  CheckValue value_;
  TSCCheckboxStyle style_ = sccsWin2k;
  TAlignment alignment_ = taRightJustify;
  TSCCheckboxLayout layout_ = scclMiddle;
  TColor hottrackColor_ = 0x00ACFF;
  TColor highlightColor_ = 0xFCA070;
  bool showFocus_ = true;
  bool endEllipsis_ = true;
  bool multiline_ = false;
  TSCGradient gradient_ = scgNone;
  TColor gradientEnd_ = clBlue;
  bool toggledByMouse_ = false;
};

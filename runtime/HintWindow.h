#pragma once
// A borderless tooltip-like popup showing a few lines of text in the scheme's hint
// colours. It never takes the focus or the mouse, so the control under the pointer
// keeps receiving its moves while the hint is up.
#include <string>

#include "runtime/WinControl.h"

class THintWindow : public TWinControl {
 public:
  THintWindow();

  // The screen rectangle the text needs at (0, 0), lines wrapped at maxWidth pixels.
  Rect CalcHintRect(int maxWidth, const std::string& text);
  // Shows the text in a rectangle in screen coordinates, above other windows, without
  // activating anything.
  void ActivateHint(const Rect& screenRect, const std::string& text);
  void ReleaseHint() { SetVisible(false); }
  bool Showing() const { return HandleAllocated() && Visible(); }

 protected:
  void CreateParams(TCreateParams& params) override;
  void Paint(TCanvas& canvas) override;
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

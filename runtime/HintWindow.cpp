#include "runtime/HintWindow.h"

#include "runtime/OffscreenBitmap.h"

namespace {
constexpr UINT TextFormat = DT_LEFT | DT_WORDBREAK | DT_NOPREFIX;
constexpr int Border = 1;
constexpr int PaddingX = 2;  // between the border and the text
constexpr int PaddingY = 1;
constexpr TColor clInfoText = SystemColorReference(COLOR_INFOTEXT);
constexpr TColor clWindowFrame = SystemColorReference(COLOR_WINDOWFRAME);
}  // namespace

THintWindow::THintWindow() : TWinControl(nullptr) {
  SetVisible(false);
  SetColor(clInfoBk);
  Font().SetColor(clInfoText);
}

void THintWindow::CreateParams(TCreateParams& params) {
  params.style = WS_POPUP;
  params.exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
  params.parent = nullptr;
}

Rect THintWindow::CalcHintRect(int maxWidth, const std::string& text) {
  const int frame = Border + PaddingX;
  OffscreenBitmap measure({1, 1});  // compatible with the screen, like the hint itself
  measure.Canvas().Font = Font();
  Rect textRect{0, 0, maxWidth - 2 * frame, 0};
  measure.Canvas().DrawText(text, textRect, TextFormat | DT_CALCRECT);
  return {0, 0, textRect.Width() + 2 * frame, textRect.Height() + 2 * (Border + PaddingY)};
}

void THintWindow::ActivateHint(const Rect& screenRect, const std::string& text) {
  SetCaption(text);
  SetBounds(screenRect.left, screenRect.top, screenRect.Width(), screenRect.Height());
  SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetVisible(true);
  Invalidate();
}

void THintWindow::Paint(TCanvas& canvas) {
  canvas.Pen.SetColor(clWindowFrame);
  canvas.Brush.SetColor(Color());
  canvas.Rectangle(ClientRect());
  Rect textRect = ClientRect().Inset(Border + PaddingX, Border + PaddingY, Border + PaddingX, Border + PaddingY);
  canvas.Brush.SetStyle(TBrushStyle::bsClear);
  canvas.DrawText(Caption(), textRect, TextFormat);
}

LRESULT THintWindow::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCHITTEST:
      return HTTRANSPARENT;  // the pointer belongs to the window below
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    default:
      return TWinControl::WndProc(message, wParam, lParam);
  }
}

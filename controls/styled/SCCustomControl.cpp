#include "controls/styled/SCCustomControl.h"

#include "controls/styled/SCText.h"
#include "runtime/ParentBackground.h"

TSCCustomControl::TSCCustomControl(TComponent* owner) : TWinControl(owner) {
  // Hot tracking repaints often; painting off screen first keeps it from flickering.
  SetDoubleBuffered(true);
}

void TSCCustomControl::SetTransparent(bool transparent) { SetProperty(transparent_, transparent); }

void TSCCustomControl::SetAutoSize(bool autoSize) {
  autoSize_ = autoSize;
  if (autoSize_) SetBounds(Left(), Top(), Width(), Height());
}

void TSCCustomControl::ConstrainSize(int& width, int& height) {
  (void)width;
  if (!autoSize_) return;
  if (const int fitted = AutoSizeHeight(Font())) height = fitted;
}

void TSCCustomControl::FontChanged() {
  TWinControl::FontChanged();
  if (autoSize_) SetBounds(Left(), Top(), Width(), Height());
}

void TSCCustomControl::Paint(TCanvas& canvas) { PaintBackground(canvas, Color()); }

void TSCCustomControl::PaintBackground(TCanvas& canvas, TColor color) {
  canvas.Brush.SetStyle(TBrushStyle::bsSolid);
  canvas.Brush.SetColor(color);
  canvas.FillRect(ClientRect());
  if (transparent_) PaintParentBackground(canvas);
}

void TSCCustomControl::PaintParentBackground(TCanvas& canvas) { ::PaintParentBackground(*this, canvas); }

void TSCCustomControl::Change() {
  if (changeNesting_ > 0) return;
  struct Nesting {
    int& depth;
    ~Nesting() { --depth; }
  } nesting{++changeNesting_};
  if (OnChange) OnChange(this);
}

void TSCCustomControl::StopTracking() {
  tracking_.PressAbandoned();
  Invalidate();
}

void TSCCustomControl::StartKeyPress(WORD key) {
  if (key == VK_SPACE && !tracking_.Flags().mouseHeld && tracking_.KeyPressed()) Invalidate();
}

bool TSCCustomControl::EndKeyPress(WORD key) {
  if ((key != VK_SPACE && key != VK_ESCAPE) || !tracking_.KeyReleased()) return false;
  Invalidate();
  return true;
}

bool TSCCustomControl::PointerOver() {
  POINT cursor;
  return HandleAllocated() && GetCursorPos(&cursor) && WindowFromPoint(cursor) == Handle();
}

void TSCCustomControl::Announce(HotChange change) {
  if (change == HotChange::None) return;
  MouseInControlChanged();
  const TNotifyEvent& event = change == HotChange::Entered ? OnMouseEnter : OnMouseLeave;
  if (event) event(this);
}

void TSCCustomControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TWinControl::MouseDown(button, shift, x, y);
  if (button == TMouseButton::mbLeft && CanFocus() && !Focused()) SetFocus();
}

void TSCCustomControl::MouseMove(TShiftState shift, int x, int y) {
  Announce(tracking_.PointerAt(ClientRect().Contains({x, y}), Enabled()));
  TWinControl::MouseMove(shift, x, y);
}

void TSCCustomControl::MouseLeave() { Announce(tracking_.PointerLeft()); }

void TSCCustomControl::DoEnter() {
  tracking_.FocusReceived();
  StopTracking();
  TWinControl::DoEnter();
}

void TSCCustomControl::DoExit() {
  const HotChange change = tracking_.FocusLost(PointerOver(), Enabled());
  StopTracking();
  Announce(change);
  TWinControl::DoExit();
}

void TSCCustomControl::EnabledChanged() {
  tracking_.EnabledChanged(Enabled(), PointerOver());
  StopTracking();
}

// Another window taking the mouse ends a press; our own release does not.
void TSCCustomControl::CaptureLost(HWND newOwner) {
  if (newOwner) StopTracking();
}

LRESULT TSCCustomControl::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_KEYUP:
      KeyUp(static_cast<WORD>(wParam));
      return 0;
    case WM_CANCELMODE:
      StopTracking();
      break;
    case WM_SYSCOLORCHANGE:
      Invalidate();
      break;
    default:
      break;
  }
  return TWinControl::WndProc(message, wParam, lParam);
}

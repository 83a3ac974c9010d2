#pragma once
// The base of every owner-drawn styled control: hot tracking, the focus and press
// state, transparency over the parent, and the change notification.
#include "controls/styled/ControlTracking.h"
#include "runtime/WinControl.h"

class TSCCustomControl : public TWinControl {
 public:
  explicit TSCCustomControl(TComponent* owner);

  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);

  // The height follows the font: one line and a small margin.
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);

  bool MouseInControl() const { return tracking_.Flags().hot; }

  TNotifyEvent OnChange;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

 protected:
  const TrackingFlags& Tracking() const { return tracking_.Flags(); }
  ControlTracking& TrackingState() { return tracking_; }

  void Paint(TCanvas& canvas) override;
  // The background every styled control starts from: its colour, with the parent's
  // image over it when transparent.
  void PaintBackground(TCanvas& canvas, TColor color);
  // Draws the part of the parent under the control, and the earlier siblings that
  // overlap it, so that the parent's gradient shows through.
  void PaintParentBackground(TCanvas& canvas);

  // After the hot flag changed; the default repaints.
  virtual void MouseInControlChanged() { Invalidate(); }
  // A press must be abandoned (focus change, cancel mode, focus loss, disabling): the
  // default drops the mouse and key presses and repaints.
  virtual void StopTracking();
  virtual void KeyUp(WORD key) { (void)key; }
  // The space bar going down starts a key press, unless the mouse holds one; a repeat
  // is swallowed.
  void StartKeyPress(WORD key);
  // Space or Escape going up ends a key press: true when one was held.
  bool EndKeyPress(WORD key);
  // Runs OnChange, never from inside itself.
  void Change();

  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseLeave() override;
  void DoEnter() override;
  void DoExit() override;
  void EnabledChanged() override;
  void FontChanged() override;
  void ConstrainSize(int& width, int& height) override;
  void CaptureLost(HWND newOwner) override;
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  bool PointerOver();
  void Announce(HotChange change);

  ControlTracking tracking_;
  bool transparent_ = false;
  bool autoSize_ = false;
  int changeNesting_ = 0;
};

// The how-to-use hint: shown below the picker while the pointer is over the face of an
// active window, hidden by a move off the face, by leaving the control, or by the timer
// when the pointer has gone without a move reaching the picker.
#include "controls/timepicker/TimePicker.h"
#include "runtime/HintWindow.h"
#include "runtime/Timer.h"

namespace {
constexpr const char* DefaultHowToUseMsg =
    "Left-click to set Hour\rRight-click to set Minute\r    Ctrl key restricts to 5 minutes";
}  // namespace

void TRzTimePicker::MouseEnter() {
  if (!ShowHowToUseHint || !Enabled()) return;
  POINT cursor;
  if (GetCursorPos(&cursor)) UpdateHint(ScreenToClient({cursor.x, cursor.y}));
}

void TRzTimePicker::MouseLeave() { HideHint(); }

void TRzTimePicker::UpdateHint(Point pointer) {
  // Only over the face, and only while a window of this thread is active.
  if (!Layout().clock.Contains(pointer) || !GetActiveWindow()) {
    HideHint();
    return;
  }
  if (!hint_) hint_ = std::make_unique<THintWindow>();
  const std::string text = HowToUseMsg.empty() ? DefaultHowToUseMsg : HowToUseMsg;
  const Point corner = ClientToScreen({0, Height()});
  if (hint_->Showing() && hint_->Left() == corner.x && hint_->Top() == corner.y) return;
  const Rect size = hint_->CalcHintRect(GetSystemMetrics(SM_CXSCREEN), text);
  hint_->ActivateHint({corner.x, corner.y, corner.x + size.Width(), corner.y + size.Height()}, text);
  hintTimer_->SetEnabled(true);
}

void TRzTimePicker::HideHint() {
  hintTimer_->SetEnabled(false);
  if (hint_) hint_->ReleaseHint();
  Invalidate();
}

void TRzTimePicker::HintTimerTick() {
  // A window hidden under a resting pointer hears of no move, so its visibility counts too.
  POINT cursor;
  if (!GetCursorPos(&cursor) || !IsWindowVisible(Handle()) ||
      !Layout().clock.Contains(ScreenToClient({cursor.x, cursor.y})))
    HideHint();
}

#include "controls/timepicker/TimePicker.h"

#include <algorithm>

#include "controls/timepicker/PickerTime.h"
#include "runtime/Accelerator.h"
#include "runtime/FormatDateTime.h"
#include "runtime/HintWindow.h"
#include "runtime/OffscreenBitmap.h"
#include "runtime/ScopedHandles.h"
#include "runtime/Timer.h"

namespace {
constexpr unsigned HintCheckInterval = 1000;  // ms between checks that the pointer is still on the face
constexpr int MinutesPerHalfDay = 12 * 60;

int HourOf(TTime time) { return MinutesOfDay(time) / 60; }
int MinuteOf(TTime time) { return MinutesOfDay(time) % 60; }
}  // namespace

TRzTimePicker::TRzTimePicker(TComponent* owner) : TRzCustomPanel(owner), hintTimer_(std::make_unique<TTimer>(nullptr)) {
  hintTimer_->SetEnabled(false);
  hintTimer_->SetInterval(HintCheckInterval);
  hintTimer_->OnTimer = [this](TComponent*) { HintTimerTick(); };
  SetColor(clWindow);
  SetBorderOuter(fsLowered);
  SetFlatColorAdjustment(0);
  SetTabStop(true);
  SetDoubleBuffered(true);
  MeasureText();
  SetBounds(Left(), Top(), 160, 190);
}

TRzTimePicker::~TRzTimePicker() = default;

// --- The value -------------------------------------------------------------------

void TRzTimePicker::SetTime(TTime value) {
  if (!TimeSetterActs(time_, value)) return;
  const PickerValue picked = PickerValueFor(value);
  time_ = picked.time;
  pm_ = picked.pm;
  const ScopeGuard repaint([this] { Invalidate(); });  // the new value shows even when the handler fails
  TellScreenReaders(EVENT_OBJECT_VALUECHANGE);
  if (OnChange) OnChange(this);
}

void TRzTimePicker::SetHour(int faceHour) {
  SetTime(EncodeTime(HourOfDayFromFace(faceHour, pm_), MinuteOf(time_), 0, 0));
}

void TRzTimePicker::SetMinute(int minute) { SetTime(EncodeTime(HourOf(time_), minute, 0, 0)); }

void TRzTimePicker::SwitchToAM() {
  if (!pm_) return;
  SetTime(TimeOfMinutes(MinutesOfDay(time_) - MinutesPerHalfDay));
}

void TRzTimePicker::SwitchToPM() {
  if (pm_) return;
  SetTime(TimeOfMinutes(MinutesOfDay(time_) + MinutesPerHalfDay));
}

void TRzTimePicker::StepTime(ClockKeyStep step) {
  SetTime(TimeOfMinutes(SteppedMinutesOfDay(MinutesOfDay(time_), step)));
}

void TRzTimePicker::RaiseSetBtnClick() {
  if (OnSetBtnClick) OnSetBtnClick(this);
}

// --- Properties -------------------------------------------------------------------

void TRzTimePicker::SetFormat(const std::string& format) { SetProperty(format_, format); }

void TRzTimePicker::CaptionChanged(std::string& field, const std::string& caption) {
  if (caption == field) return;
  field = caption;
  MeasureText();
  AdjustSize();
  Invalidate();
}

void TRzTimePicker::SetCaptionAM(const std::string& caption) { CaptionChanged(captionAM_, caption); }
void TRzTimePicker::SetCaptionPM(const std::string& caption) { CaptionChanged(captionPM_, caption); }
void TRzTimePicker::SetCaptionSet(const std::string& caption) { CaptionChanged(captionSet_, caption); }

void TRzTimePicker::SetShowSetButton(bool show) { SetProperty(showSetButton_, show); }

void TRzTimePicker::SetAutoSize(bool autoSize) {
  if (autoSize == autoSize_) return;
  autoSize_ = autoSize;
  AdjustSize();
}

std::string TRzTimePicker::ShownCaptionAM() const { return captionAM_.empty() ? "AM" : captionAM_; }
std::string TRzTimePicker::ShownCaptionPM() const { return captionPM_.empty() ? "PM" : captionPM_; }
std::string TRzTimePicker::ShownCaptionSet() const { return captionSet_.empty() ? "Set" : captionSet_; }

// --- Size and layout ----------------------------------------------------------------

void TRzTimePicker::MeasureText() {
  // A memory context compatible with the screen measures as the screen does.
  OffscreenBitmap screenLike({1, 1});
  TCanvas& canvas = screenLike.Canvas();
  canvas.Font = Font();
  measures_.fontHeight = canvas.TextMetrics().tmHeight;
  measures_.amWidth = canvas.TextWidth(ShownCaptionAM());
  measures_.pmWidth = canvas.TextWidth(ShownCaptionPM());
  measures_.zero = canvas.TextExtent("0");
}

void TRzTimePicker::AdjustSize() {
  // An aligned control gets its size from its parent; otherwise AutoSize fits the content.
  const bool fit = autoSize_ && Align() == TAlign::alNone;
  const Size minimum = PickerMinimumSize(measures_.zero, captionSet_);
  SetBounds(Left(), Top(), fit ? minimum.width : Width(), fit ? minimum.height : Height());
}

void TRzTimePicker::ConstrainSize(int& width, int& height) {
  const Size minimum = PickerMinimumSize(measures_.zero, captionSet_);
  width = std::max(width, minimum.width);
  height = std::max(height, minimum.height);
}

void TRzTimePicker::FontChanged() {
  MeasureText();
  AdjustSize();
  Invalidate();
}

ClockLayout TRzTimePicker::Layout() const {
  return LayoutClock(
      {{Width(), Height()}, FramedClientRect(), measures_.fontHeight, measures_.amWidth, measures_.pmWidth});
}

// --- Mouse -------------------------------------------------------------------------
// A disabled window gets no input from the system; messages sent to it by other code
// are ignored the same way.

void TRzTimePicker::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (!Enabled()) return;
  TRzCustomPanel::MouseDown(button, shift, x, y);
  SetFocus();
  const ClockLayout layout = Layout();
  const Point pointer{x, y};
  if (button == TMouseButton::mbLeft) {
    leftDown_ = true;
    pressed_ = PartAt(layout, pointer);
    if (pressed_ == PickerPart::Face) SetHour(HourFromPoint(layout.centre, pointer));
    Invalidate();
  } else if (button == TMouseButton::mbRight) {
    rightDown_ = true;
    if (layout.clock.Contains(pointer)) {
      pressed_ = PickerPart::Face;
      SetMinute(MinuteFromPoint(layout.centre, pointer, RestrictMinutes || (shift & ssCtrl)));
    }
  }
}

void TRzTimePicker::MouseMove(TShiftState shift, int x, int y) {
  if (!Enabled()) return;
  const Point pointer{x, y};
  if (ShowHowToUseHint) UpdateHint(pointer);
  TRzCustomPanel::MouseMove(shift, x, y);
  if (pressed_ != PickerPart::Face) return;
  const ClockLayout layout = Layout();
  if (!layout.clock.Contains(pointer)) return;  // a drag off the face keeps the value
  if (leftDown_) {
    SetHour(HourFromPoint(layout.centre, pointer));
  } else if (rightDown_) {
    SetMinute(MinuteFromPoint(layout.centre, pointer, RestrictMinutes || (shift & ssCtrl)));
  }
}

void TRzTimePicker::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (!Enabled()) return;
  TRzCustomPanel::MouseUp(button, shift, x, y);
  const ClockLayout layout = Layout();
  const Point pointer{x, y};
  const PickerPart pressed = pressed_;
  const bool left = button == TMouseButton::mbLeft && leftDown_;
  const bool right = button == TMouseButton::mbRight && rightDown_;
  // The press ends whatever the handlers below do.
  EndPress();
  if (left) {
    if (pressed == PickerPart::AM && layout.am.Contains(pointer)) {
      SwitchToAM();
    } else if (pressed == PickerPart::PM && layout.pm.Contains(pointer)) {
      SwitchToPM();
    } else if (pressed == PickerPart::Set && layout.set.Contains(pointer)) {
      RaiseSetBtnClick();
    } else if (pressed == PickerPart::Face && layout.clock.Contains(pointer)) {
      SetHour(HourFromPoint(layout.centre, pointer));
      if (OnSetTime) OnSetTime(this);
    }
  } else if (right && pressed == PickerPart::Face && layout.clock.Contains(pointer)) {
    SetMinute(MinuteFromPoint(layout.centre, pointer, RestrictMinutes || (shift & ssCtrl)));
    if (OnSetTime) OnSetTime(this);
  }
}

void TRzTimePicker::EndPress() {
  leftDown_ = false;
  rightDown_ = false;
  pressed_ = PickerPart::None;
  Invalidate();
}

// Another window taking the mouse abandons the press, so the Set button does not stay
// drawn pressed. (Our own release at the end of a press reports no new window.)
void TRzTimePicker::CaptureLost(HWND newOwner) {
  if (newOwner) EndPress();
}

LRESULT TRzTimePicker::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_THEMECHANGED) themes_.Forget();
  return TRzCustomPanel::WndProc(message, wParam, lParam);
}

// --- Keyboard ----------------------------------------------------------------------

void TRzTimePicker::Describe(AccessibleFacts& facts) {
  TRzCustomPanel::Describe(facts);
  facts.role = AccessibleRole::Clock;
  if (facts.name.empty()) facts.name = "Time";
  facts.value = FormatDateTime(format_.empty() ? PickerDefaultFormat : format_, time_);
}

UINT TRzTimePicker::DialogCode(WORD key) {
  return DLGC_WANTARROWS | (key == VK_RETURN && showSetButton_ ? DLGC_WANTMESSAGE : 0);
}

void TRzTimePicker::KeyDown(WORD& key, TShiftState shift) {
  if (!Enabled()) return;
  TRzCustomPanel::KeyDown(key, shift);
  switch (key) {
    case VK_UP:
      StepTime(ClockKeyStep::MinuteLater);
      break;
    case VK_DOWN:
      StepTime(ClockKeyStep::MinuteEarlier);
      break;
    case VK_PRIOR:
      StepTime(ClockKeyStep::HourLater);
      break;
    case VK_NEXT:
      StepTime(ClockKeyStep::HourEarlier);
      break;
    case VK_RETURN:
      if (showSetButton_) RaiseSetBtnClick();
      break;
    default:
      break;
  }
}

bool TRzTimePicker::DialogChar(char key) {
  if (!Enabled()) return false;
  if (IsAcceleratorOf(key, captionAM_)) {
    SwitchToAM();
  } else if (IsAcceleratorOf(key, captionPM_)) {
    SwitchToPM();
  } else if (IsAcceleratorOf(key, captionSet_)) {
    RaiseSetBtnClick();  // even while the button is hidden
  } else {
    return false;
  }
  return true;
}

// --- Focus, enabling ---------------------------------------------------------------

void TRzTimePicker::DoEnter() {
  Invalidate();  // the face outline shows the focus
  TRzCustomPanel::DoEnter();
}

void TRzTimePicker::DoExit() {
  Invalidate();
  TRzCustomPanel::DoExit();
}

void TRzTimePicker::EnabledChanged() {
  if (!Enabled()) {
    EndPress();
    HideHint();
  }
  TRzCustomPanel::EnabledChanged();
}

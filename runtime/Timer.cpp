#include "runtime/Timer.h"

#include "runtime/ControlClass.h"
#include "runtime/ErrorBox.h"
#include "runtime/Exception.h"
#include "runtime/SystemError.h"

namespace {
constexpr UINT_PTR TimerId = 1;
}

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
  // A message-only window of the timers' own class: it receives WM_TIMER and nothing else.
  const HINSTANCE instance = ControlClassInstance();
  window_ = CreateWindowExW(0, TimerClassName(), L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
  if (!window_) throw Exception("Cannot create a timer: " + LastErrorText());
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  Restart();
}

TTimer::~TTimer() {
  KillTimer(window_, TimerId);
  SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
  DestroyWindow(window_);
}

void TTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Restart();
}

void TTimer::SetInterval(unsigned interval) {
  if (interval == interval_) return;
  interval_ = interval;
  Restart();
}

void TTimer::Restart() {
  KillTimer(window_, TimerId);
  if (enabled_ && interval_ > 0 && !SetTimer(window_, TimerId, interval_, nullptr))
    throw Exception("Cannot start a timer: " + LastErrorText());
}

LRESULT CALLBACK TimerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* timer = reinterpret_cast<TTimer*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message != WM_TIMER || !timer) return DefWindowProcW(window, message, wParam, lParam);
  if (timer->OnTimer) ShowingErrors([timer] { timer->OnTimer(timer); });
  return 0;
}

#include "runtime/WakeTimer.h"

#include "runtime/Exception.h"
#include "runtime/SystemError.h"

WakeTimer::WakeTimer() : timer_(CreateWaitableTimerW(nullptr, FALSE, nullptr)) {
  if (!timer_) throw Exception("Cannot create the alarm's timer: " + LastErrorText());
}

WakeTimer::~WakeTimer() { CloseHandle(timer_); }

bool WakeTimer::SetAt(std::int64_t fileTimeTicks, bool wakeFromSleep) {
  LARGE_INTEGER due;
  due.QuadPart = fileTimeTicks;  // positive: an absolute UTC time
  SetLastError(ERROR_SUCCESS);
  if (SetWaitableTimer(timer_, &due, 0, nullptr, nullptr, wakeFromSleep ? TRUE : FALSE))
    return wakeFromSleep && GetLastError() != ERROR_NOT_SUPPORTED;
  // A system that refuses resume outright still gets a timer for while it is awake.
  if (wakeFromSleep && SetWaitableTimer(timer_, &due, 0, nullptr, nullptr, FALSE)) return false;
  throw Exception("Cannot set the alarm's timer: " + LastErrorText());
}

void WakeTimer::Cancel() { CancelWaitableTimer(timer_); }

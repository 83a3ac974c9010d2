#pragma once
// One waitable timer for an absolute instant, which can wake the PC from sleep. An
// absolute due time is kept across sleep and follows clock changes; a relative one
// would not count the time the PC slept. A wait that sees it signalled resets it.
#include <windows.h>

#include <cstdint>

#include "runtime/NonCopyable.h"

class WakeTimer : NonCopyable {
 public:
  WakeTimer();  // throws when Windows gives no timer
  ~WakeTimer();

  // Signals at the UTC instant given in FILETIME ticks. With `wakeFromSleep` the PC
  // resumes for it where Windows allows; where it refuses, the timer still signals
  // while the PC is awake. Returns whether resume was granted.
  bool SetAt(std::int64_t fileTimeTicks, bool wakeFromSleep);
  void Cancel();
  HANDLE Handle() const { return timer_; }

 private:
  HANDLE timer_;
};

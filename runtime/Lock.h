#pragma once
// A lock and a run-once flag over the primitives Windows XP has: the product's compilers
// use the win32 thread model, whose C++ library has no std::mutex or std::call_once.
#include <windows.h>

#include "runtime/NonCopyable.h"

class Lock : NonCopyable {
 public:
  Lock() { InitializeCriticalSection(&section_); }
  ~Lock() { DeleteCriticalSection(&section_); }

  void Enter() { EnterCriticalSection(&section_); }
  void Leave() { LeaveCriticalSection(&section_); }

 private:
  CRITICAL_SECTION section_;
};

// Holds a lock for its scope.
class LockHolder : NonCopyable {
 public:
  explicit LockHolder(Lock& lock) : lock_(lock) { lock_.Enter(); }
  ~LockHolder() { lock_.Leave(); }

 private:
  Lock& lock_;
};

// Runs an action once for the module's life. Constant-initialised, so it is ready
// before any static constructor runs. A caller that arrives while another runs the action
// waits for its end; an action that throws leaves the flag unset, and a later call retries.
class OnceFlag : NonCopyable {
 public:
  constexpr OnceFlag() = default;

  template <typename Action>
  void Run(Action action) {
    if (!Claim()) return;
    try {
      action();
    } catch (...) {
      Release(false);
      throw;
    }
    Release(true);
  }

 private:
  // True when this caller is to run the action, false when it has run.
  bool Claim();
  void Release(bool done);

  volatile LONG state_ = 0;
};

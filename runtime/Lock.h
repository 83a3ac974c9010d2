#pragma once
// A lock and a run-once flag over the primitives Windows XP has: the product's compilers
// use the win32 thread model, whose C++ library has no std::mutex or std::call_once.
#include <windows.h>

class Lock {
 public:
  Lock() { InitializeCriticalSection(&section_); }
  ~Lock() { DeleteCriticalSection(&section_); }
  Lock(const Lock&) = delete;
  Lock& operator=(const Lock&) = delete;

  void Enter() { EnterCriticalSection(&section_); }
  void Leave() { LeaveCriticalSection(&section_); }

 private:
  CRITICAL_SECTION section_;
};

// Holds a lock for its scope.
class LockHolder {
 public:
  explicit LockHolder(Lock& lock) : lock_(lock) { lock_.Enter(); }
  ~LockHolder() { lock_.Leave(); }
  LockHolder(const LockHolder&) = delete;
  LockHolder& operator=(const LockHolder&) = delete;

 private:
  Lock& lock_;
};

// Runs an action once for the module's life. Constant-initialised, so it is ready
// before any static constructor runs. A caller that arrives while another runs the action
// waits for its end; an action that throws leaves the flag unset, and a later call retries.
class OnceFlag {
 public:
  constexpr OnceFlag() = default;
  OnceFlag(const OnceFlag&) = delete;
  OnceFlag& operator=(const OnceFlag&) = delete;

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

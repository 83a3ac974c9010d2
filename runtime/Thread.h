#pragma once
// A thread that runs a body it owns. Destroying it requests termination and waits for
// the body to end, servicing messages that other threads send to the waiting thread's
// windows meanwhile, so a body blocked in a send to them can finish. Because the body
// and everything it captured belong to this object, nothing the thread uses can be
// destroyed before it has ended.
#include <windows.h>

#include <atomic>
#include <functional>

#include "runtime/NonCopyable.h"
#include "runtime/ScopedHandles.h"

class TThread final : NonCopyable {
 public:
  // The body runs once Start is called; it watches Terminated (or sleeps through
  // SleepUnlessTerminated) to end when asked.
  explicit TThread(std::function<void(TThread& thread)> body);
  ~TThread();

  void Start();
  void Terminate();
  bool Terminated() const { return terminated_.load(); }
  // Requests termination and returns once the thread has ended, or false once
  // `timeoutMs` has passed without that.
  bool TerminateAndWait(DWORD timeoutMs = INFINITE);
  // Sleeps up to `milliseconds`; returns at once when termination is requested.
  void SleepUnlessTerminated(unsigned milliseconds);
  // Set once termination is requested, for waits on more than one thing.
  HANDLE TerminateEvent() const { return terminateEvent_.Get(); }

 private:
  static DWORD WINAPI ThreadEntry(void* self);

  std::function<void(TThread& thread)> body_;
  ScopedHandle terminateEvent_;
  ScopedHandle thread_;
  std::atomic<bool> terminated_{false};
  bool started_ = false;
  HMODULE heldModule_ = nullptr;  // handed to the thread, which frees it as it exits
};

// Waits for `handle` while handling the messages sent to this thread's windows; false
// when `timeoutMs` passed first.
bool WaitServicingSentMessages(HANDLE handle, DWORD timeoutMs = INFINITE);

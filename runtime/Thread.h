#pragma once
// A thread object created suspended. Destroying it requests termination and waits for
// the thread to end, servicing messages that other threads send to the waiting
// thread's windows meanwhile, so a thread blocked in a send to them can finish.
#include <windows.h>

#include <atomic>

class TThread {
 public:
  TThread();  // created suspended; Start runs it
  virtual ~TThread();
  TThread(const TThread&) = delete;
  TThread& operator=(const TThread&) = delete;

  void Start();
  void Terminate();
  bool Terminated() const { return terminated_.load(); }
  // Requests termination and returns once the thread has ended, or false once
  // `timeoutMs` has passed without that.
  bool TerminateAndWait(DWORD timeoutMs = INFINITE);

 protected:
  virtual void Execute() = 0;
  // Sleeps up to `milliseconds`; returns at once when termination is requested.
  void SleepUnlessTerminated(unsigned milliseconds);
  // Set once termination is requested, for waits on more than one thing.
  HANDLE TerminateEvent() const { return terminateEvent_; }

 private:
  static DWORD WINAPI ThreadEntry(void* self);

  HANDLE thread_ = nullptr;
  HANDLE terminateEvent_ = nullptr;
  std::atomic<bool> terminated_{false};
  bool started_ = false;
  HMODULE heldModule_ = nullptr;
};

// Waits for `handle` while handling the messages sent to this thread's windows; false
// when `timeoutMs` passed first.
bool WaitServicingSentMessages(HANDLE handle, DWORD timeoutMs = INFINITE);

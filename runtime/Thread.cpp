#include "runtime/Thread.h"

#include "runtime/Exception.h"
#include "runtime/SystemError.h"

TThread::TThread(std::function<void(TThread& thread)> body)
    : body_(std::move(body)), terminateEvent_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
  if (!terminateEvent_) throw Exception("Cannot create the thread's stop signal: " + LastErrorText());
  thread_ = ScopedHandle(CreateThread(nullptr, 0, &TThread::ThreadEntry, this, CREATE_SUSPENDED, nullptr));
  if (!thread_) throw Exception("Thread creation error: " + LastErrorText());
}

TThread::~TThread() { TerminateAndWait(); }

void TThread::Start() {
  if (started_) return;
  // The thread keeps the module that holds its code loaded until it has ended, so an
  // unload that forgot to stop it cannot pull the code from under it. Without the hold
  // it still runs: the quit callback ends it before any unload.
  ScopedModuleReference held;
  HMODULE module = nullptr;
  if (GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCWSTR>(&TThread::ThreadEntry),
                         &module))
    held = ScopedModuleReference(module);
  heldModule_ = held.Get();
  started_ = true;
  if (ResumeThread(thread_.Get()) == static_cast<DWORD>(-1)) {
    started_ = false;
    heldModule_ = nullptr;
    throw Exception("Cannot start thread: " + LastErrorText());
  }
  held.Release();  // the running thread frees it as it exits
}

void TThread::Terminate() {
  terminated_ = true;
  SetEvent(terminateEvent_.Get());
}

bool TThread::TerminateAndWait(DWORD timeoutMs) {
  Terminate();
  if (!started_) {
    // A thread that never ran still has to run to its end; it finds the request set
    // and skips the body.
    started_ = true;
    ResumeThread(thread_.Get());
  }
  return WaitServicingSentMessages(thread_.Get(), timeoutMs);
}

void TThread::SleepUnlessTerminated(unsigned milliseconds) { WaitForSingleObject(terminateEvent_.Get(), milliseconds); }

DWORD WINAPI TThread::ThreadEntry(void* self) {
  auto* thread = static_cast<TThread*>(self);
  const HMODULE held = thread->heldModule_;
  try {
    if (!thread->Terminated()) thread->body_(*thread);
  } catch (...) {
    // A thread's failure ends the thread, never the process that hosts it.
  }
  if (held) FreeLibraryAndExitThread(held, 0);
  return 0;
}

bool WaitServicingSentMessages(HANDLE handle, DWORD timeoutMs) {
  const DWORD began = GetTickCount();  // the difference survives the counter's wrap
  for (;;) {
    const DWORD waited = GetTickCount() - began;
    const DWORD left = timeoutMs == INFINITE ? INFINITE : waited >= timeoutMs ? 0 : timeoutMs - waited;
    const DWORD woke = MsgWaitForMultipleObjects(1, &handle, FALSE, left, QS_SENDMESSAGE);
    if (woke == WAIT_TIMEOUT) return false;
    if (woke != WAIT_OBJECT_0 + 1) return true;  // ended, or nothing left to wait on
    MSG msg;
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
}

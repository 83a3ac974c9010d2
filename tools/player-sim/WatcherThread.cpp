#include "tools/player-sim/WatcherThread.h"

#include "runtime/ScopedHandles.h"
#include "runtime/SystemError.h"

namespace {
// A thread that does not start or end within this is itself stuck; the owner gives up on it.
constexpr DWORD WatcherStartStopMs = 5000;
}  // namespace

struct WatcherThread::Shared {
  std::function<void(HANDLE stop)> watch;
  ScopedHandle started{CreateEventA(nullptr, TRUE, FALSE, nullptr)};
  ScopedHandle stop{CreateEventA(nullptr, TRUE, FALSE, nullptr)};
  ScopedHandle thread;
};

namespace {
DWORD WINAPI RunWatch(void* parameter) {
  const std::unique_ptr<std::shared_ptr<WatcherThread::Shared>> owned(
      static_cast<std::shared_ptr<WatcherThread::Shared>*>(parameter));
  const std::shared_ptr<WatcherThread::Shared> shared = *owned;
  SetEvent(shared->started.Get());
  try {
    shared->watch(shared->stop.Get());
  } catch (...) {
    // The watch reports its own failures; nothing may leave the thread.
  }
  return 0;
}
}  // namespace

std::string WatcherThread::Start(std::function<void(HANDLE stop)> watch) {
  auto shared = std::make_shared<Shared>();
  shared->watch = std::move(watch);
  if (!shared->started || !shared->stop) return SystemErrorText(GetLastError());
  auto* parameter = new std::shared_ptr<Shared>(shared);
  shared->thread = ScopedHandle(CreateThread(nullptr, 0, RunWatch, parameter, 0, nullptr));
  if (!shared->thread) {
    delete parameter;
    return SystemErrorText(GetLastError());
  }
  shared_ = shared;
  if (WaitForSingleObject(shared->started.Get(), WatcherStartStopMs) != WAIT_OBJECT_0)
    return "the watcher did not start";
  return {};
}

WatcherThread::~WatcherThread() {
  if (!shared_) return;
  SetEvent(shared_->stop.Get());
  WaitForSingleObject(shared_->thread.Get(), WatcherStartStopMs);
}

#pragma once
// A thread that watches beside the simulator's own until it is told to stop. What it
// runs is shared between the two threads, so a watcher still busy when its owner gives
// up waiting for it finds everything in place.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "runtime/NonCopyable.h"

class WatcherThread : NonCopyable {
 public:
  WatcherThread() = default;
  // Signals the stop event and waits a bounded time for the thread to end.
  ~WatcherThread();

  // Runs `watch(stop)` on a thread of its own and returns once that thread runs, so
  // that a call holding the loader lock cannot keep it from starting. Empty when it
  // runs, otherwise why not. `watch` returns once the `stop` event is set.
  std::string Start(std::function<void(HANDLE stop)> watch);

  struct Shared;

 private:
  std::shared_ptr<Shared> shared_;
};

#pragma once
// Guards one call into the plug-in: when the call has not returned within the limit
// (a deadlock in its load or quit, say), a watcher thread logs
// "hang: <call> did not return within <ms> ms" and ends the process with its own exit code.
#include <string>

#include "runtime/NonCopyable.h"
#include "tools/player-sim/WatcherThread.h"

class SimLog;

class CallLimit : NonCopyable {
 public:
  // Returns once the watcher runs, so that a call that holds the loader lock cannot
  // keep the watcher from starting. A limit of 0 watches nothing.
  CallLimit(SimLog& log, const std::string& call, unsigned long limitMs);

 private:
  WatcherThread watcher_;  // ends with the guard, once the call has returned
};

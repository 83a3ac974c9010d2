#pragma once
// Closes every dialog box this process shows, after logging its title and text. The
// plug-in may show an error box while it is being loaded, when no test could click it.
#include "runtime/NonCopyable.h"
#include "tools/player-sim/WatcherThread.h"

class SimLog;

class BoxDismisser : NonCopyable {
 public:
  // Returns once the watcher thread runs (so it is not held up by the loader lock of a
  // load that shows a box). Throws std::runtime_error when it cannot start.
  explicit BoxDismisser(SimLog& log);

 private:
  WatcherThread watcher_;
};

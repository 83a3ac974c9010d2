#pragma once
// The simulator's log: one line per event, local time to the millisecond in front,
// written at once to stdout and, when asked, to a file. Lines from the box watcher,
// the call watchdog and the player's thread never interleave.
#include <cstdio>
#include <memory>
#include <string>

#include "runtime/Lock.h"

class SimLog {
 public:
  // Throws std::runtime_error naming the file when it cannot be created.
  explicit SimLog(const std::string& filePath);

  void Line(const std::string& text);

 private:
  struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };

  Lock lock_;
  std::unique_ptr<std::FILE, FileCloser> file_;
};

#pragma once
// The simulator's log: one line per event, local time to the millisecond in front,
// written at once to stdout and, when asked, to a file. Lines from the box watcher,
// the call watchdog and the player's thread never interleave.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "runtime/Lock.h"

class SimLog {
 public:
  // Throws std::runtime_error naming the file when it cannot be created.
  explicit SimLog(const std::string& filePath);

  void Line(const std::string& text);
  // Whether a line starting with `prefix` (after its time) has been written.
  bool HasLine(const std::string& prefix);

 private:
  struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };

  Lock lock_;
  std::unique_ptr<std::FILE, FileCloser> file_;
  std::vector<std::string> texts_;  // what the run and the user's script wait for
};

#pragma once
// Guards one call into the plug-in: when the call has not returned within the limit
// (a deadlock in its load or quit, say), a watcher thread logs
// "hang: <call> did not return within <ms> ms" and ends the process with its own exit code.
#include <memory>
#include <string>

class SimLog;

class CallLimit {
 public:
  // Returns once the watcher runs, so that a call that holds the loader lock cannot
  // keep the watcher from starting. A limit of 0 watches nothing.
  CallLimit(SimLog& log, const std::string& call, unsigned long limitMs);
  // The call returned: the watcher ends.
  ~CallLimit();
  CallLimit(const CallLimit&) = delete;
  CallLimit& operator=(const CallLimit&) = delete;

  struct Watch;

 private:
  std::shared_ptr<Watch> watch_;
};

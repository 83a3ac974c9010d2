#pragma once
// The missed-alarm window on a thread of its own, so that the worker goes on planning
// while it waits for "OK". Misses told while it is up join its lines. The player's quit
// closes it at once.
#include <windows.h>

#include <memory>
#include <string>

#include "runtime/Lock.h"

class TThread;

class MissedNotice {
 public:
  MissedNotice();
  ~MissedNotice();

  // One more missed ring, as MissedRingText words it; `asleep`: the PC slept through it.
  void Add(const std::string& line, bool asleep);

 private:
  void Run();
  // The lines not yet answered, and how many characters of them the window shows.
  std::string TakeLines(bool& asleep);

  Lock lock_;
  std::string lines_;  // every line not yet acknowledged with "OK"
  bool asleep_ = false;
  std::size_t shown_ = 0;  // of lines_, the characters the window shows
  bool up_ = false;        // from the first line until "OK"
  bool closing_ = false;   // the player quits
  HWND window_ = nullptr;
  std::unique_ptr<TThread> thread_;
};

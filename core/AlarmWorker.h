#pragma once
// The alarm worker: a thread that polls once a second and wakes the player. Everything
// it uses comes through its constructor; what it refers to must outlive it.
#include <functional>

#include "core/SettingsRecord.h"
#include "player/PlayerCommands.h"
#include "runtime/Thread.h"

class SnoozeTarget;

class TMyThread {
 public:
  // Starts the worker. `settings` gives a consistent copy of the record on any thread;
  // the snooze window shown after a wake-up changes `snoozeTarget`.
  TMyThread(PlayerCommands& player, std::function<SettingsRecord()> settings, SnoozeTarget& snoozeTarget);
  // Requests the end and waits for it, handling the messages sent to this thread.
  ~TMyThread() = default;

 private:
  TThread thread_;
};

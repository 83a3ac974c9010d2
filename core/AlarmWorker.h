#pragma once
// The alarm worker: a thread that watches the schedule and wakes the player. Everything
// it uses comes through its constructor; what it refers to must outlive it.
#include <string>

#include "core/SettingsRecord.h"
#include "player/PlayerCommands.h"
#include "runtime/Thread.h"

class SnoozeTarget;

// The alarm's record as the worker reads and writes it, from its own thread.
class AlarmRecord {
 public:
  virtual ~AlarmRecord() = default;
  // A consistent copy: a pass never sees a half-written record.
  virtual SettingsRecord Settings() const = 0;
  // Keeps the ring just begun in the record and the registry.
  virtual void RecordRing(const std::string& lastRung) = 0;
};

class TMyThread {
 public:
  // Starts the worker; the snooze window shown after a ring changes `snoozeTarget`.
  TMyThread(PlayerCommands& player, AlarmRecord& record, SnoozeTarget& snoozeTarget);
  // Destroying the worker requests the end and waits for it, handling the messages
  // sent to this thread meanwhile.

 private:
  TThread thread_;
};

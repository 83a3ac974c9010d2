#pragma once
// The alarm worker: a thread that waits on a timer for the next ring, wakes the PC for it
// where allowed, and wakes the player. Everything it uses comes through its constructor;
// what it refers to must outlive it.
#include <windows.h>

#include <optional>
#include <string>

#include "alarm/SettingsRecord.h"
#include "player/PlayerCommands.h"
#include "runtime/Lock.h"
#include "runtime/Thread.h"

#include "alarm/NextRing.h"

class RingAnswers;

// The alarm's record as the worker reads and writes it, from its own thread.
class AlarmRecord {
 public:
  virtual ~AlarmRecord() = default;
  // A consistent copy: a pass never sees a half-written record.
  virtual SettingsRecord Settings() const = 0;
  // Since when these settings have been watched (see AlarmHost::WatchedSince).
  virtual UtcMs WatchedSince(const SettingsRecord& settings, UtcMs now) = 0;
  // Keeps the ring begun at `now` in the record and the registry.
  virtual void RecordRing(const RingSlot& slot, UtcMs now) = 0;
  virtual void DropSnooze() = 0;
  // Set whenever the record changes, so that the worker plans its next ring again.
  virtual HANDLE ChangedEvent() const = 0;
};

class AlarmWorker {
 public:
  // Starts the worker; the answers to a ring's snooze window go to `answers`.
  AlarmWorker(PlayerCommands& player, PlayerProbe& probe, AlarmRecord& record, RingAnswers& answers);

  // Any thread: the worker rings with `settings` as soon as its wait ends, which the
  // record's change event brings about.
  void RequestTrialRing(const SettingsRecord& settings);
  // Requests the end and waits for it, handling the messages sent to this thread
  // meanwhile; false when `timeoutMs` passed first (the worker then still runs).
  bool Stop(DWORD timeoutMs) { return thread_.TerminateAndWait(timeoutMs); }

 private:
  std::optional<SettingsRecord> TakeTrialRing();

  Lock trialLock_;
  std::optional<SettingsRecord> trialRequest_;
  TThread thread_;  // last: destroyed first, so it ends before what it uses
};

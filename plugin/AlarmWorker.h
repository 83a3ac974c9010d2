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

#include "alarm/AlarmList.h"
#include "alarm/MissedRing.h"

class RingAnswers;

// The alarms as the worker reads and writes them, from its own thread (see AlarmHost).
class AlarmRecord {
 public:
  virtual ~AlarmRecord() = default;
  virtual AlarmList Alarms() const = 0;
  virtual UtcMs WatchedSince(int number, const SettingsRecord& settings, UtcMs now) = 0;
  virtual void RecordRing(int number, const RingSlot& slot, UtcMs now) = 0;
  virtual void DropSnooze(int number) = 0;
  virtual void RecordPlan(int number, std::optional<UtcMs> ring) = 0;
  virtual void ReportMissed(int number, UtcMs planned, MissReason reason) = 0;
  // Whether Windows refused to wake the PC for the timer last set with waking asked.
  virtual void NoteWakeRefused(bool refused) = 0;
  // Set whenever an alarm changes, so that the worker plans its next ring again.
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

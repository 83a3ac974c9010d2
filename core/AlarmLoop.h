#pragma once
// The alarm worker's loop, free of threads and windows so that it runs against a fake
// player and a fake clock as well as against the real ones.
#include <string>

#include "core/SettingsRecord.h"
#include "dialogs/SnoozeTime.h"
#include "player/PlayerCommands.h"
#include "runtime/DayTime.h"

constexpr unsigned PollPauseMs = 1000;
constexpr unsigned PostWakePauseMs = 62000;  // longer than a minute: one wake-up per matching minute
constexpr std::uint8_t WakeUpVolume = 255;
constexpr const char* AlarmComparisonFormat = "hh:nn AM/PM";

// The worker's clock: the local time and the pauses. Pauses end early once the worker
// is asked to stop, so the player's shutdown never waits them out.
class WorkerClock {
 public:
  virtual ~WorkerClock() = default;
  virtual TTime Now() = 0;
  virtual void Pause(unsigned milliseconds) = 0;
};

// What the loop needs from the thread and the data module it serves.
class AlarmHost {
 public:
  virtual ~AlarmHost() = default;
  virtual bool Terminated() const = 0;
  // A copy taken under the data module's lock: a pass never sees a half-written record.
  virtual SettingsRecord Settings() = 0;
  // Runs the snooze window modally and returns its answer.
  virtual int ShowSnoozeWindow() = 0;
};

// Equal "hh:nn AM/PM" texts, i.e. the same hour (0 to 23) and minute. A wake-up time
// without a time of day (NaN, infinite, huge) matches no minute.
bool AlarmMinuteMatches(TTime now, TTime wakeUp);

class AlarmLoop {
 public:
  AlarmLoop(PlayerCommands& player, WorkerClock& clock, AlarmHost& host)
      : player_(player), clock_(clock), host_(host) {}

  // Passes until the termination request, each followed by the poll pause.
  void Run();
  // One pass: wakes the player when armed and the minute has come.
  void Pass();

 private:
  void WakeUp(const SettingsRecord& settings);

  PlayerCommands& player_;
  WorkerClock& clock_;
  AlarmHost& host_;
};

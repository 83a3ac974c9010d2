#pragma once
// The alarm worker's loop, free of threads and windows so that it runs against a fake
// player, clock and zone as well as against the real ones. It plans the next ring from
// the settings, waits for it, rings when it is due, records the ring and plans again.
// A ring hands its snooze window, fade and fallback to the ring's own steps and goes
// back to planning: nothing a ring waits for holds up the next one.
#include <optional>
#include <string>

#include "alarm/AlarmList.h"
#include "alarm/MissedRing.h"
#include "player/PlayerCommands.h"

constexpr unsigned PollPauseMs = 1000;
constexpr unsigned PostWakePauseMs = 62000;  // the player gets a minute before the watch resumes
constexpr std::uint8_t WakeUpVolume = 255;
constexpr int TrialRing = 0;  // the alarm number of a ring tried out by hand

// Why a wait ended.
enum class WaitEnd {
  InstantCame,  // the planned instant has come
  SafetyPoll,   // a periodic look, in case a change went unnoticed
  Replan,       // the settings, the clock or the zone changed, or the PC resumed
  Stop          // the worker is asked to end
};

// The worker's clock: UTC now and the waits. Waits end early once the worker is asked
// to stop, so the player's shutdown never waits them out.
class WorkerClock {
 public:
  virtual ~WorkerClock() = default;
  virtual UtcMs Now() = 0;
  // The PC's running time, sleep counted, unmoved by clock changes.
  virtual std::int64_t TickMs() { return Now(); }
  // Waits until `instant` (waking the PC for it when asked), or with none planned until
  // a re-plan, a safety poll or stop.
  virtual WaitEnd WaitUntil(std::optional<UtcMs> instant, bool wakeFromSleep) = 0;
  virtual void Pause(unsigned milliseconds) = 0;
};

// What the loop needs from the thread and the alarms it serves.
class AlarmHost {
 public:
  virtual ~AlarmHost() = default;
  virtual bool Terminated() const = 0;
  // A copy taken under the alarm clock's lock: a pass never sees a half-written alarm.
  virtual AlarmList Alarms() = 0;
  // Since when the worker has watched alarm `number`'s `settings`
  // (ScheduleWatch::Observe), kept where the windows that name its next ring see it too.
  virtual UtcMs WatchedSince(int number, const SettingsRecord& settings, UtcMs now) = 0;
  // The ring of alarm `number`'s `slot` has begun at `now`: keep it in the record and the
  // registry (see RecordRingIn); a one-off alarm switches itself off.
  virtual void RecordRing(int number, const RingSlot& slot, UtcMs now) = 0;
  // Alarm `number`'s snooze is past its catch-up time: forget it.
  virtual void DropSnooze(int number) = 0;
  // Alarm `number` rings next at `ring`, or not at all: kept until it rings (VelPlannedRing).
  virtual void RecordPlan(int /*number*/, std::optional<UtcMs> /*ring*/) {}
  // Alarm `number`'s ring planned for `planned` passed beyond its catch-up time unrung.
  virtual void ReportMissed(int /*number*/, UtcMs /*planned*/, MissReason /*reason*/) {}
  // The settings of a trial ring asked for since the last look, once.
  virtual std::optional<SettingsRecord> TakeTrialRing() { return std::nullopt; }
};

// What a ring does beside the player's commands: the fade-in, the check that the player
// really plays, and the snooze window. With a fade set the loop leaves every volume to
// these steps. They must not wait for the user.
class RingSteps {
 public:
  virtual ~RingSteps() = default;
  virtual void BeforePlay(const SettingsRecord&) {}
  // `foundPlaying`: a no-restart ring found the player playing and left it alone.
  // `alarmNumber`: the alarm that rang, or TrialRing for a ring asked for by hand, whose
  // answers change nothing of any alarm.
  virtual void AfterPlay(const SettingsRecord&, bool /*foundPlaying*/, int /*alarmNumber*/) {}
};

// The wake-up's player commands, also for a ring tried out by hand: full volume when
// asked (unless a fade sets the volumes), then the address or the current song.
// Returns whether a no-restart wake-up found the player playing and left it alone.
bool SendWakeUpCommands(PlayerCommands& player, const SettingsRecord& settings);

class AlarmLoop {
 public:
  AlarmLoop(PlayerCommands& player, WorkerClock& clock, const TimeZoneRules& zone, AlarmHost& host,
            RingSteps& steps = NoSteps)
      : player_(player), clock_(clock), zone_(zone), host_(host), steps_(steps) {}

  // Steps until the termination request.
  void Run();
  // Rings when a trial or a ring is due, otherwise waits for the next one; says how it
  // ended (InstantCame after a ring). A trial changes nothing of the schedule.
  WaitEnd Step();

 private:
  static RingSteps NoSteps;

  // The ring itself, of alarm `alarmNumber` or a trial; the post-ring pause only after an alarm's.
  void Sound(const SettingsRecord& settings, int alarmNumber);
  // Tells of `alarm`'s planned ring when it passed unrung (`next`: its next ring now), and
  // keeps the new plan.
  void CheckPlan(const NumberedAlarm& alarm, const std::optional<RingSlot>& next, UtcMs now);

  PlayerCommands& player_;
  WorkerClock& clock_;
  const TimeZoneRules& zone_;
  AlarmHost& host_;
  RingSteps& steps_;
  struct Look {
    UtcMs now;
    std::int64_t tick;
  };
  std::optional<Look> started_, lastLook_;  // the first pass's and the one before this
  Look thisLook_{};
};

#pragma once
// The sleep timer: music that fades out and stops by itself after a chosen length or at
// the end of the track. A plain plan over a millisecond clock and what the player says,
// so that the player's thread only carries out its steps.
#include <cstdint>
#include <optional>
#include <string>

#include "alarm/WakeReadiness.h"

constexpr int SleepAtTrackEnd = -1;  // a choice: the end of the track that plays
constexpr int SleepOff = 0;

// What the player says at a look.
struct TrackView {
  bool playing = false;
  std::int64_t positionMs = 0;
  int lengthSeconds = 0;  // 0 or less: not known (a stream)
};

// What to do at a look, in this order: set the volume, press Stop, set the volume again.
struct SleepStep {
  std::optional<int> volume;
  bool stop = false;
  std::optional<int> restoredVolume;
  bool ranOut = false;  // the timer has run out (not cancelled): the sleep action may follow
};

class SleepPlan {
 public:
  // A new choice: `minutes` from `nowMs`, or SleepAtTrackEnd. A running fade is given up
  // first: the volume it lowered is what Start returns to be set back.
  std::optional<int> Start(int minutes, std::int64_t nowMs, int fadeSeconds);
  // Off, a ring or quit: the plan ends; the volume to set back when a fade lowered it.
  std::optional<int> Cancel();

  bool Running() const { return choice_ != SleepOff; }
  int Choice() const { return choice_; }
  bool Fading() const { return fadeFrom_.has_value(); }
  // Whether a look at `nowMs` needs the player's answers: the end of a track is watched,
  // a length only once it has run out.
  bool Due(std::int64_t nowMs) const { return choice_ == SleepAtTrackEnd || Fading() || nowMs >= endMs_; }
  // Whole minutes left, rounded up; none at the end of a track or while fading.
  std::optional<int> MinutesLeft(std::int64_t nowMs) const;

  // One look at `nowMs`: `volume` is the player's volume now, `track` what plays.
  SleepStep Look(std::int64_t nowMs, const TrackView& track, int volume);

 private:
  bool TimeIsUp(std::int64_t nowMs, const TrackView& track);
  SleepStep Finish(bool stop);

  int choice_ = SleepOff;
  std::int64_t endMs_ = 0;  // a length's end; the fade's start
  int fadeSeconds_ = 0;
  std::int64_t lastPositionMs_ = 0;
  std::optional<int> fadeFrom_;  // the volume the fade began with
  bool playerStopped_ = false;   // the user stopped the player: the rest runs quietly
};

// The lengths the menu offers, into `lengths`: the last chosen first, then the usual ones.
constexpr int MaxSleepLengths = 6;
int OfferedSleepLengths(int lastMinutes, int (&lengths)[MaxSleepLengths]);
// "15 minutes", "1 minute".
std::string SleepLengthText(int minutes);
// The submenu's own item: "Sleep timer", "Sleep timer (23 min left)", "Sleep timer (end of
// this track)", "Sleep timer (fading out)".
std::string SleepTimerItemText(const SleepPlan& plan, std::int64_t nowMs);

// VelSleepAction's values.
constexpr int SleepActionStopOnly = 0;
constexpr int SleepActionSleepPC = 1;

// Whether to put the PC to sleep once the timer has stopped the player, and why not.
struct SleepDecision {
  bool sleep = false;
  std::string reason;  // why the PC stays on; empty when it sleeps
};
// `nextAlarmArmed`: an alarm will ring; `wakeFromSleep`: waking is allowed for that one.
SleepDecision DecideSleepAction(int action, bool nextAlarmArmed, bool wakeFromSleep, const PowerFacts& facts);

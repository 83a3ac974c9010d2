#include "alarm/SleepTimer.h"

#include <cmath>

namespace {
constexpr int UsualSleepLengths[] = {15, 30, 45, 60, 90};
constexpr std::int64_t MsPerMinute = 60000;
// A position that goes back by more than this means the next track has begun.
constexpr std::int64_t TrackChangeMs = 1000;
}  // namespace

std::optional<int> SleepPlan::Start(int minutes, std::int64_t nowMs, int fadeSeconds) {
  const std::optional<int> restore = Cancel();
  choice_ = minutes;
  endMs_ = nowMs + (minutes > 0 ? minutes * MsPerMinute : 0);
  fadeSeconds_ = fadeSeconds > 0 ? fadeSeconds : 0;
  lastPositionMs_ = 0;
  return restore;
}

std::optional<int> SleepPlan::Cancel() {
  const std::optional<int> restore = fadeFrom_;
  choice_ = SleepOff;
  fadeFrom_.reset();
  return restore;
}

std::optional<int> SleepPlan::MinutesLeft(std::int64_t nowMs) const {
  if (choice_ <= 0 || Fading()) return std::nullopt;
  const std::int64_t left = endMs_ > nowMs ? endMs_ - nowMs : 0;
  return static_cast<int>((left + MsPerMinute - 1) / MsPerMinute);
}

bool SleepPlan::TimeIsUp(std::int64_t nowMs, const TrackView& track) {
  if (choice_ != SleepAtTrackEnd) return nowMs >= endMs_;
  if (!track.playing) return true;
  const bool trackChanged = track.positionMs + TrackChangeMs < lastPositionMs_;
  lastPositionMs_ = track.positionMs;
  // The fade ends as the track does, so the next one never starts to be heard.
  const bool nearEnd = track.lengthSeconds > 0 &&
                       track.positionMs >= (static_cast<std::int64_t>(track.lengthSeconds) - fadeSeconds_) * 1000;
  return trackChanged || nearEnd;
}

SleepStep SleepPlan::Finish(bool stop) {
  SleepStep step;
  if (stop && fadeFrom_) step.volume = 0;
  step.stop = stop;
  step.restoredVolume = Cancel();
  step.ranOut = true;
  return step;
}

SleepStep SleepPlan::Look(std::int64_t nowMs, const TrackView& track, int volume) {
  if (!Running()) return {};
  if (!fadeFrom_) {
    if (!TimeIsUp(nowMs, track)) return {};
    // A player the user has stopped already is left alone: the timer just runs out.
    if (!track.playing || fadeSeconds_ == 0) return Finish(track.playing);
    fadeFrom_ = volume;
    endMs_ = nowMs;
  }
  if (!track.playing) return Finish(false);
  const std::int64_t fadeMs = fadeSeconds_ * std::int64_t{1000};
  const std::int64_t elapsed = nowMs - endMs_;
  if (elapsed >= fadeMs) return Finish(true);
  SleepStep step;
  step.volume = static_cast<int>(std::lrint(*fadeFrom_ * static_cast<double>(fadeMs - elapsed) / fadeMs));
  return step;
}

int OfferedSleepLengths(int lastMinutes, int (&lengths)[MaxSleepLengths]) {
  int count = 0;
  lengths[count++] = lastMinutes;
  for (int minutes : UsualSleepLengths)
    if (minutes != lastMinutes) lengths[count++] = minutes;
  return count;
}

std::string SleepLengthText(int minutes) { return std::to_string(minutes) + (minutes == 1 ? " minute" : " minutes"); }

std::string SleepTimerItemText(const SleepPlan& plan, std::int64_t nowMs) {
  if (!plan.Running()) return "Sleep timer";
  if (plan.Fading()) return "Sleep timer (fading out)";
  if (plan.Choice() == SleepAtTrackEnd) return "Sleep timer (end of this track)";
  return "Sleep timer (" + std::to_string(*plan.MinutesLeft(nowMs)) + " min left)";
}

SleepDecision DecideSleepAction(int action, bool nextAlarmArmed, bool wakeFromSleep, const PowerFacts& facts) {
  SleepDecision decision;
  if (action != SleepActionSleepPC)
    decision.reason = "the sleep timer only stops the player";
  else if (!nextAlarmArmed)
    decision.reason = "no alarm is armed to wake it";
  else if (!WillWake(facts, wakeFromSleep))
    decision.reason = WakeReadinessText(facts, wakeFromSleep);
  else
    decision.sleep = true;
  return decision;
}

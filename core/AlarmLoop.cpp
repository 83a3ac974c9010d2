#include "core/AlarmLoop.h"

RingSteps AlarmLoop::NoSteps;

void AlarmLoop::Run() {
  while (!host_.Terminated())
    if (Step() == WaitEnd::Stop) return;
}

WaitEnd AlarmLoop::Step() {
  if (const std::optional<SettingsRecord> trial = host_.TakeTrialRing()) {
    Sound(*trial, false);
    return WaitEnd::InstantCame;
  }
  SettingsRecord settings = host_.Settings();
  if (!lastRung_.empty()) settings.VelLastRung = lastRung_;
  const UtcMs now = clock_.Now();
  const std::optional<RingSlot> slot = NextRing(settings, now, zone_);
  if (slot && RingIsDue(*slot, now, settings.VelCatchUpMinutes)) {
    Ring(settings, *slot);
    return WaitEnd::InstantCame;
  }
  return clock_.WaitUntil(slot ? std::optional<UtcMs>(slot->start) : std::nullopt);
}

void AlarmLoop::Ring(const SettingsRecord& settings, const RingSlot& slot) {
  lastRung_ = LastRungText(slot);
  host_.RecordRing(lastRung_);
  Sound(settings, true);
}

void AlarmLoop::Sound(const SettingsRecord& settings, bool scheduled) {
  steps_.BeforePlay(settings);
  const bool foundPlaying = SendWakeUpCommands(settings);
  steps_.AfterPlay(settings, foundPlaying);
  // After a no-restart wake-up the watch goes on like after any other: the alarm is daily.
  const bool answeredDisable = settings.VelSnooze && host_.ShowSnoozeWindow() == SnoozeAnswerDisabled;
  if (scheduled && (!settings.VelSnooze || answeredDisable)) clock_.Pause(PostWakePauseMs);
  steps_.Finished();
}

// Returns whether a no-restart wake-up found the player playing.
bool AlarmLoop::SendWakeUpCommands(const SettingsRecord& settings) {
  if (settings.VelMaxVolume && settings.VelFadeSeconds == 0) player_.SetVolume(WakeUpVolume);
  if (settings.VelNoRestart) {
    // Leave the current song alone; only make sure something plays.
    if (player_.GetPlayStatus() == wpsPlaying) return true;
    player_.StartPlay();
  } else if (settings.VelStreamURL) {
    player_.AddFile(settings.VelURL);
    // The playlist length, exactly as the player answers it, is the position selected.
    const std::int32_t length = player_.GetPlaylistLength();
    player_.SetPlaylistPosition(length);
    player_.Play();
  } else {
    player_.Play();
  }
  return false;
}

#include "plugin/AlarmLoop.h"

RingSteps AlarmLoop::NoSteps;

namespace {
bool SameSchedule(const SettingsRecord& a, const SettingsRecord& b) {
  return a.VelActive == b.VelActive && a.VelWakeupTime == b.VelWakeupTime && a.VelDays == b.VelDays &&
         a.VelSkipDate == b.VelSkipDate && a.VelSnoozed == b.VelSnoozed && a.VelCatchUpMinutes == b.VelCatchUpMinutes;
}
}  // namespace

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
  Watch(settings, now);
  const std::optional<RingSlot> slot = NextRing(settings, now, zone_, watchedSince_);
  if (slot && RingIsDue(*slot, now)) {
    Ring(settings, *slot);
    return WaitEnd::InstantCame;
  }
  return clock_.WaitUntil(slot ? std::optional<UtcMs>(slot->start) : std::nullopt);
}

void AlarmLoop::Watch(const SettingsRecord& settings, UtcMs now) {
  if (watched_ && SameSchedule(*watched_, settings)) return;
  watched_ = settings;
  watchedSince_ = now;
}

void AlarmLoop::Ring(const SettingsRecord& settings, const RingSlot& slot) {
  lastRung_ = LastRungText(slot);
  host_.RecordRing(lastRung_);
  Sound(settings, true);
}

void AlarmLoop::Sound(const SettingsRecord& settings, bool scheduled) {
  steps_.BeforePlay(settings);
  const bool foundPlaying = SendWakeUpCommands(player_, settings);
  steps_.AfterPlay(settings, foundPlaying);
  // After a no-restart wake-up the watch goes on like after any other: the alarm is daily.
  const bool answeredDisable = settings.VelSnooze && host_.ShowSnoozeWindow() == SnoozeAnswerDisabled;
  if (scheduled && (!settings.VelSnooze || answeredDisable)) clock_.Pause(PostWakePauseMs);
  steps_.Finished();
}

bool SendWakeUpCommands(PlayerCommands& player, const SettingsRecord& settings) {
  if (settings.VelVolume && settings.VelFadeSeconds == 0) player.SetVolume(WakeUpVolume);
  if (settings.VelNoRestart) {
    // Leave the current song alone; only make sure something plays.
    if (player.GetPlayStatus() == wpsPlaying) return true;
    player.StartPlay();
  } else if (settings.VelStreaming) {
    player.AddFile(settings.VelURL);
    // The playlist length, exactly as the player answers it, is the position selected.
    const std::int32_t length = player.GetPlaylistLength();
    player.SetPlaylistPosition(length);
    player.Play();
  } else {
    player.Play();
  }
  return false;
}

#include "plugin/AlarmLoop.h"

#include "alarm/Snooze.h"

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
  const UtcMs now = clock_.Now();
  if (SnoozeIsStale(settings, now)) {
    host_.DropSnooze();
    settings.VelSnoozeUntil.reset();
  }
  const std::optional<RingSlot> slot = NextRing(settings, now, zone_, host_.WatchedSince(settings, now));
  if (slot && RingIsDue(*slot, now)) {
    Ring(settings, *slot, now);
    return WaitEnd::InstantCame;
  }
  return clock_.WaitUntil(slot ? std::optional<UtcMs>(slot->start) : std::nullopt);
}

void AlarmLoop::Ring(const SettingsRecord& settings, const RingSlot& slot, UtcMs now) {
  host_.RecordRing(slot, now);
  Sound(settings, true);
}

void AlarmLoop::Sound(const SettingsRecord& settings, bool scheduled) {
  steps_.BeforePlay(settings);
  const bool foundPlaying = SendWakeUpCommands(player_, settings);
  steps_.AfterPlay(settings, foundPlaying, !scheduled);
  // After a no-restart wake-up the watch goes on like after any other: the alarm is daily.
  if (scheduled) clock_.Pause(PostWakePauseMs);
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

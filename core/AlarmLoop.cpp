#include "core/AlarmLoop.h"

#include "runtime/FormatDateTime.h"

bool AlarmMinuteMatches(TTime now, TTime wakeUp) {
  const std::string nowText = FormatDateTime(AlarmComparisonFormat, now);
  const std::string wakeText = FormatDateTime(AlarmComparisonFormat, wakeUp);
  return TimeOfDayMilliseconds(wakeUp).has_value() && nowText == wakeText;
}

void AlarmLoop::Run() {
  while (!host_.Terminated()) {
    Pass();
    clock_.Pause(PollPauseMs);
  }
}

void AlarmLoop::Pass() {
  const SettingsRecord settings = host_.Settings();
  const bool minuteHasCome = AlarmMinuteMatches(clock_.Now(), settings.VelWakeUp);
  if (settings.VelPluginActive && minuteHasCome) WakeUp(settings);
}

void AlarmLoop::WakeUp(const SettingsRecord& settings) {
  if (settings.VelMaxVolume) player_.SetVolume(WakeUpVolume);
  if (settings.VelNoRestart) {
    // Leave the current song alone; only make sure something plays.
    if (player_.GetPlayStatus() != wpsPlaying) player_.StartPlay();
  } else if (settings.VelStreamURL) {
    player_.AddFile(settings.VelURL);
    // The playlist length, exactly as the player answers it, is the position selected.
    const std::int32_t length = player_.GetPlaylistLength();
    player_.SetPlaylistPosition(length);
    player_.Play();
  } else {
    player_.Play();
  }
  // After a no-restart wake-up the watch goes on like after any other: the alarm is daily.
  if (!settings.VelSnooze || host_.ShowSnoozeWindow() == SnoozeAnswerDisabled)
    clock_.Pause(PostWakePauseMs);
}

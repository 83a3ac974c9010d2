#include "plugin/AlarmLoop.h"

#include "alarm/Snooze.h"

RingSteps AlarmLoop::NoSteps;

void AlarmLoop::Run() {
  while (!host_.Terminated())
    if (Step() == WaitEnd::Stop) return;
}

WaitEnd AlarmLoop::Step() {
  if (const std::optional<SettingsRecord> trial = host_.TakeTrialRing()) {
    Sound(*trial, TrialRing);
    return WaitEnd::InstantCame;
  }
  AlarmList alarms = host_.Alarms();
  const UtcMs now = clock_.Now();
  lastLook_ = started_ ? std::optional<Look>(thisLook_) : std::nullopt;
  thisLook_ = Look{now, clock_.TickMs()};
  if (!started_) started_ = thisLook_;
  std::vector<UtcMs> watchedSince;
  std::vector<std::optional<RingSlot>> slots;
  for (NumberedAlarm& alarm : alarms) {
    if (SnoozeIsStale(alarm.settings, now)) {
      host_.DropSnooze(alarm.number);
      alarm.settings.VelSnoozeUntil.reset();
    }
    watchedSince.push_back(host_.WatchedSince(alarm.number, alarm.settings, now));
    slots.push_back(NextRing(alarm.settings, now, zone_, watchedSince.back()));
    CheckPlan(alarm, slots.back(), now);
  }
  const std::optional<AlarmRing> next = EarliestRing(alarms, now, zone_, watchedSince);
  if (!next || !RingIsDue(next->slot, now)) {
    bool wake = false;
    for (const NumberedAlarm& alarm : alarms)
      if (next && alarm.number == next->number) wake = alarm.settings.VelWakeFromSleep;
    return clock_.WaitUntil(next ? std::optional<UtcMs>(next->slot.start) : std::nullopt, wake);
  }
  // The others due in the same minute ring with it, as one ring: recorded, not sounded.
  SettingsRecord ringing;
  for (std::size_t i = 0; i < alarms.size(); ++i) {
    const std::optional<RingSlot>& slot = slots[i];
    if (!slot || !RingIsDue(*slot, now) || slot->start / MsPerMinute != next->slot.start / MsPerMinute) continue;
    host_.RecordRing(alarms[i].number, *slot, now);
    if (alarms[i].number == next->number) ringing = alarms[i].settings;
  }
  Sound(ringing, next->number);
  return WaitEnd::InstantCame;
}

void AlarmLoop::CheckPlan(const NumberedAlarm& alarm, const std::optional<RingSlot>& next, UtcMs now) {
  const std::optional<UtcMs>& planned = alarm.settings.VelPlannedRing;
  const std::optional<UtcMs> ring = next ? std::optional<UtcMs>(next->start) : std::nullopt;
  // A planned ring still due rings in this pass; one that has passed otherwise was missed.
  if (planned && *planned <= now && !(next && next->start == *planned && RingIsDue(*next, now))) {
    const Look before = lastLook_.value_or(thisLook_);
    host_.ReportMissed(alarm.number, *planned,
                       WhyMissed(*planned, started_->now, now - before.now, thisLook_.tick - before.tick));
  }
  if (planned != ring) host_.RecordPlan(alarm.number, ring);
}

void AlarmLoop::Sound(const SettingsRecord& settings, int alarmNumber) {
  steps_.BeforePlay(settings);
  const bool foundPlaying = SendWakeUpCommands(player_, settings);
  steps_.AfterPlay(settings, foundPlaying, alarmNumber);
  // After a no-restart wake-up the watch goes on like after any other: the alarm is daily.
  if (alarmNumber != TrialRing) clock_.Pause(PostWakePauseMs);
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

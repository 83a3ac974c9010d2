#include "plugin/PlayerSleepTimer.h"

#include <powrprof.h>

#include "plugin/AlarmClock.h"
#include "plugin/SystemTimeZone.h"
#include "runtime/DebugTrace.h"
#include "runtime/SystemLibrary.h"

namespace {
constexpr UINT_PTR SleepTimerId = 41899;  // of the block the menu's commands come from
constexpr UINT LookEveryMs = 250;
PlayerSleepTimer* running = nullptr;  // the one timer of the module, while its window timer runs
DWORD startTick = 0;

std::int64_t SinceStart() { return static_cast<DWORD>(GetTickCount() - startTick); }
}  // namespace

void PlayerSleepTimer::Choose(HWND player, int choice) {
  const int fadeSeconds = alarm_.SharedNumber(&SettingsRecord::VelSleepFadeSeconds);
  std::optional<int> restore;
  {
    LockHolder hold(lock_);
    startTick = GetTickCount();
    restore = choice == SleepOff ? plan_.Cancel() : plan_.Start(choice, 0, fadeSeconds);
  }
  SetBack(restore);
  DebugTrace(choice == SleepOff ? "sleep timer off" : "sleep timer started");
  if (choice == SleepOff) return StopTimer();
  if (player_) return;
  if (!SetTimer(player, SleepTimerId, LookEveryMs, &OnTimer)) {
    Quit();  // a timer that would never run out is no timer
    return DebugTrace("sleep timer: Windows gave no window timer");
  }
  player_ = player;
  running = this;
}

void PlayerSleepTimer::CancelByRing() {
  std::optional<int> restore;
  {
    LockHolder hold(lock_);
    if (!plan_.Running()) return;
    restore = plan_.Cancel();
  }
  SetBack(restore);
  DebugTrace("sleep timer cancelled by a ring");
}

void PlayerSleepTimer::Quit() {
  std::optional<int> restore;
  {
    LockHolder hold(lock_);
    restore = plan_.Cancel();
  }
  SetBack(restore);
  StopTimer();
}

int PlayerSleepTimer::Choice() {
  LockHolder hold(lock_);
  return plan_.Choice();
}

std::string PlayerSleepTimer::ItemText() {
  LockHolder hold(lock_);
  return SleepTimerItemText(plan_, SinceStart());
}

void CALLBACK PlayerSleepTimer::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
  if (running) running->Look();
}

void PlayerSleepTimer::Look() {
  {
    LockHolder hold(lock_);
    if (!plan_.Running()) return StopTimer();
    if (!plan_.Due(SinceStart())) return;
  }
  // Asked outside the lock: a ring's cancel never waits for the player's answers.
  TGPFWinAmpControl& player = *alarm_.WinampControl;
  TrackView track;
  track.playing = player.GetPlayStatus() == wpsPlaying;
  if (track.playing) {
    track.positionMs = player.GetPlayPosition();
    track.lengthSeconds = player.GetTrackSeconds();
  }
  const int volume = player.GetVolume();
  SleepStep step;
  {
    LockHolder hold(lock_);
    step = plan_.Look(SinceStart(), track, volume);
  }
  Carry(step);
}

void PlayerSleepTimer::Carry(const SleepStep& step) {
  TGPFWinAmpControl& player = *alarm_.WinampControl;
  if (step.volume) player.SetVolume(static_cast<std::uint8_t>(*step.volume));
  if (step.stop) player.Stop();
  SetBack(step.restoredVolume);
  if (!step.ranOut) return;
  DebugTrace(step.stop ? "sleep timer ran out: player stopped" : "sleep timer ran out: the player was not playing");
  StopTimer();
  SleepUntilAlarm();
}

void PlayerSleepTimer::SetBack(std::optional<int> volume) {
  if (volume) alarm_.WinampControl->SetVolume(static_cast<std::uint8_t>(*volume));
}

void PlayerSleepTimer::SleepUntilAlarm() {
  const int action = alarm_.SharedNumber(&SettingsRecord::VelSleepAction);
  if (action != SleepActionSleepPC) return;
  const std::optional<AlarmRing> next = alarm_.NextAlarm(SystemNow());
  bool wake = false;
  if (next)
    for (const NumberedAlarm& alarm : alarm_.Alarms())
      if (alarm.number == next->number) wake = alarm.settings.VelWakeFromSleep;
  const SleepDecision decision = DecideSleepAction(action, next.has_value(), wake, alarm_.Power());
  if (!decision.sleep) return DebugTrace("the PC stays on: " + decision.reason);
  // Sleep, never hibernation: the waitable timer wakes a sleeping PC, not always a hibernated one.
  const auto suspend = SystemFunction<decltype(SetSuspendState)>("powrprof.dll", "SetSuspendState");
  const bool asleep = suspend && suspend(FALSE, FALSE, FALSE);
  DebugTrace(asleep ? "the PC slept until the alarm" : "Windows did not put the PC to sleep");
}

void PlayerSleepTimer::StopTimer() {
  if (!player_) return;
  KillTimer(player_, SleepTimerId);
  player_ = nullptr;
  running = nullptr;
}

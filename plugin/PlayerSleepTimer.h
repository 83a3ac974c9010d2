#pragma once
// The sleep timer carried out on the player's thread: a window timer on the player's
// window looks at the plan a few times a second and sends the player its steps. A ring
// (on the worker's thread) and quit end it and give back the volume a fade lowered.
#include <windows.h>

#include <string>

#include "alarm/SleepTimer.h"
#include "runtime/Lock.h"

class AlarmClock;

class PlayerSleepTimer {
 public:
  explicit PlayerSleepTimer(AlarmClock& alarm) : alarm_(alarm) {}
  // A module unloaded without quit leaves no window timer calling into it.
  ~PlayerSleepTimer() { StopTimer(); }

  // The menu's choice: minutes, SleepAtTrackEnd or SleepOff. On the player's thread.
  void Choose(HWND player, int choice);
  // A ring has begun: the ring goes on at the volume the fade found.
  void CancelByRing();
  // The player quits: on its thread.
  void Quit();

  int Choice();
  std::string ItemText();

 private:
  static void CALLBACK OnTimer(HWND window, UINT message, UINT_PTR id, DWORD time);
  void Look();
  void Carry(const SleepStep& step);
  void SetBack(std::optional<int> volume);
  void SleepUntilAlarm();
  void StopTimer();

  AlarmClock& alarm_;
  Lock lock_;  // the plan: the worker cancels it
  SleepPlan plan_;
  HWND player_ = nullptr;  // while the window timer runs
};

#pragma once
// What a ring does beside the player's commands: Windows' sound made audible, the fade-in,
// the check that the player really plays (with the fallback file and the alarm tone) and
// the ring's end after its time limit. They run on a thread of their own, so they go on
// while the worker plans and the snooze window waits.
#include <memory>
#include "runtime/Callback.h"

#include "alarm/SystemSound.h"
#include "plugin/AlarmLoop.h"
#include "runtime/Lock.h"

class RingThread;

class RingCompanion {
 public:
  // `quitting` says when the worker is asked to end: the ring stops then too. `timeUp`
  // is called from the ring's thread when a ring nobody answered reaches its limit.
  RingCompanion(PlayerCommands& player, PlayerProbe& probe, SystemVolume& systemVolume, Callback<bool()> quitting,
                Callback<void()> timeUp);
  ~RingCompanion();  // ends whatever still runs, as End does

  // The fade's first, low step goes out before the player is told to play. A ring still
  // fading or checking ends first, as End does.
  void BeforePlay(const SettingsRecord& settings);
  void AfterPlay(const SettingsRecord& settings, bool foundPlaying);
  // The ring is answered, ended or the player quits: the check ends and a tone stops at
  // once, a fade still under way jumps to its target, so the player is never left at a
  // partial volume that the next ring would take for the user's, and Windows' sound is
  // put back.
  void End();

 private:
  PlayerCommands& player_;
  PlayerProbe& probe_;
  SystemVolume& systemVolume_;
  Callback<bool()> quitting_;
  Callback<void()> timeUp_;
  Lock lock_;  // the worker starts rings, the snooze window's thread ends them
  std::uint8_t fadeTarget_ = 0;
  std::unique_ptr<RingThread> running_;
};

#pragma once
// What a ring does beside the player's commands: the fade-in and the check that the
// player really plays, with the fallback file and the alarm tone. They run on a thread
// of their own, so they go on while the snooze window runs modally on the worker's.
#include <functional>
#include <memory>

#include "plugin/AlarmLoop.h"

class RingThread;

class RingCompanion : public RingSteps {
 public:
  // `quitting` says when the worker is asked to end: the ring stops then too.
  RingCompanion(PlayerCommands& player, PlayerProbe& probe, std::function<bool()> quitting);
  ~RingCompanion() override;  // stops whatever still runs

  // The fade's first, low step goes out before the player is told to play.
  void BeforePlay(const SettingsRecord& settings) override;
  void AfterPlay(const SettingsRecord& settings, bool foundPlaying) override;
  // The user answered the snooze window: the fade and the check end at once, a tone
  // stops, before the answer changes the volume.
  void UserAnswered();

 private:
  PlayerCommands& player_;
  PlayerProbe& probe_;
  std::function<bool()> quitting_;
  std::uint8_t fadeTarget_ = 0;
  std::unique_ptr<RingThread> running_;
};

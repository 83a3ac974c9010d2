#include "plugin/RingCompanion.h"

#include <optional>
#include <vector>

#include "alarm/FadeIn.h"
#include "alarm/FallbackCheck.h"
#include "plugin/AlarmTone.h"
#include "runtime/MonotonicClock.h"
#include "runtime/Shell.h"
#include "runtime/Thread.h"

// One ring's fade steps after the first and its fallback check, merged in time order.
class RingThread {
 public:
  RingThread(PlayerCommands& player, PlayerProbe& probe, const std::function<bool()>& quitting,
             std::vector<FadeStep> fadeSteps, std::optional<FallbackCheck> check, std::string fallbackFile)
      : player_(player),
        probe_(probe),
        quitting_(quitting),
        fadeSteps_(std::move(fadeSteps)),
        check_(std::move(check)),
        fallbackFile_(std::move(fallbackFile)),
        thread_([this](TThread&) {
          while (!Stopping() && Step()) {
          }
          tone_.Stop();
        }) {}

  void Start() { thread_.Start(); }
  // Ends the thread; then whether the fade had steps left.
  bool StopWithFadeLeft() {
    thread_.TerminateAndWait();
    return nextFade_ < fadeSteps_.size();
  }

 private:
  using Clock = MonotonicClock;
  static constexpr unsigned LongestNapMs = 100;  // how soon the player's quit is seen

  bool Stopping() const { return thread_.Terminated() || quitting_(); }

  std::int64_t ElapsedMs() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start_).count();
  }

  // Waits for the next thing due and does it; false when nothing is left or stopped.
  bool Step() {
    const bool fadeLeft = nextFade_ < fadeSteps_.size();
    const bool checkLeft = check_ && check_->Next().action != FallbackAction::Done;
    if (!fadeLeft && !checkLeft) return false;
    const bool fadeFirst = fadeLeft && (!checkLeft || fadeSteps_[nextFade_].atMs <= check_->Next().atMs);
    const std::int64_t due = fadeFirst ? fadeSteps_[nextFade_].atMs : check_->Next().atMs;
    for (std::int64_t left = due - ElapsedMs(); left > 0 && !Stopping(); left = due - ElapsedMs())
      thread_.SleepUnlessTerminated(static_cast<unsigned>(left < LongestNapMs ? left : LongestNapMs));
    if (Stopping()) return false;
    if (fadeFirst)
      player_.SetVolume(fadeSteps_[nextFade_++].volume);
    else
      TakeCheckStep(check_->Next().action);
    return true;
  }

  void TakeCheckStep(FallbackAction action) {
    switch (action) {
      case FallbackAction::Look: {
        const bool playing = player_.GetPlayStatus() == wpsPlaying;
        check_->Observe(PlayerLook{playing, probe_.GetPlayPosition()}, ElapsedMs());
        return;
      }
      case FallbackAction::PlayFallbackFile: {
        // Exactly as the alarm adds its address, at the volume the ring left.
        SettingsRecord fileRing;
        fileRing.VelStreaming = true;
        fileRing.VelURL = fallbackFile_;
        SendWakeUpCommands(player_, fileRing);
        break;
      }
      case FallbackAction::SoundTone:
        tone_.Start();
        break;
      case FallbackAction::StopTone:
        tone_.Stop();
        break;
      case FallbackAction::Done:
        return;
    }
    check_->Carried(ElapsedMs());
  }

  PlayerCommands& player_;
  PlayerProbe& probe_;
  const std::function<bool()>& quitting_;
  const std::vector<FadeStep> fadeSteps_;
  std::size_t nextFade_ = 1;  // the first went out before the player was told to play
  std::optional<FallbackCheck> check_;
  const std::string fallbackFile_;
  AlarmTone tone_;
  const Clock::time_point start_ = Clock::now();
  TThread thread_;  // last: destroyed first, so it ends before what it uses
};

RingCompanion::RingCompanion(PlayerCommands& player, PlayerProbe& probe, std::function<bool()> quitting)
    : player_(player), probe_(probe), quitting_(std::move(quitting)) {}

RingCompanion::~RingCompanion() { End(); }

void RingCompanion::End() {
  LockHolder hold(lock_);
  if (!running_) return;
  if (running_->StopWithFadeLeft()) player_.SetVolume(fadeTarget_);
  running_.reset();
}

void RingCompanion::BeforePlay(const SettingsRecord& settings) {
  End();
  if (settings.VelFadeSeconds <= 0) return;
  LockHolder hold(lock_);
  fadeTarget_ = settings.VelVolume ? WakeUpVolume : probe_.GetVolume();
  player_.SetVolume(FadeVolumeAt(settings.VelFadeSeconds, fadeTarget_, 0));
}

void RingCompanion::AfterPlay(const SettingsRecord& settings, bool foundPlaying) {
  std::vector<FadeStep> fade;
  if (settings.VelFadeSeconds > 0) fade = FadeSteps(settings.VelFadeSeconds, fadeTarget_);
  std::optional<FallbackCheck> check;
  if (!foundPlaying && settings.VelFallbackSeconds > 0) {
    const bool fileUsable = !settings.VelFallbackFile.empty() && FileExists(settings.VelFallbackFile);
    check.emplace(settings.VelFallbackSeconds, fileUsable);
  }
  if (fade.size() <= 1 && !check) return;
  LockHolder hold(lock_);
  running_ = std::make_unique<RingThread>(player_, probe_, quitting_, std::move(fade), std::move(check),
                                          settings.VelFallbackFile);
  running_->Start();
}

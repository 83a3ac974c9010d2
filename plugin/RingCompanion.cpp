#include "plugin/RingCompanion.h"

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "alarm/FadeIn.h"
#include "alarm/FallbackCheck.h"
#include "plugin/AlarmTone.h"
#include "runtime/MonotonicClock.h"
#include "runtime/Shell.h"
#include "runtime/Thread.h"

namespace {
// Windows' sound is put back at the latest this long after a ring nobody ended.
constexpr std::int64_t LongestSoundRaiseMs = 30 * 60 * 1000;
constexpr std::int64_t Never = INT64_MAX;
}  // namespace

// One ring's fade steps after the first, its fallback check and its end, in time order.
class RingThread {
 public:
  struct Plan {
    std::vector<FadeStep> fadeSteps;
    std::optional<FallbackCheck> check;
    std::string fallbackFile;
    SoundRaise raised;
    std::int64_t timeUpMs = Never;  // the ring's time limit, when it has one
  };

  RingThread(PlayerCommands& player, PlayerProbe& probe, SystemVolume& systemVolume, const Callback<bool()>& quitting,
             const Callback<void()>& timeUp, Plan plan)
      : player_(player),
        probe_(probe),
        systemVolume_(systemVolume),
        quitting_(quitting),
        timeUp_(timeUp),
        plan_(std::move(plan)),
        thread_([this](TThread&) {
          while (!Stopping() && Step()) {
          }
          tone_.Stop();
          plan_.raised.Restore(systemVolume_);
        }) {}

  void Start() { thread_.Start(); }
  // Ends the thread; then whether the fade had steps left.
  bool StopWithFadeLeft() {
    thread_.TerminateAndWait();
    return nextFade_ < plan_.fadeSteps.size();
  }
  // Whether anything is left to do after the player was told to play.
  bool HasWork() const {
    return plan_.fadeSteps.size() > 1 || plan_.check || plan_.raised.Changed() || plan_.timeUpMs != Never;
  }

 private:
  using Clock = MonotonicClock;
  static constexpr unsigned LongestNapMs = 100;  // how soon the player's quit is seen
  enum class Next { Fade, Check, End };

  bool Stopping() const { return thread_.Terminated() || quitting_(); }

  std::int64_t ElapsedMs() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start_).count();
  }

  // The ring ends at its time limit, or once Windows' sound has been raised long enough.
  std::int64_t EndMs() const {
    return plan_.raised.Changed() && LongestSoundRaiseMs < plan_.timeUpMs ? LongestSoundRaiseMs : plan_.timeUpMs;
  }

  // Waits for the next thing due and does it; false when nothing is left or stopped.
  bool Step() {
    std::int64_t due = EndMs();
    Next next = Next::End;
    if (plan_.check && plan_.check->Next().action != FallbackAction::Done && plan_.check->Next().atMs <= due) {
      due = plan_.check->Next().atMs;
      next = Next::Check;
    }
    if (nextFade_ < plan_.fadeSteps.size() && plan_.fadeSteps[nextFade_].atMs <= due) {
      due = plan_.fadeSteps[nextFade_].atMs;
      next = Next::Fade;
    }
    if (due == Never) return false;
    for (std::int64_t left = due - ElapsedMs(); left > 0 && !Stopping(); left = due - ElapsedMs())
      thread_.SleepUnlessTerminated(static_cast<unsigned>(left < LongestNapMs ? left : LongestNapMs));
    if (Stopping()) return false;
    switch (next) {
      case Next::Fade:
        player_.SetVolume(plan_.fadeSteps[nextFade_++].volume);
        return true;
      case Next::Check:
        TakeCheckStep(plan_.check->Next().action);
        return true;
      case Next::End:
        break;
    }
    if (due != plan_.timeUpMs) {  // the sound's half hour is over; the ring may go on
      plan_.raised.Restore(systemVolume_);
      return true;
    }
    // Nobody answered: the music pauses and the window closes; the alarm stays armed.
    if (player_.GetPlayStatus() == wpsPlaying) player_.Pause();
    timeUp_();
    return false;
  }

  void TakeCheckStep(FallbackAction action) {
    switch (action) {
      case FallbackAction::Look: {
        const bool playing = player_.GetPlayStatus() == wpsPlaying;
        plan_.check->Observe(PlayerLook{playing, probe_.GetPlayPosition()}, ElapsedMs());
        return;
      }
      case FallbackAction::PlayFallbackFile: {
        // Exactly as the alarm adds its address, at the volume the ring left.
        SettingsRecord fileRing;
        fileRing.VelStreaming = true;
        fileRing.VelURL = plan_.fallbackFile;
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
    plan_.check->Carried(ElapsedMs());
  }

  PlayerCommands& player_;
  PlayerProbe& probe_;
  SystemVolume& systemVolume_;
  const Callback<bool()>& quitting_;
  const Callback<void()>& timeUp_;
  Plan plan_;
  std::size_t nextFade_ = 1;  // the first went out before the player was told to play
  AlarmTone tone_;
  const Clock::time_point start_ = Clock::now();
  TThread thread_;  // last: destroyed first, so it ends before what it uses
};

RingCompanion::RingCompanion(PlayerCommands& player, PlayerProbe& probe, SystemVolume& systemVolume,
                             Callback<bool()> quitting, Callback<void()> timeUp)
    : player_(player),
      probe_(probe),
      systemVolume_(systemVolume),
      quitting_(std::move(quitting)),
      timeUp_(std::move(timeUp)) {}

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
  RingThread::Plan plan;
  // After the player's commands: asking Windows for its device must not hold up the music.
  if (settings.VelSystemSound) plan.raised.Raise(systemVolume_, settings.VelSystemVolumeMin);
  if (settings.VelFadeSeconds > 0) plan.fadeSteps = FadeSteps(settings.VelFadeSeconds, fadeTarget_);
  if (!foundPlaying && settings.VelFallbackSeconds > 0) {
    const bool fileUsable = !settings.VelFallbackFile.empty() && FileExists(settings.VelFallbackFile);
    plan.check.emplace(settings.VelFallbackSeconds, fileUsable);
  }
  plan.fallbackFile = settings.VelFallbackFile;
  if (settings.VelRingMinutes > 0) plan.timeUpMs = settings.VelRingMinutes * std::int64_t{60000};
  LockHolder hold(lock_);
  running_ = std::make_unique<RingThread>(player_, probe_, systemVolume_, quitting_, timeUp_, std::move(plan));
  if (running_->HasWork())
    running_->Start();
  else
    running_.reset();
}
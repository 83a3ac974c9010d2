#include "plugin/RingSession.h"

#include "dialogs/SnoozeWindow.h"
#include "plugin/SystemTimeZone.h"
#include "runtime/ErrorBox.h"
#include "runtime/KeepAwake.h"
#include "runtime/Thread.h"

namespace {
// Long enough for any answer; a PC left ringing may then sleep again.
constexpr UINT MaxKeepAwakeMs = 30 * 60 * 1000;
}  // namespace

RingSession::RingSession(PlayerCommands& player, PlayerProbe& probe, RingAnswers& answers,
                         std::function<bool()> quitting)
    : player_(player), answers_(answers), companion_(player, probe, std::move(quitting)) {}

RingSession::~RingSession() {
  HWND window = nullptr;
  {
    LockHolder hold(lock_);
    closing_ = true;
    window = window_;
  }
  // Posted: the window may not run its loop yet, and then finds it waiting.
  if (window) PostMessageW(window, WM_CLOSE, 0, 0);
  windowThread_.reset();
  companion_.End();
}

void RingSession::AfterPlay(const SettingsRecord& settings, bool foundPlaying, bool trial) {
  companion_.AfterPlay(settings, foundPlaying);
  if (!settings.VelSnooze) return;
  std::unique_ptr<TThread> answered;
  {
    LockHolder hold(lock_);
    trial_ = trial;
    if (windowUp_) return;  // the window up answers for this ring now
    windowUp_ = true;
    window_ = nullptr;
    answered = std::move(windowThread_);
    const bool keepAwake = settings.VelWakeFromSleep;
    windowThread_ = std::make_unique<TThread>([this, keepAwake](TThread&) { RunWindow(keepAwake); });
    windowThread_->Start();
  }
}

void RingSession::RunWindow(bool keepAwake) {
  KeepAwake awake(MaxKeepAwakeMs);
  if (keepAwake) awake.Request();
  int answer = SnoozeAnswerDisabled;
  // A window that cannot be shown answers as a closed one.
  ShowingErrors([&] {
    TFrmSnooze window(nullptr);
    {
      LockHolder hold(lock_);
      if (closing_) return;
      window_ = window.Handle();
    }
    answer = window.ShowModal();
  });
  Answer(answer);
}

void RingSession::Answer(int answer) {
  bool trial = false;
  bool closing = false;
  {
    LockHolder hold(lock_);
    windowUp_ = false;
    window_ = nullptr;
    trial = trial_;
    closing = closing_;
  }
  // The fade stops first, so that no later step undoes the snooze volume.
  companion_.End();
  if (closing) return;
  if (answer == SnoozeAnswerSnoozed) {
    player_.SetVolume(SnoozeVolume);
    if (!trial) answers_.Snooze(SystemNow());
  } else if (!trial) {
    answers_.EndRing();
  }
}

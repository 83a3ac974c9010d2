#include "plugin/RingSession.h"

#include "alarm/AlarmList.h"
#include "dialogs/SnoozeWindow.h"
#include "plugin/SystemTimeZone.h"
#include "runtime/DebugTrace.h"
#include "runtime/ErrorBox.h"
#include "runtime/KeepAwake.h"
#include "runtime/Thread.h"

namespace {
// Long enough for any answer; a PC left ringing may then sleep again.
constexpr UINT MaxKeepAwakeMs = 30 * 60 * 1000;

// The window names the alarm that rings when it has a label.
std::string SnoozeCaption(const std::string& label) {
  return label.empty() ? SnoozeWindowCaption : SnoozeWindowCaption + (" (" + label.substr(0, LabelShownLength) + ")");
}
}  // namespace

RingSession::RingSession(PlayerCommands& player, PlayerProbe& probe, SystemVolume& systemVolume, RingAnswers& answers,
                         Callback<bool()> quitting)
    : player_(player),
      answers_(answers),
      companion_(player, probe, systemVolume, std::move(quitting), [this] { TimeUp(); }) {}

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

void RingSession::AfterPlay(const SettingsRecord& settings, bool foundPlaying, int alarmNumber) {
  companion_.AfterPlay(settings, foundPlaying);
  if (!settings.VelSnooze) return;
  const std::string caption = SnoozeCaption(settings.VelLabel);
  std::unique_ptr<TThread> answered;
  HWND shown = nullptr;
  {
    LockHolder hold(lock_);
    ringing_ = alarmNumber;
    if (windowUp_) {
      shown = window_;
    } else {
      windowUp_ = true;
      window_ = nullptr;
      answered = std::move(windowThread_);
      const bool keepAwake = settings.VelWakeFromSleep;
      windowThread_ =
          std::make_unique<TThread>([this, keepAwake, caption](TThread&) { RunWindow(keepAwake, caption); });
      windowThread_->Start();
    }
  }
  // The window up answers for this ring now, and says so.
  if (shown) SetWindowTextA(shown, caption.c_str());
}

void RingSession::TimeUp() {
  DebugTrace("ring: time is up, paused");
  HWND window = nullptr;
  {
    LockHolder hold(lock_);
    window = window_;
  }
  if (window) PostMessageW(window, WM_CLOSE, 0, 0);
}

void RingSession::RunWindow(bool keepAwake, const std::string& caption) {
  KeepAwake awake(MaxKeepAwakeMs);
  if (keepAwake) awake.Request();
  int answer = SnoozeAnswerDisabled;
  // A window that cannot be shown answers as a closed one.
  ShowingErrors([&] {
    TFrmSnooze window(nullptr);
    window.SetCaption(caption);
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
  int alarmNumber = TrialRing;
  bool closing = false;
  {
    LockHolder hold(lock_);
    windowUp_ = false;
    window_ = nullptr;
    alarmNumber = ringing_;
    closing = closing_;
  }
  // The fade stops first, so that no later step undoes the snooze volume.
  companion_.End();
  if (closing) return;
  if (answer == SnoozeAnswerSnoozed) {
    player_.SetVolume(SnoozeVolume);
    if (alarmNumber != TrialRing) answers_.Snooze(alarmNumber, SystemNow());
  } else if (alarmNumber != TrialRing) {
    answers_.EndRing(alarmNumber);
  }
}

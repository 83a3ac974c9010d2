#include "core/AlarmWorker.h"

#include "core/DataModule.h"
#include "dialogs/SnoozeWindow.h"
#include "runtime/ErrorBox.h"

namespace {
// The snooze window's answers reach the record through this: each first ends the ring's
// fade and check, so no later fade step undoes the snooze volume. A trial's answers
// leave the alarm's time and its armed flag alone.
class RingSnoozeTarget : public SnoozeTarget {
 public:
  RingSnoozeTarget(SnoozeTarget& record, RingCompanion& ring, bool trial) : record_(record), ring_(ring), trial_(trial) {}
  void SetVolume(std::uint8_t volume) override {
    ring_.UserAnswered();
    record_.SetVolume(volume);
  }
  void SetWakeUp(TTime wakeUp) override {
    ring_.UserAnswered();
    if (!trial_) record_.SetWakeUp(wakeUp);
  }
  void Disarm() override {
    ring_.UserAnswered();
    if (!trial_) record_.Disarm();
  }

 private:
  SnoozeTarget& record_;
  RingCompanion& ring_;
  bool trial_;
};
}  // namespace

// The thread runs code of this class until it ends, so it must end before the class does.
TMyThread::~TMyThread() { TerminateAndWait(); }

void TMyThread::Execute() {
  TGPFWinAmpControl& player = *DataModule->WinampControl;
  RingCompanion ring(player, player, [this] { return Terminated(); });
  ring_ = &ring;
  AlarmLoop(player, *this, zone_, *this, ring).Run();
  ring_ = nullptr;
}

SettingsRecord TMyThread::Settings() { return DataModule->Settings(); }

// The window runs its modal loop on this thread, which owns it, and frees itself.
int TMyThread::ShowSnoozeWindow() {
  // A window that cannot be shown answers as a closed one: the post-wake pause still
  // keeps the minute from firing twice.
  int answer = SnoozeAnswerDisabled;
  RingSnoozeTarget target(*DataModule, *ring_, trialRinging_);
  ShowingErrors([&] { answer = (new TFrmSnooze(nullptr, target))->ShowModal(); });
  ring_->UserAnswered();  // the close box answers too
  return answer;
}

void TMyThread::RequestTrialRing(const SettingsRecord& settings) {
  std::lock_guard<std::mutex> hold(trialLock_);
  trialRequest_ = settings;
}

std::optional<SettingsRecord> TMyThread::TakeTrialRing() {
  std::optional<SettingsRecord> trial;
  {
    std::lock_guard<std::mutex> hold(trialLock_);
    trial.swap(trialRequest_);
  }
  trialRinging_ = trial.has_value();
  return trial;
}

void TMyThread::RecordRing(const std::string& lastRung) { DataModule->RecordRing(lastRung); }

// Polls once a second: the loop plans afresh after each look, so changed settings and
// clock steps are seen within a second.
WaitEnd TMyThread::WaitUntil(std::optional<UtcMs> instant) {
  const UtcMs left = instant ? *instant - SystemNow() : PollPauseMs;
  if (left > 0) SleepUnlessTerminated(static_cast<unsigned>(left < PollPauseMs ? left : PollPauseMs));
  if (Terminated()) return WaitEnd::Stop;
  return instant && SystemNow() >= *instant ? WaitEnd::InstantCame : WaitEnd::SafetyPoll;
}

#include "core/AlarmWorker.h"

#include "core/DataModule.h"
#include "dialogs/SnoozeWindow.h"
#include "runtime/DebugTrace.h"
#include "runtime/ErrorBox.h"
#include "runtime/SystemChangeWindow.h"

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

// A dead alarm must not look alive: whatever ends the loop is shown.
void TMyThread::Execute() {
  ShowingErrors(
      [this] {
        const SystemChangeWindow systemChanges(DataModule->SettingsChangedEvent());
        TGPFWinAmpControl& player = *DataModule->WinampControl;
        RingCompanion ring(player, player, [this] { return Terminated(); });
        ring_ = &ring;
        AlarmLoop(player, *this, zone_, *this, ring).Run();
        ring_ = nullptr;
      },
      "Unknown error in the alarm; it is stopped");
  ring_ = nullptr;
  keepAwake_.Release();
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

void TMyThread::RecordRing(const std::string& lastRung) {
  if (Settings().VelWakeFromSleep) keepAwake_.Request();
  DataModule->RecordRing(lastRung);
}

namespace {
const char* WaitEndName(WaitEnd end) {
  switch (end) {
    case WaitEnd::InstantCame: return "timer";
    case WaitEnd::SafetyPoll: return "safety poll";
    case WaitEnd::Replan: return "re-plan";
    case WaitEnd::Stop: return "stop";
  }
  return "?";
}
}  // namespace

WaitEnd TMyThread::WaitUntil(std::optional<UtcMs> instant) {
  keepAwake_.Release();  // the ring before, if any, is over: answered, or its pause ended
  if (instant) {
    const bool wake = Settings().VelWakeFromSleep;
    const bool granted = timer_.SetAt(FileTimeTicksFromUtc(*instant), wake);
    DebugTrace(std::string("timer set, wake from sleep ") + (wake ? "asked" : "not asked") +
               (granted ? ", granted" : ", not granted"));
  } else {
    timer_.Cancel();
  }
  const DWORD woke = WaitHandlingMessages(SafetyPollMs);
  const WaitEnd end = woke == WAIT_OBJECT_0       ? WaitEnd::Stop
                      : woke == WAIT_OBJECT_0 + 1 ? WaitEnd::Replan
                      : woke == WAIT_OBJECT_0 + 2 ? WaitEnd::InstantCame
                                                  : WaitEnd::SafetyPoll;
  DebugTrace(std::string("wait ended: ") + WaitEndName(end));
  return end;
}

void TMyThread::Pause(unsigned milliseconds) {
  const DWORD began = GetTickCount();
  for (DWORD waited = 0; waited < milliseconds && !Terminated(); waited = GetTickCount() - began) {
    WaitHandlingMessages(milliseconds - waited);  // a settings change ends no pause: it keeps the minute quiet
  }
}

DWORD TMyThread::WaitHandlingMessages(DWORD milliseconds) {
  const HANDLE handles[] = {TerminateEvent(), DataModule->SettingsChangedEvent(), timer_.Handle()};
  const DWORD count = sizeof handles / sizeof handles[0];
  for (;;) {
    const DWORD woke = MsgWaitForMultipleObjects(count, handles, FALSE, milliseconds, QS_ALLINPUT);
    if (woke != WAIT_OBJECT_0 + count) return woke;
    DispatchWaitingMessages();
  }
}

#include "plugin/AlarmWorker.h"

#include "runtime/Callback.h"

#include "plugin/AlarmLoop.h"
#include "plugin/RingSession.h"
#include "plugin/SystemTimeZone.h"
#include "plugin/SystemVolumeDevice.h"
#include "runtime/DebugTrace.h"
#include "runtime/ErrorBox.h"
#include "runtime/KeepAwake.h"
#include "runtime/SystemChangeWindow.h"
#include "runtime/WakeTimer.h"

namespace {

// Long enough for a look at the player after the ring; the snooze window keeps its own.
constexpr UINT MaxKeepAwakeMs = 30 * 60 * 1000;
// A look now and then, in case a change went unheard (a clock set by a program that
// tells nobody).
constexpr DWORD SafetyPollMs = 10 * 1000;

const char* WaitEndName(WaitEnd end) {
  switch (end) {
    case WaitEnd::InstantCame:
      return "timer";
    case WaitEnd::SafetyPoll:
      return "safety poll";
    case WaitEnd::Replan:
      return "re-plan";
    case WaitEnd::Stop:
      return "stop";
  }
  return "?";
}

// An instant as the local "yyyy-mm-dd hh:nn:ss" of the system's time zone, for traces.
std::string LocalText(UtcMs instant) { return DateTimeText(SystemTimeZone().ToLocal(instant), ' ', true); }

// What the loop needs from the worker's thread: its stop request, its clock over the
// waitable timer, the record and trial rings. Lives on the thread's stack for the whole
// run, so its timers belong to that thread.
class WorkerServices : public AlarmHost, public WorkerClock {
 public:
  WorkerServices(TThread& thread, AlarmRecord& record, Callback<std::optional<SettingsRecord>()> takeTrial)
      : thread_(thread), record_(record), takeTrial_(std::move(takeTrial)) {}

  bool Terminated() const override { return thread_.Terminated(); }
  AlarmList Alarms() override { return record_.Alarms(); }
  UtcMs Now() override { return SystemNow(); }
  UtcMs WatchedSince(int number, const SettingsRecord& settings, UtcMs now) override {
    return record_.WatchedSince(number, settings, now);
  }
  void DropSnooze(int number) override { record_.DropSnooze(number); }
  void RecordPlan(int number, std::optional<UtcMs> ring) override { record_.RecordPlan(number, ring); }
  void ReportMissed(int number, UtcMs planned, MissReason reason) override {
    record_.ReportMissed(number, planned, reason);  // told first: the trace says the window has it
    DebugTrace("missed: alarm " + std::to_string(number) + " of " + LocalText(planned) + ", " + MissReasonText(reason));
  }

  void RecordRing(int number, const RingSlot& slot, UtcMs now) override {
    for (const NumberedAlarm& alarm : record_.Alarms())
      if (alarm.number == number && alarm.settings.VelWakeFromSleep) keepAwake_.Request();
    record_.RecordRing(number, slot, now);
  }

  std::int64_t TickMs() override {
    const DWORD tick = GetTickCount();  // counts sleep; wraps after 49 days, so only its steps are added
    tickMs_ += static_cast<DWORD>(tick - lastTick_);
    lastTick_ = tick;
    return tickMs_;
  }

  std::optional<SettingsRecord> TakeTrialRing() override { return takeTrial_(); }

  WaitEnd WaitUntil(std::optional<UtcMs> instant, bool wake) override {
    keepAwake_.Release();  // the ring before, if any, is over: answered, or its pause ended
    if (instant) {
      const bool granted = timer_.SetAt(FileTimeTicksFromUtc(*instant), wake);
      record_.NoteWakeRefused(wake && !granted);
      DebugTrace("next ring " + LocalText(*instant));
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

  void Pause(unsigned milliseconds) override {
    const DWORD began = GetTickCount();
    for (DWORD waited = 0; waited < milliseconds && !Terminated(); waited = GetTickCount() - began) {
      WaitHandlingMessages(milliseconds - waited);  // a settings change ends no pause: it keeps the minute quiet
    }
  }

 private:
  // Waits for the stop, a settings change or the timer, handling this thread's messages
  // meanwhile; WAIT_TIMEOUT after `milliseconds`.
  DWORD WaitHandlingMessages(DWORD milliseconds) {
    const HANDLE handles[] = {thread_.TerminateEvent(), record_.ChangedEvent(), timer_.Handle()};
    const DWORD count = sizeof handles / sizeof handles[0];
    for (;;) {
      const DWORD woke = MsgWaitForMultipleObjects(count, handles, FALSE, milliseconds, QS_ALLINPUT);
      if (woke != WAIT_OBJECT_0 + count) return woke;
      DispatchWaitingMessages();
    }
  }

  TThread& thread_;
  AlarmRecord& record_;
  Callback<std::optional<SettingsRecord>()> takeTrial_;
  WakeTimer timer_;
  KeepAwake keepAwake_{MaxKeepAwakeMs};
  DWORD lastTick_ = GetTickCount();
  std::int64_t tickMs_ = 0;
};

}  // namespace

AlarmWorker::AlarmWorker(PlayerCommands& player, PlayerProbe& probe, AlarmRecord& record, RingAnswers& answers)
    : thread_([this, &player, &probe, &record, &answers](TThread& thread) {
        // A dead alarm must not look alive: whatever ends the loop is shown.
        ShowingErrors(
            [&] {
              const SystemChangeWindow systemChanges(record.ChangedEvent());
              SystemTimeZone zone;
              SystemVolumeDevice systemVolume;
              RingSession ring(player, probe, systemVolume, answers, [&thread] { return thread.Terminated(); });
              WorkerServices services(thread, record, [this] { return TakeTrialRing(); });
              AlarmLoop(player, services, zone, services, ring).Run();
            },
            "Unknown error in the alarm; it is stopped");
      }) {
  thread_.Start();
}

void AlarmWorker::RequestTrialRing(const SettingsRecord& settings) {
  LockHolder hold(trialLock_);
  trialRequest_ = settings;
}

std::optional<SettingsRecord> AlarmWorker::TakeTrialRing() {
  std::optional<SettingsRecord> trial;
  LockHolder hold(trialLock_);
  trial.swap(trialRequest_);
  return trial;
}

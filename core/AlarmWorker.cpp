#include "core/AlarmWorker.h"

#include "core/AlarmLoop.h"
#include "core/SystemTimeZone.h"
#include "dialogs/SnoozeWindow.h"
#include "runtime/ErrorBox.h"

namespace {

// What the loop needs from the worker's thread: its stop request, its clock, the
// record and the snooze window. Lives on the thread's stack for the whole run.
class WorkerServices : public AlarmHost, public WorkerClock {
 public:
  WorkerServices(TThread& thread, AlarmRecord& record, SnoozeTarget& snoozeTarget)
      : thread_(thread), record_(record), snoozeTarget_(snoozeTarget) {}

  bool Terminated() const override { return thread_.Terminated(); }
  SettingsRecord Settings() override { return record_.Settings(); }
  void RecordRing(const std::string& lastRung) override { record_.RecordRing(lastRung); }
  UtcMs Now() override { return SystemNow(); }
  void Pause(unsigned milliseconds) override { thread_.SleepUnlessTerminated(milliseconds); }

  // Polls once a second: the loop plans afresh after each look, so changed settings and
  // clock steps are seen within a second.
  WaitEnd WaitUntil(std::optional<UtcMs> instant) override {
    const UtcMs left = instant ? *instant - SystemNow() : PollPauseMs;
    if (left > 0) Pause(static_cast<unsigned>(left < PollPauseMs ? left : PollPauseMs));
    if (Terminated()) return WaitEnd::Stop;
    return instant && SystemNow() >= *instant ? WaitEnd::InstantCame : WaitEnd::SafetyPoll;
  }

  // The window runs its modal loop on this thread, which owns it for the run.
  int ShowSnoozeWindow() override {
    // A window that cannot be shown answers as a closed one: the post-wake pause still
    // keeps the minute from firing twice.
    int answer = SnoozeAnswerDisabled;
    ShowingErrors([&] { answer = TFrmSnooze(nullptr, snoozeTarget_).ShowModal(); });
    return answer;
  }

 private:
  TThread& thread_;
  AlarmRecord& record_;
  SnoozeTarget& snoozeTarget_;
};

}  // namespace

TMyThread::TMyThread(PlayerCommands& player, AlarmRecord& record, SnoozeTarget& snoozeTarget)
    : thread_([&player, &record, &snoozeTarget](TThread& thread) {
        SystemTimeZone zone;
        WorkerServices services(thread, record, snoozeTarget);
        AlarmLoop(player, services, zone, services).Run();
      }) {
  thread_.Start();
}

#include "core/AlarmWorker.h"

#include "core/AlarmLoop.h"
#include "dialogs/SnoozeWindow.h"
#include "runtime/ErrorBox.h"
#include "runtime/LocalTime.h"

namespace {

// What the loop needs from the worker's thread: its stop request, its clock, the
// settings and the snooze window. Lives on the thread's stack for the whole run.
class WorkerServices : public AlarmHost, public WorkerClock {
 public:
  WorkerServices(TThread& thread, const std::function<SettingsRecord()>& settings, SnoozeTarget& snoozeTarget)
      : thread_(thread), settings_(settings), snoozeTarget_(snoozeTarget) {}

  bool Terminated() const override { return thread_.Terminated(); }
  SettingsRecord Settings() override { return settings_(); }
  TTime Now() override { return LocalTimeOfDay(); }
  void Pause(unsigned milliseconds) override { thread_.SleepUnlessTerminated(milliseconds); }

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
  const std::function<SettingsRecord()>& settings_;
  SnoozeTarget& snoozeTarget_;
};

}  // namespace

TMyThread::TMyThread(PlayerCommands& player, std::function<SettingsRecord()> settings, SnoozeTarget& snoozeTarget)
    : thread_([&player, settings = std::move(settings), &snoozeTarget](TThread& thread) {
        WorkerServices services(thread, settings, snoozeTarget);
        AlarmLoop(player, services, services).Run();
      }) {
  thread_.Start();
}

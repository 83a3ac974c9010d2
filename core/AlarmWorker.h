#pragma once
// The alarm worker: a thread that polls once a second and wakes the player.
#include "core/AlarmLoop.h"
#include "core/SystemTimeZone.h"
#include "runtime/Thread.h"

class Tdata;

class TMyThread : public TThread, private AlarmHost, private WorkerClock {
 public:
  TMyThread() = default;
  ~TMyThread() override;

  Tdata* DataModule = nullptr;  // set before the thread is started; not owned

 protected:
  void Execute() override;

 private:
  bool Terminated() const override { return TThread::Terminated(); }
  SettingsRecord Settings() override;
  void RecordRing(const std::string& lastRung) override;
  int ShowSnoozeWindow() override;
  UtcMs Now() override { return SystemNow(); }
  WaitEnd WaitUntil(std::optional<UtcMs> instant) override;
  void Pause(unsigned milliseconds) override { SleepUnlessTerminated(milliseconds); }

  SystemTimeZone zone_;
};

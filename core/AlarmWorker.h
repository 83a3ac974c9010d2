#pragma once
// The alarm worker: a thread that polls once a second and wakes the player.
#include "core/AlarmLoop.h"
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
  int ShowSnoozeWindow() override;
  TTime Now() override;
  void Pause(unsigned milliseconds) override { SleepUnlessTerminated(milliseconds); }
};

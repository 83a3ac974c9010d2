#pragma once
// The alarm worker: a thread that waits on a timer for the next ring, wakes the PC for it
// where allowed, and wakes the player.
#include <mutex>

#include "core/AlarmLoop.h"
#include "core/RingCompanion.h"
#include "core/SystemTimeZone.h"
#include "runtime/KeepAwake.h"
#include "runtime/Thread.h"
#include "runtime/WakeTimer.h"

class Tdata;

// Long enough for any snooze answer; a PC left ringing may then sleep again.
constexpr UINT MaxKeepAwakeMs = 30 * 60 * 1000;
// A look now and then, in case a change went unheard (a clock set by a program that
// tells nobody).
constexpr DWORD SafetyPollMs = 10 * 1000;

class TMyThread : public TThread, private AlarmHost, private WorkerClock {
 public:
  TMyThread() = default;
  ~TMyThread() override;

  Tdata* DataModule = nullptr;  // set before the thread is started; not owned

  // Any thread: the worker wakes and rings with `settings` at once.
  void RequestTrialRing(const SettingsRecord& settings);

 protected:
  void Execute() override;

 private:
  bool Terminated() const override { return TThread::Terminated(); }
  SettingsRecord Settings() override;
  void RecordRing(const std::string& lastRung) override;
  int ShowSnoozeWindow() override;
  std::optional<SettingsRecord> TakeTrialRing() override;
  UtcMs Now() override { return SystemNow(); }
  WaitEnd WaitUntil(std::optional<UtcMs> instant) override;
  void Pause(unsigned milliseconds) override;
  // Waits for the stop, a settings change or the timer, handling this thread's messages
  // meanwhile; WAIT_TIMEOUT after `milliseconds`.
  DWORD WaitHandlingMessages(DWORD milliseconds);

  SystemTimeZone zone_;
  WakeTimer timer_;
  KeepAwake keepAwake_{MaxKeepAwakeMs};
  std::mutex trialLock_;
  std::optional<SettingsRecord> trialRequest_;
  bool trialRinging_ = false;  // worker thread only: the ring under way is a trial
  RingCompanion* ring_ = nullptr;  // lives in Execute
};

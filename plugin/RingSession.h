#pragma once
// A ring's life beside the worker: the fade and the fallback check, and the snooze window
// on a thread of its own that keeps the PC awake while the window waits for an answer.
// The worker hands a ring over and goes back to planning; a ring that comes while the
// window is still up rings as usual and the one window then answers for it.
#include <memory>
#include <string>

#include "plugin/AlarmLoop.h"
#include "plugin/RingCompanion.h"
#include "runtime/Lock.h"

class TThread;

constexpr std::uint8_t SnoozeVolume = 50;  // of 255: the dialog calls it 19%

// What the snooze window's answers change of the alarm that rang.
class RingAnswers {
 public:
  virtual ~RingAnswers() = default;
  // SNOOZE pressed at `pressed`: one more ring of alarm `number` after its snooze length.
  virtual void Snooze(int number, UtcMs pressed) = 0;
  // DISABLE or the close box: this ring and any snooze of it are over; the alarm stays armed.
  virtual void EndRing(int number) = 0;
};

class RingSession : public RingSteps {
 public:
  RingSession(PlayerCommands& player, PlayerProbe& probe, SystemVolume& systemVolume, RingAnswers& answers,
              Callback<bool()> quitting);
  // The player quits: the window closes at once without an answer, the fade jumps to its target.
  ~RingSession() override;

  void BeforePlay(const SettingsRecord& settings) override { companion_.BeforePlay(settings); }
  void AfterPlay(const SettingsRecord& settings, bool foundPlaying, int alarmNumber) override;

 private:
  // The window thread's body: the window, modal on that thread, then its answer.
  void RunWindow(bool keepAwake, const std::string& caption);
  void Answer(int answer);
  // A ring nobody answered has reached its time limit: the window closes as DISABLE would.
  void TimeUp();

  PlayerCommands& player_;
  RingAnswers& answers_;
  RingCompanion companion_;
  Lock lock_;
  bool windowUp_ = false;    // from the ring that opens it until its answer is taken
  int ringing_ = TrialRing;  // the alarm the window answers for: the latest ring's
  bool closing_ = false;     // the player quits: answers change nothing
  HWND window_ = nullptr;    // once the window exists, for closing it from the worker
  std::unique_ptr<TThread> windowThread_;
};

#include "core/AlarmWorker.h"

#include "core/DataModule.h"
#include "dialogs/SnoozeWindow.h"
#include "runtime/ErrorBox.h"

// The thread runs code of this class until it ends, so it must end before the class does.
TMyThread::~TMyThread() { TerminateAndWait(); }

void TMyThread::Execute() { AlarmLoop(*DataModule->WinampControl, *this, zone_, *this).Run(); }

SettingsRecord TMyThread::Settings() { return DataModule->Settings(); }

// The window runs its modal loop on this thread, which owns it, and frees itself.
int TMyThread::ShowSnoozeWindow() {
  // A window that cannot be shown answers as a closed one: the post-wake pause still
  // keeps the minute from firing twice.
  int answer = SnoozeAnswerDisabled;
  ShowingErrors([&] { answer = (new TFrmSnooze(nullptr, *DataModule))->ShowModal(); });
  return answer;
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

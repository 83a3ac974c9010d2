#include "core/AlarmWorker.h"

#include "core/DataModule.h"
#include "dialogs/SnoozeWindow.h"
#include "runtime/DebugTrace.h"
#include "runtime/ErrorBox.h"
#include "runtime/SystemChangeWindow.h"

// The thread runs code of this class until it ends, so it must end before the class does.
TMyThread::~TMyThread() { TerminateAndWait(); }

// A dead alarm must not look alive: whatever ends the loop is shown.
void TMyThread::Execute() {
  ShowingErrors(
      [this] {
        const SystemChangeWindow systemChanges(DataModule->SettingsChangedEvent());
        AlarmLoop(*DataModule->WinampControl, *this, zone_, *this).Run();
      },
      "Unknown error in the alarm; it is stopped");
  keepAwake_.Release();
}

SettingsRecord TMyThread::Settings() { return DataModule->Settings(); }

// The window runs its modal loop on this thread, which owns it, and frees itself.
int TMyThread::ShowSnoozeWindow() {
  // A window that cannot be shown answers as a closed one: the post-wake pause still
  // keeps the minute from firing twice.
  int answer = SnoozeAnswerDisabled;
  ShowingErrors([&] { answer = (new TFrmSnooze(nullptr, *DataModule))->ShowModal(); });
  return answer;
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

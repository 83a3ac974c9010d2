#include "core/AlarmWorker.h"

#include "core/DataModule.h"
#include "dialogs/SnoozeWindow.h"
#include "runtime/ErrorBox.h"
#include "runtime/LocalTime.h"

// The thread runs code of this class until it ends, so it must end before the class does.
TMyThread::~TMyThread() { TerminateAndWait(); }

void TMyThread::Execute() { AlarmLoop(*DataModule->WinampControl, *this, *this).Run(); }

SettingsRecord TMyThread::Settings() { return DataModule->Settings(); }

// The window runs its modal loop on this thread, which owns it, and frees itself.
int TMyThread::ShowSnoozeWindow() {
  // A window that cannot be shown answers as a closed one: the post-wake pause still
  // keeps the minute from firing twice.
  int answer = SnoozeAnswerDisabled;
  ShowingErrors([&] { answer = (new TFrmSnooze(nullptr, *DataModule))->ShowModal(); });
  return answer;
}

TTime TMyThread::Now() { return LocalTimeOfDay(); }

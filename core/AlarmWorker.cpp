#include "core/AlarmWorker.h"

#include "core/DataModule.h"
#include "runtime/LocalTime.h"

// The thread runs code of this class until it ends, so it must end before the class does.
TMyThread::~TMyThread() { TerminateAndWait(); }

void TMyThread::Execute() { AlarmLoop(*DataModule->WinampControl, *this, *this).Run(); }

SettingsRecord TMyThread::Settings() { return DataModule->Settings(); }

// Until the snooze window exists, a wake-up with snoozing on answers as a closed
// window does, so it is followed by the post-wake pause.
int TMyThread::ShowSnoozeWindow() { return SnoozeAnswerDisabled; }

TTime TMyThread::Now() { return LocalTimeOfDay(); }

#include "tools/player-sim/AbnormalEnd.h"

#include <windows.h>

#include "tools/player-sim/ExitCodes.h"
#include "tools/player-sim/LogText.h"
#include "tools/player-sim/SimLog.h"

namespace {
SimLog* crashLog = nullptr;

LONG WINAPI OnUnhandledException(EXCEPTION_POINTERS* exception) {
  const EXCEPTION_RECORD* record = exception ? exception->ExceptionRecord : nullptr;
  if (crashLog && record) {
    EndProcessNow(*crashLog,
                  Format("crash: exception 0x%08lx at %s on thread %lu", record->ExceptionCode,
                         HexAddress(record->ExceptionAddress).c_str(), GetCurrentThreadId()),
                  ExitCrashed);
  }
  return EXCEPTION_CONTINUE_SEARCH;
}
}  // namespace

void EndProcessNow(SimLog& log, const std::string& reason, int exitCode) {
  log.Line(reason);
  log.Line(Format("exit %d", exitCode));
  TerminateProcess(GetCurrentProcess(), static_cast<UINT>(exitCode));
  // Terminating the own process does not return.
  __builtin_unreachable();
}

void ReportCrashes(SimLog& log) {
  crashLog = &log;
  SetUnhandledExceptionFilter(OnUnhandledException);
}

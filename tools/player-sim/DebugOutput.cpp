#include "tools/player-sim/DebugOutput.h"

#include <windows.h>

#include <string>

#include "tools/player-sim/LogText.h"
#include "tools/player-sim/SimLog.h"

namespace {
SimLog* debugLog = nullptr;

// OutputDebugStringA raises this exception with the text's length and address; a
// vectored handler sees it before the system's own handler swallows it.
LONG WINAPI OnException(EXCEPTION_POINTERS* exception) {
  const EXCEPTION_RECORD* record = exception ? exception->ExceptionRecord : nullptr;
  if (debugLog && record && record->ExceptionCode == DBG_PRINTEXCEPTION_C && record->NumberParameters >= 2) {
    const auto* text = reinterpret_cast<const char*>(record->ExceptionInformation[1]);
    std::string line(text ? text : "");
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
    debugLog->Line("debug output " + Quoted(line));
  }
  return EXCEPTION_CONTINUE_SEARCH;
}
}  // namespace

void LogDebugOutput(SimLog& log) {
  debugLog = &log;
  AddVectoredExceptionHandler(1, OnException);
}

#include "tools/player-sim/CallLimit.h"

#include <windows.h>

#include "runtime/ScopedHandles.h"
#include "runtime/SystemError.h"
#include "tools/player-sim/AbnormalEnd.h"
#include "tools/player-sim/ExitCodes.h"
#include "tools/player-sim/LogText.h"
#include "tools/player-sim/SimLog.h"

namespace {
// A thread that does not start or end within this is itself stuck; the guard gives up on it.
constexpr DWORD WatcherStartStopMs = 5000;
}  // namespace

struct CallLimit::Watch {
  SimLog* log;
  std::string call;
  unsigned long limitMs;
  ScopedHandle started{CreateEventA(nullptr, TRUE, FALSE, nullptr)};
  ScopedHandle returned{CreateEventA(nullptr, TRUE, FALSE, nullptr)};
  ScopedHandle thread;
};

namespace {
DWORD WINAPI WatchCall(void* parameter) {
  // The watch is shared with the guard, so it outlives whichever of the two ends first.
  const std::unique_ptr<std::shared_ptr<CallLimit::Watch>> owned(
      static_cast<std::shared_ptr<CallLimit::Watch>*>(parameter));
  const std::shared_ptr<CallLimit::Watch> watch = *owned;
  try {
    SetEvent(watch->started.Get());
    if (WaitForSingleObject(watch->returned.Get(), watch->limitMs) == WAIT_TIMEOUT) {
      EndProcessNow(*watch->log,
                    Format("hang: %s did not return within %lu ms", watch->call.c_str(), watch->limitMs),
                    ExitPluginCallHung);
    }
  } catch (...) {
    // Only the log can throw here; the watch then simply ends.
  }
  return 0;
}
}  // namespace

CallLimit::CallLimit(SimLog& log, const std::string& call, unsigned long limitMs) {
  if (limitMs == 0) return;
  auto watch = std::make_shared<Watch>();
  watch->log = &log;
  watch->call = call;
  watch->limitMs = limitMs;
  if (!watch->started || !watch->returned) {
    log.Line(Format("%s runs without a time limit: %s", call.c_str(), SystemErrorText(GetLastError()).c_str()));
    return;
  }
  auto* parameter = new std::shared_ptr<Watch>(watch);
  watch->thread = ScopedHandle(CreateThread(nullptr, 0, WatchCall, parameter, 0, nullptr));
  if (!watch->thread) {
    delete parameter;
    log.Line(Format("%s runs without a time limit: %s", call.c_str(), SystemErrorText(GetLastError()).c_str()));
    return;
  }
  if (WaitForSingleObject(watch->started.Get(), WatcherStartStopMs) != WAIT_OBJECT_0) {
    log.Line(Format("%s runs without a time limit: the watcher did not start", call.c_str()));
  }
  watch_ = watch;
}

CallLimit::~CallLimit() {
  if (!watch_) return;
  SetEvent(watch_->returned.Get());
  WaitForSingleObject(watch_->thread.Get(), WatcherStartStopMs);
}

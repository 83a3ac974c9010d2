#include "tools/player-sim/BoxDismisser.h"

#include <windows.h>

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "runtime/ScopedHandles.h"
#include "runtime/SystemError.h"
#include "tools/player-sim/LogText.h"
#include "tools/player-sim/SimLog.h"
#include "tools/player-sim/WindowText.h"

namespace {
constexpr DWORD ScanIntervalMs = 50;
// A box that ignored one OK gets another after this.
constexpr DWORD RepeatOkMs = 1000;
constexpr DWORD WatcherStartStopMs = 5000;
constexpr int MessageTextControlId = 0xFFFF;
}  // namespace

struct BoxDismisser::Watch {
  SimLog* log;
  ScopedHandle started{CreateEventA(nullptr, TRUE, FALSE, nullptr)};
  ScopedHandle stop{CreateEventA(nullptr, TRUE, FALSE, nullptr)};
  ScopedHandle thread;
  std::map<HWND, ULONGLONG> lastOk;  // boxes seen, and when they were last sent OK
};

namespace {
BOOL CALLBACK CollectOwnDialogBox(HWND window, LPARAM boxes) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  char className[16] = {};
  // Hidden boxes are still being filled in; they are taken once shown.
  if (process == GetCurrentProcessId() && IsWindowVisible(window) &&
      GetClassNameA(window, className, sizeof className) && std::string(className) == "#32770") {
    reinterpret_cast<std::vector<HWND>*>(boxes)->push_back(window);
  }
  return TRUE;
}

void CloseWithOk(HWND box) {
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
}

void Scan(BoxDismisser::Watch& watch) {
  std::vector<HWND> boxes;
  EnumWindows(CollectOwnDialogBox, reinterpret_cast<LPARAM>(&boxes));
  std::map<HWND, ULONGLONG> stillOpen;
  const ULONGLONG now = GetTickCount64();
  for (const HWND box : boxes) {
    const auto seen = watch.lastOk.find(box);
    if (seen == watch.lastOk.end()) {
      watch.log->Line("message box " + Quoted(WindowText(box)) + ": " +
                      Quoted(WindowText(GetDlgItem(box, MessageTextControlId))));
      const HWND owner = GetWindow(box, GW_OWNER);
      watch.log->Line("box owner " + (owner ? Quoted(WindowText(owner)) : std::string("none")));
    } else if (now - seen->second < RepeatOkMs) {
      stillOpen[box] = seen->second;
      continue;
    }
    CloseWithOk(box);
    stillOpen[box] = now;
  }
  watch.lastOk.swap(stillOpen);
}

DWORD WINAPI WatchForBoxes(void* parameter) {
  const std::unique_ptr<std::shared_ptr<BoxDismisser::Watch>> owned(
      static_cast<std::shared_ptr<BoxDismisser::Watch>*>(parameter));
  const std::shared_ptr<BoxDismisser::Watch> watch = *owned;
  SetEvent(watch->started.Get());
  try {
    while (WaitForSingleObject(watch->stop.Get(), ScanIntervalMs) == WAIT_TIMEOUT) Scan(*watch);
  } catch (const std::exception& error) {
    watch->log->Line(Format("box watcher stopped: %s", error.what()));
  } catch (...) {
    watch->log->Line("box watcher stopped: unknown exception");
  }
  return 0;
}
}  // namespace

BoxDismisser::BoxDismisser(SimLog& log) : watch_(std::make_shared<Watch>()) {
  watch_->log = &log;
  if (!watch_->started || !watch_->stop) {
    throw std::runtime_error("cannot watch for dialog boxes: " + SystemErrorText(GetLastError()));
  }
  auto* parameter = new std::shared_ptr<Watch>(watch_);
  watch_->thread = ScopedHandle(CreateThread(nullptr, 0, WatchForBoxes, parameter, 0, nullptr));
  if (!watch_->thread) {
    delete parameter;
    throw std::runtime_error("cannot watch for dialog boxes: " + SystemErrorText(GetLastError()));
  }
  if (WaitForSingleObject(watch_->started.Get(), WatcherStartStopMs) != WAIT_OBJECT_0) {
    SetEvent(watch_->stop.Get());
    throw std::runtime_error("cannot watch for dialog boxes: the watcher did not start");
  }
  log.Line("watching for dialog boxes");
}

BoxDismisser::~BoxDismisser() {
  SetEvent(watch_->stop.Get());
  WaitForSingleObject(watch_->thread.Get(), WatcherStartStopMs);
}

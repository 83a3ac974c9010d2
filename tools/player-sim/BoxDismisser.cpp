#include "tools/player-sim/BoxDismisser.h"

#include <windows.h>

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/player-sim/LogText.h"
#include "tools/player-sim/SimLog.h"
#include "tools/player-sim/WindowText.h"

namespace {
constexpr DWORD ScanIntervalMs = 50;
// A box that ignored one OK gets another after this.
constexpr DWORD RepeatOkMs = 1000;
constexpr int MessageTextControlId = 0xFFFF;

// The boxes seen, and when they were last sent OK.
using BoxesSeen = std::map<HWND, ULONGLONG>;

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

void Scan(SimLog& log, BoxesSeen& lastOk) {
  std::vector<HWND> boxes;
  EnumWindows(CollectOwnDialogBox, reinterpret_cast<LPARAM>(&boxes));
  BoxesSeen stillOpen;
  const ULONGLONG now = GetTickCount64();
  for (const HWND box : boxes) {
    const auto seen = lastOk.find(box);
    if (seen == lastOk.end()) {
      log.Line("message box " + Quoted(WindowText(box)) + ": " +
               Quoted(WindowText(GetDlgItem(box, MessageTextControlId))));
      const HWND owner = GetWindow(box, GW_OWNER);
      log.Line("box owner " + (owner ? Quoted(WindowText(owner)) : std::string("none")));
    } else if (now - seen->second < RepeatOkMs) {
      stillOpen[box] = seen->second;
      continue;
    }
    CloseWithOk(box);
    stillOpen[box] = now;
  }
  lastOk.swap(stillOpen);
}

void WatchForBoxes(SimLog& log, HANDLE stop) {
  BoxesSeen lastOk;
  try {
    while (WaitForSingleObject(stop, ScanIntervalMs) == WAIT_TIMEOUT) Scan(log, lastOk);
  } catch (const std::exception& error) {
    log.Line(Format("box watcher stopped: %s", error.what()));
  } catch (...) {
    log.Line("box watcher stopped: unknown exception");
  }
}
}  // namespace

BoxDismisser::BoxDismisser(SimLog& log) {
  const std::string failure = watcher_.Start([&log](HANDLE stop) { WatchForBoxes(log, stop); });
  if (!failure.empty()) throw std::runtime_error("cannot watch for dialog boxes: " + failure);
  log.Line("watching for dialog boxes");
}

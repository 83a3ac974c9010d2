#include "tools/player-sim/UiScript.h"

#include <map>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "tools/common/WindowCapture.h"
#include "tools/player-sim/LogText.h"
#include "tools/player-sim/OwnedHandle.h"
#include "tools/player-sim/SimLog.h"
#include "tools/player-sim/WindowText.h"

namespace {
constexpr DWORD WindowWaitMs = 15000;
constexpr DWORD StepSettleMs = 150;  // lets the target thread handle what was posted
constexpr DWORD FinishWaitMs = 60000;

struct Search {
  std::string text;
  HWND found = nullptr;
};

BOOL CALLBACK FindOwnTopLevel(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == GetCurrentProcessId() && IsWindowVisible(window) && WindowText(window) == search->text) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK FindChild(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  if (IsWindowVisible(window) && WindowText(window) == search->text) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

const std::map<std::string, WORD>& KeyNames() {
  static const std::map<std::string, WORD> keys = {
      {"space", VK_SPACE}, {"tab", VK_TAB},   {"enter", VK_RETURN}, {"escape", VK_ESCAPE},
      {"up", VK_UP},       {"down", VK_DOWN}, {"pageup", VK_PRIOR}, {"pagedown", VK_NEXT},
      {"f4", VK_F4}};
  return keys;
}

HWND FocusOf(HWND window) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  if (window && GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) && info.hwndFocus)
    return info.hwndFocus;
  return window;
}
}  // namespace

struct UiScript::Run {
  SimLog* log;
  std::string steps;
  HWND current = nullptr;
  OwnedHandle thread;

  HWND Control(const std::string& text) {
    Search search{text};
    EnumChildWindows(current, &FindChild, reinterpret_cast<LPARAM>(&search));
    if (!search.found) throw std::runtime_error("no control shows " + Quoted(text));
    return search.found;
  }

  void Mouse(HWND control, UINT down, UINT up, WPARAM held) {
    RECT r;
    GetClientRect(control, &r);
    const LPARAM middle = MAKELPARAM(r.right / 2, r.bottom / 2);
    PostMessageA(control, WM_MOUSEMOVE, 0, middle);
    if (down) PostMessageA(control, down, held, middle);
    if (up) PostMessageA(control, up, 0, middle);
  }

  void Step(const std::string& step) {
    std::istringstream words(step);
    std::string verb;
    words >> verb;
    std::string rest;
    std::getline(words >> std::ws, rest);
    log->Line("ui: " + step);
    if (verb == "window") {
      const DWORD start = GetTickCount();
      Search search{rest};
      while (!search.found && GetTickCount() - start < WindowWaitMs) {
        EnumWindows(&FindOwnTopLevel, reinterpret_cast<LPARAM>(&search));
        if (!search.found) Sleep(50);
      }
      if (!search.found) throw std::runtime_error("no window titled " + Quoted(rest));
      current = search.found;
      Sleep(StepSettleMs * 2);  // the window paints and takes the focus
      return;
    }
    if (!current) throw std::runtime_error("no window chosen yet");
    if (verb == "click") {
      Mouse(Control(rest), WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON);
    } else if (verb == "click-at") {
      std::istringstream at(rest);
      POINT p = {0, 0};
      at >> p.x >> p.y;
      HWND control = current;
      // Down to the innermost control under the point, in its own client coordinates.
      for (HWND child; (child = ChildWindowFromPointEx(control, p, CWP_SKIPINVISIBLE)) && child != control;) {
        MapWindowPoints(control, child, &p, 1);
        control = child;
      }
      const LPARAM point = MAKELPARAM(p.x, p.y);
      PostMessageA(control, WM_MOUSEMOVE, 0, point);
      PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, point);
      PostMessageA(control, WM_LBUTTONUP, 0, point);
    } else if (verb == "rclick") {
      Mouse(Control(rest), WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON);
    } else if (verb == "hover") {
      Mouse(Control(rest), 0, 0, 0);
    } else if (verb == "key") {
      const auto named = KeyNames().find(rest);
      const WORD key = named != KeyNames().end() ? named->second : static_cast<WORD>(VkKeyScanA(rest.at(0)) & 0xFF);
      HWND target = FocusOf(current);
      PostMessageA(target, WM_KEYDOWN, key, 1);
      if (key == VK_SPACE) PostMessageA(target, WM_CHAR, ' ', 1);
      PostMessageA(target, WM_KEYUP, key, 0xC0000001);
    } else if (verb == "alt") {
      PostMessageA(FocusOf(current), WM_SYSCHAR, static_cast<unsigned char>(rest.at(0)), 0x20000001);
    } else if (verb == "type") {
      HWND target = FocusOf(current);
      for (char c : rest) PostMessageA(target, WM_CHAR, static_cast<unsigned char>(c), 1);
    } else if (verb == "field") {
      std::istringstream parts(rest);
      int id = 0;
      parts >> id;
      std::string text;
      std::getline(parts >> std::ws, text);
      if (!SetDlgItemTextA(current, id, text.c_str())) throw std::runtime_error("no item " + std::to_string(id));
    } else if (verb == "press") {
      PostMessageA(current, WM_COMMAND, MAKEWPARAM(std::stoi(rest), BN_CLICKED), 0);
    } else if (verb == "state") {
      HWND control = Control(rest);
      DWORD_PTR check = 0;
      SendMessageTimeoutA(control, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 1000, &check);
      log->Line("ui: " + Quoted(rest) + (check == BST_CHECKED ? " checked" : " unchecked") +
                (IsWindowEnabled(control) ? ", enabled" : ", disabled"));
      return;
    } else if (verb == "shot") {
      SaveWindowImage(current, true, rest);
    } else if (verb == "close") {
      PostMessageA(current, WM_CLOSE, 0, 0);
    } else if (verb == "sleep") {
      Sleep(static_cast<DWORD>(std::stoul(rest)));
      return;
    } else {
      throw std::runtime_error("unknown step");
    }
    Sleep(StepSettleMs);
  }

  static DWORD WINAPI Main(void* self) {
    auto* run = static_cast<Run*>(self);
    std::istringstream steps(run->steps);
    std::string step;
    try {
      while (std::getline(steps, step, ';')) {
        step.erase(0, step.find_first_not_of(' '));
        if (!step.empty()) run->Step(step);
      }
      run->log->Line("ui: done");
    } catch (const std::exception& error) {
      run->log->Line("ui failed: " + step + ": " + error.what());
    }
    return 0;
  }
};

UiScript::UiScript(SimLog& log, const std::string& steps) : run_(std::make_unique<Run>()) {
  run_->log = &log;
  run_->steps = steps;
  run_->thread = OwnedHandle(CreateThread(nullptr, 0, &Run::Main, run_.get(), 0, nullptr));
  if (!run_->thread.Get()) throw std::runtime_error("cannot start the ui script");
}

UiScript::~UiScript() {
  // A script still stuck after this long keeps its state: its thread may yet touch it.
  if (WaitForSingleObject(run_->thread.Get(), FinishWaitMs) == WAIT_TIMEOUT) run_.release();
}

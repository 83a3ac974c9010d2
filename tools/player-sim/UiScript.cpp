#include "tools/player-sim/UiScript.h"

#include <atomic>
#include <functional>
#include <map>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <utility>

#include "runtime/ScopedHandles.h"
#include "runtime/WideText.h"
#include "tools/common/WindowCapture.h"
#include "tools/player-sim/ChildWindows.h"
#include "tools/player-sim/LogText.h"
#include "tools/player-sim/PlayerWindow.h"
#include "tools/player-sim/ScreenReader.h"
#include "tools/player-sim/SimLog.h"
#include "tools/player-sim/UiMenuSteps.h"
#include "tools/player-sim/UiWaits.h"
#include "tools/player-sim/WindowText.h"

namespace {
constexpr DWORD FinishWaitMs = 60000;
constexpr int MostTabStops = 60;  // more than any of the plug-in's windows has

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

BOOL CALLBACK RepaintNow(HWND window, LPARAM) {
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  return TRUE;
}

const std::map<std::string, WORD>& KeyNames() {
  static const std::map<std::string, WORD> keys = {{"space", VK_SPACE},   {"tab", VK_TAB},       {"enter", VK_RETURN},
                                                   {"escape", VK_ESCAPE}, {"up", VK_UP},         {"down", VK_DOWN},
                                                   {"pageup", VK_PRIOR},  {"pagedown", VK_NEXT}, {"f4", VK_F4}};
  return keys;
}

HWND FocusOf(HWND window) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  if (window && GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) && info.hwndFocus)
    return info.hwndFocus;
  return window;
}

bool Checked(HWND control) {
  DWORD_PTR check = 0;
  SendMessageTimeoutA(control, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 1000, &check);
  return check == BST_CHECKED;
}

// The states a "wait" step can wait for.
const std::map<std::string, std::function<bool(HWND)>>& ControlStates() {
  static const std::map<std::string, std::function<bool(HWND)>> states = {
      {"checked", [](HWND control) { return Checked(control); }},
      {"unchecked", [](HWND control) { return !Checked(control); }},
      {"enabled", [](HWND control) { return IsWindowEnabled(control) != FALSE; }},
      {"disabled", [](HWND control) { return !IsWindowEnabled(control); }}};
  return states;
}

std::string FirstWord(std::string& text) {
  const auto space = text.find(' ');
  std::string word = text.substr(0, space);
  text = space == std::string::npos ? std::string() : text.substr(space + 1);
  return word;
}
}  // namespace

struct UiScript::Run {
  Run(SimLog& log, PlayerWindow& player, std::string steps)
      : log(&log), player(&player), steps(std::move(steps)), menus(log, waits, player) {}

  SimLog* log;
  PlayerWindow* player;
  std::string steps;
  HWND current = nullptr;
  std::atomic<bool> stopping{false};
  UiWaits waits{stopping};
  UiMenuSteps menus;
  ScopedHandle thread;

  void MustBecome(const std::function<bool()>& condition) { waits.MustBecome(condition); }
  void Settle(HWND window) { waits.Settle(window); }

  HWND FindControl(const std::string& text) const {
    for (HWND child : VisibleChildren(current))
      if (WindowText(child) == text) return child;
    return nullptr;
  }

  bool ShowsTextStarting(const std::string& prefix) const {
    for (HWND child : VisibleChildren(current))
      if (WindowText(child).compare(0, prefix.size(), prefix) == 0) return true;
    return false;
  }

  void LogTexts() const {
    for (HWND child : VisibleChildren(current)) {
      const std::string text = WindowText(child);
      if (!text.empty()) log->Line("ui: text " + Quoted(text));
    }
  }

  // The player's thread calls config, as when its user opens the plug-in's preferences.
  void OpenConfig() {
    ConfigRequests& calls = player->ConfigCalls();
    const unsigned ticket = calls.Post(player->Handle());
    std::optional<std::string> outcome;
    MustBecome([&] { return (outcome = calls.Outcome(ticket)).has_value(); });
    if (!outcome->empty()) throw std::runtime_error(*outcome);
  }

  HWND Control(const std::string& text) const {
    HWND control = FindControl(text);
    if (!control) throw std::runtime_error("no control shows " + Quoted(text));
    return control;
  }

  bool CurrentGone() const { return !IsWindow(current) || !IsWindowVisible(current); }

  void Mouse(HWND control, UINT down, UINT up, WPARAM held) {
    RECT r;
    GetClientRect(control, &r);
    const LPARAM middle = MAKELPARAM(r.right / 2, r.bottom / 2);
    PostMessageA(control, WM_MOUSEMOVE, 0, middle);
    if (down) PostMessageA(control, down, held, middle);
    if (up) PostMessageA(control, up, 0, middle);
    Settle(control);
  }

  void ClickAt(const std::string& where) {
    std::istringstream at(where);
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
    Settle(control);
  }

  void Key(const std::string& name) {
    const auto named = KeyNames().find(name);
    const WORD key = named != KeyNames().end() ? named->second : static_cast<WORD>(VkKeyScanA(name.at(0)) & 0xFF);
    HWND target = FocusOf(current);
    PostMessageA(target, WM_KEYDOWN, key, 1);
    if (key == VK_SPACE) PostMessageA(target, WM_CHAR, ' ', 1);
    PostMessageA(target, WM_KEYUP, key, 0xC0000001);
    Settle(target);
  }

  // Presses Tab until the focused control's accessible name is `name`, as a screen
  // reader's user listens for it.
  void TabTo(const std::string& name) {
    for (int presses = 0; presses <= MostTabStops; ++presses) {
      Settle(current);
      if (AccessibleName(FocusOf(current)) == name) return;
      Key("tab");
    }
    throw std::runtime_error("Tab never reaches " + Quoted(name));
  }

  // Presses Tab until the focus is back where it started, logging each stop.
  void TabCycle() {
    Settle(current);
    HWND start = FocusOf(current);
    for (int presses = 0; presses < MostTabStops; ++presses) {
      Key("tab");
      HWND now = FocusOf(current);
      log->Line("ui: tab " + AccessibleSummary(now));
      if (now == start) return;
    }
    throw std::runtime_error("Tab never comes back to where it started");
  }

  void ChooseWindow(const std::string& title) {
    Search search{title};
    const auto found = [&] {
      EnumWindows(&FindOwnTopLevel, reinterpret_cast<LPARAM>(&search));
      return search.found != nullptr;
    };
    if (!waits.Until(found, StepDeadlineMs)) throw std::runtime_error("no window titled " + Quoted(title));
    current = search.found;
    Settle(current);  // its thread has set the focus and entered its message loop
  }

  void Wait(std::string what) {
    const std::string kind = FirstWord(what);
    if (kind == "log") {
      MustBecome([&] { return log->HasLine(what); });
    } else if (kind == "text") {
      MustBecome([&] { return ShowsTextStarting(what); });
    } else if (kind == "gone") {
      MustBecome([&] { return CurrentGone(); });
    } else {
      const auto state = ControlStates().find(kind);
      if (state == ControlStates().end()) throw std::runtime_error("cannot wait for " + Quoted(kind));
      MustBecome([&] {
        HWND control = FindControl(what);
        return control && state->second(control);
      });
    }
  }

  void Step(const std::string& step) {
    std::string rest = step;
    const std::string verb = FirstWord(rest);
    log->Line("ui: " + step);
    if (verb == "window") return ChooseWindow(rest);
    if (verb == "wait") return Wait(rest);
    if (verb == "config") return OpenConfig();
    if (verb == "menu") return menus.Run(rest);
    if (verb == "subclass") return player->SubclassAsAnotherPlugin();
    if (verb == "shot-screen") return SaveWindowImage(GetDesktopWindow(), true, rest);
    if (verb == "sleep") {
      waits.Until([] { return false; }, static_cast<DWORD>(std::stoul(rest)));
      return;
    }
    if (!current) throw std::runtime_error("no window chosen yet");
    if (verb == "click") {
      Mouse(Control(rest), WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON);
    } else if (verb == "click-at") {
      ClickAt(rest);
    } else if (verb == "rclick") {
      Mouse(Control(rest), WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON);
    } else if (verb == "hover") {
      Mouse(Control(rest), 0, 0, 0);
    } else if (verb == "key") {
      Key(rest);
    } else if (verb == "alt") {
      HWND target = FocusOf(current);
      PostMessageA(target, WM_SYSCHAR, static_cast<unsigned char>(rest.at(0)), 0x20000001);
      Settle(target);
    } else if (verb == "type") {
      HWND target = FocusOf(current);
      // UTF-16 units, as the keyboard gives a Unicode window any character.
      for (const wchar_t unit : WideFromUtf8(rest)) PostMessageW(target, WM_CHAR, unit, 1);
      Settle(target);
    } else if (verb == "field") {
      std::istringstream parts(rest);
      int id = 0;
      parts >> id;
      std::string text;
      std::getline(parts >> std::ws, text);
      if (!SetDlgItemTextA(current, id, text.c_str())) throw std::runtime_error("no item " + std::to_string(id));
    } else if (verb == "press") {
      PostMessageA(current, WM_COMMAND, MAKEWPARAM(std::stoi(rest), BN_CLICKED), 0);
      Settle(current);
    } else if (verb == "state") {
      HWND control = Control(rest);
      log->Line("ui: " + Quoted(rest) + (Checked(control) ? " checked" : " unchecked") +
                (IsWindowEnabled(control) ? ", enabled" : ", disabled"));
    } else if (verb == "accessible") {
      Settle(current);
      LogAccessibleTree(*log, current);
    } else if (verb == "focus") {
      Settle(current);
      log->Line("ui: focus " + AccessibleSummary(FocusOf(current)));
    } else if (verb == "tab-to") {
      TabTo(rest);
    } else if (verb == "tab-cycle") {
      TabCycle();
    } else if (verb == "texts") {
      Settle(current);
      LogTexts();
    } else if (verb == "shot") {
      Settle(current);
      EnumThreadWindows(GetWindowThreadProcessId(current, nullptr), &RepaintNow, 0);
      SaveWindowImage(current, true, rest);
    } else if (verb == "close") {
      PostMessageA(current, WM_CLOSE, 0, 0);
      MustBecome([&] { return CurrentGone(); });
    } else {
      throw std::runtime_error("unknown step");
    }
  }

  static DWORD WINAPI Main(void* self) {
    auto* run = static_cast<Run*>(self);
    // The screen reader's steps take the plug-in's accessible objects through COM.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const ScopeGuard comDone([com] {
      if (SUCCEEDED(com)) CoUninitialize();
    });
    std::istringstream steps(run->steps);
    std::string step;
    try {
      while (std::getline(steps, step, ';')) {
        step.erase(0, step.find_first_not_of(' '));
        if (!step.empty()) run->Step(step);
      }
      run->log->Line("ui: done");
    } catch (const UiStopped&) {
      run->log->Line("ui stopped: " + step);
    } catch (const std::exception& error) {
      run->log->Line("ui failed: " + step + ": " + error.what());
    }
    return 0;
  }
};

UiScript::UiScript(SimLog& log, PlayerWindow& player, const std::string& steps)
    : run_(std::make_unique<Run>(log, player, steps)) {
  run_->thread = ScopedHandle(CreateThread(nullptr, 0, &Run::Main, run_.get(), 0, nullptr));
  if (!run_->thread.Get()) throw std::runtime_error("cannot start the ui script");
}

UiScript::~UiScript() {
  run_->stopping = true;
  // A script still stuck after this long keeps its state: its thread may yet touch it.
  if (WaitForSingleObject(run_->thread.Get(), FinishWaitMs) == WAIT_TIMEOUT) run_.release();
}

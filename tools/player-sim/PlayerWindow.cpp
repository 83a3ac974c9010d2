#include "tools/player-sim/PlayerWindow.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <utility>

#include "player/PlayerMessages.h"
#include "runtime/MonotonicClock.h"
#include "runtime/ScopedHandles.h"
#include "runtime/SystemError.h"
#include "runtime/WideText.h"
#include "tools/player-sim/LogText.h"
#include "tools/player-sim/SimLog.h"

namespace {
WNDPROC beforeOtherPlugin = nullptr;  // what the other plug-in's subclass passes messages to

std::string EntryOrNothing(const std::optional<std::string>& entry) {
  return entry ? Quoted(*entry) : std::string("nothing selected");
}

}  // namespace

PlayerWindow::PlayerWindow(SimLog& log, PlayerState state, bool findableByPlugin)
    : log_(log),
      state_(std::move(state)),
      className_(findableByPlugin ? PlayerClassName : HiddenClassName),
      instance_(GetModuleHandleA(nullptr)) {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = WindowProcedure;
  windowClass.hInstance = instance_;
  windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = className_.c_str();
  if (!RegisterClassExA(&windowClass)) {
    throw std::runtime_error("cannot register the window class: " + SystemErrorText(GetLastError()));
  }
  window_ = CreateWindowExA(0, className_.c_str(), "Winamp (simulated player)", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                            CW_USEDEFAULT, 420, 300, nullptr, menus_.Bar(), instance_, this);
  if (!window_) {
    const DWORD error = GetLastError();
    UnregisterClassA(className_.c_str(), instance_);
    throw std::runtime_error("cannot create the player window: " + SystemErrorText(error));
  }
  ShowWindow(window_, SW_SHOWNOACTIVATE);
  log_.Line(Format("player window %s class '%s'", HexAddress(window_).c_str(), className_.c_str()));
}

PlayerWindow::~PlayerWindow() {
  SetMenu(window_, nullptr);  // the bar is the menus' to destroy
  DestroyWindow(window_);
  UnregisterClassA(className_.c_str(), instance_);
}

void PlayerWindow::HandleMessagesFor(unsigned long milliseconds, const std::function<bool()>& finished) {
  using Clock = MonotonicClock;
  // Lines that end the period may come from other threads, which do not wake this one.
  constexpr long long FinishedPollMs = 20;
  const auto deadline = Clock::now() + std::chrono::milliseconds(milliseconds);
  while (!stopRequested_) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0 || (finished && finished())) return;
    const long long slice = finished ? std::min(left, FinishedPollMs) : left;
    MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(slice), QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        log_.Line(Format("WM_QUIT posted (code %lld): the player stops handling messages",
                         static_cast<long long>(message.wParam)));
        stopRequested_ = true;
        return;
      }
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
}

LRESULT CALLBACK PlayerWindow::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* creation = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    auto* self = static_cast<PlayerWindow*>(creation->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<PlayerWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!self) return DefWindowProcA(window, message, wParam, lParam);
  try {
    return self->Route(message, wParam, lParam);
  } catch (const std::exception& error) {
    self->log_.Line(Format("player window error: %s", error.what()));
  } catch (...) {
    self->log_.Line("player window error: unknown exception");
  }
  return 0;
}

LRESULT PlayerWindow::Route(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_USER: {
      const LRESULT answer = OnPlayerMessage(wParam, lParam);
      if (inside_ && lParam == insideLParam_) std::exchange(inside_, nullptr)();
      return answer;
    }
    case WM_COMMAND:
      return OnCommand(wParam, lParam);
    case WM_COPYDATA:
      return OnCopyData(reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_CLOSE:
      // The demo's user closes the player: it shuts the plug-in down as at exit.
      log_.Line("window closed: the player stops handling messages");
      stopRequested_ = true;
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
      break;
    default:
      if (message == ConfigRequests::Message()) {
        configCalls_.Handle(wParam);
        return 0;
      }
      if (message == PlayerMenus::ShowMessage()) {
        POINT corner{0, 0};
        ClientToScreen(window_, &corner);
        if (wParam)
          TrackPopupMenu(menus_.Main(), TPM_LEFTALIGN | TPM_TOPALIGN, corner.x, corner.y, 0, window_, nullptr);
        else
          EndMenu();
        return 0;
      }
      break;
  }
  return DefWindowProcA(window_, message, wParam, lParam);
}

LRESULT PlayerWindow::OnPlayerMessage(WPARAM wParam, LPARAM lParam) {
  const auto w = static_cast<unsigned long long>(wParam);
  switch (lParam) {
    case PlayerMessages::PlayStatus:
      log_.Line(Format("status asked: %s (WM_USER lParam 104, answer %d)", PlayStateName(state_.State()),
                       state_.StatusReply()));
      return state_.StatusReply();
    case PlayerMessages::PlaylistLength:
      log_.Line(Format("playlist length asked: %d (WM_USER lParam 124)", state_.Length()));
      return state_.Length();
    case PlayerMessages::SetPlaylistPosition: {
      // The alarm sends a signed 32-bit position; only those bits count.
      const auto position = static_cast<std::int32_t>(static_cast<std::uint32_t>(wParam));
      const auto entry = state_.Select(position);
      log_.Line(Format("position %d (WM_USER wParam %llu lParam 121; positions count from 1: %s)", position, w,
                       EntryOrNothing(entry).c_str()));
      StateChanged();
      return 0;
    }
    case PlayerMessages::PlayPosition:
      return AnswerPlayPosition(wParam);
    case PlayerMessages::SetVolume:
      if (static_cast<std::int32_t>(static_cast<std::uint32_t>(wParam)) == PlayerMessages::AskVolume) {
        log_.Line(Format("volume asked: %d (WM_USER wParam %llu lParam 122)", state_.Volume(), w));
        return state_.Volume();
      }
      state_.SetVolume(static_cast<std::int32_t>(static_cast<std::uint32_t>(wParam)));
      log_.Line(Format("volume %d (WM_USER wParam %llu lParam 122)", state_.Volume(), w));
      StateChanged();
      return 0;
    case PlayerMessages::StartPlay:
      state_.StartPlayback();
      log_.Line("start playback (WM_USER lParam 102)");
      StateChanged();
      return 0;
    case PlayerMenus::AskMenu:
      return menus_.Answer(log_, wParam);
    case PlayerMessages::SettingsFolder:
    case PlayerMessages::SettingsFolderWide:
      return OnSettingsFolder(lParam);
    case PlayerMessages::Version:
      log_.Line(Format("version asked: 0x%lx (WM_USER lParam 0)", version_));
      return version_;
    case PlayerMessages::EnqueueFileWide:
      return OnEnqueueFileWide(wParam);
    default:
      log_.Line(Format("unknown WM_USER wParam %llu lParam %lld", w, static_cast<long long>(lParam)));
      return 0;
  }
}

LRESULT PlayerWindow::AnswerPlayPosition(WPARAM wParam) {
  const auto w = static_cast<unsigned long long>(wParam);
  if (w == 1 && state_.TrackSeconds()) {
    log_.Line(Format("track length asked: %d s (WM_USER wParam 1 lParam 105)", *state_.TrackSeconds()));
    return *state_.TrackSeconds();
  }
  if (w != 0) {  // 1 asks for the length of the entry, which the simulator does not know
    log_.Line(Format("unknown WM_USER wParam %llu lParam 105", w));
    return -1;
  }
  const std::int64_t position = state_.PlayPositionMs();
  log_.Line(Format("position asked: %lld ms (WM_USER wParam 0 lParam 105)", static_cast<long long>(position)));
  return static_cast<LRESULT>(position);
}

void PlayerWindow::AnswerSettingsFolder(const std::wstring& folder) {
  settingsFolder_ = folder;
  const int length = WideCharToMultiByte(CP_ACP, 0, folder.c_str(), -1, nullptr, 0, nullptr, nullptr);
  settingsFolderAnsi_.assign(length > 0 ? static_cast<std::size_t>(length) : 1, '\0');
  if (length > 0) WideCharToMultiByte(CP_ACP, 0, folder.c_str(), -1, &settingsFolderAnsi_[0], length, nullptr, nullptr);
}

void PlayerWindow::RunInsideHandling(long lParam, std::function<void()> action) {
  insideLParam_ = lParam;
  inside_ = std::move(action);
}

// Without --settings-folder the answer is 0, as from a player too old to know the question.
LRESULT PlayerWindow::OnSettingsFolder(LPARAM lParam) {
  log_.Line(Format("settings folder asked (WM_USER lParam %lld)%s", static_cast<long long>(lParam),
                   settingsFolder_.empty() ? ": no answer" : ""));
  if (settingsFolder_.empty()) return 0;
  return lParam == PlayerMessages::SettingsFolderWide ? reinterpret_cast<LRESULT>(settingsFolder_.c_str())
                                                      : reinterpret_cast<LRESULT>(settingsFolderAnsi_.c_str());
}

LRESULT PlayerWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (wParam == PlayerMessages::PauseButton) {
    state_.PressPause();
    log_.Line(std::string("Pause button (WM_COMMAND wParam 40046): ") + (state_.StatusReply() == 3   ? "paused"
                                                                         : state_.StatusReply() == 1 ? "playing"
                                                                                                     : "stopped"));
    StateChanged();
    return 0;
  }
  if (wParam == PlayerMessages::StopButton) {
    state_.PressStop();
    log_.Line("Stop button (WM_COMMAND wParam 40047): stopped");
    StateChanged();
    return 0;
  }
  if (wParam != PlayerMessages::PlayButton) {
    log_.Line(Format("unknown WM_COMMAND wParam %llu lParam %lld", static_cast<unsigned long long>(wParam),
                     static_cast<long long>(lParam)));
    return 0;
  }
  const auto entry = state_.PressPlay();
  if (entry) {
    log_.Line("Play button (WM_COMMAND wParam 40045): playing " + Quoted(*entry));
  } else {
    log_.Line("Play button (WM_COMMAND wParam 40045): nothing to play");
  }
  StateChanged();
  return 0;
}

LRESULT PlayerWindow::OnCopyData(const COPYDATASTRUCT* record) {
  if (!record) {
    log_.Line("copydata ignored (no record)");
    return FALSE;
  }
  if (record->dwData != PlayerMessages::CopyDataAddToPlaylist) {
    log_.Line(Format("copydata ignored (code %llu, bytes %lu)", static_cast<unsigned long long>(record->dwData),
                     record->cbData));
    return FALSE;
  }
  // Never read past the byte count: the text ends at its first NUL or at the count.
  const char* bytes = static_cast<const char*>(record->lpData);
  const std::size_t count = bytes ? record->cbData : 0;
  const bool terminated = count > 0 && bytes[count - 1] == '\0';
  std::size_t length = 0;
  while (length < count && bytes[length] != '\0') ++length;
  const std::string text(bytes ? bytes : "", length);
  const std::int32_t entries = state_.Append(text);
  log_.Line(Format("playlist add %s (WM_COPYDATA code 100 bytes %lu %s) (%d entries)", Quoted(text).c_str(),
                   record->cbData, terminated ? "NUL-terminated" : "not NUL-terminated", entries));
  StateChanged();
  return TRUE;
}

// The playlist keeps the wide name as UTF-8, which the log shows as it is.
LRESULT PlayerWindow::OnEnqueueFileWide(WPARAM wParam) {
  const auto* record = reinterpret_cast<const PlayerMessages::EnqueueFileWideRecord*>(wParam);
  if (!record || !record->fileName) {
    log_.Line("wide enqueue ignored (no file name)");
    return 0;
  }
  const std::string text = Utf8FromWide(record->fileName);
  const std::int32_t entries = state_.Append(text);
  log_.Line(Format("playlist add wide %s (WM_USER lParam 1100, title %s, length %d) (%d entries)", Quoted(text).c_str(),
                   record->title ? Quoted(Utf8FromWide(record->title)).c_str() : "null", record->length, entries));
  StateChanged();
  return 0;
}

void PlayerWindow::OnPaint() {
  ScopedPaint paint(window_);
  SetBkMode(paint.Get(), TRANSPARENT);
  const ScopedSelectedObject font(paint.Get(), GetStockObject(DEFAULT_GUI_FONT));
  std::string lines = Format("%s, volume %d, position %d (positions count from 1)\n", PlayStateName(state_.State()),
                             state_.Volume(), state_.Position());
  for (std::int32_t i = 1; i <= state_.Length(); ++i) {
    lines += Format("%s%d. %s\n", i == state_.Position() ? "> " : "   ", i,
                    state_.Playlist()[static_cast<std::size_t>(i) - 1].c_str());
  }
  RECT area;
  GetClientRect(window_, &area);
  InflateRect(&area, -8, -8);
  DrawTextA(paint.Get(), lines.c_str(), static_cast<int>(lines.size()), &area, DT_LEFT | DT_NOPREFIX);
}

void PlayerWindow::SubclassAsAnotherPlugin() {
  SetLastError(0);
  const LONG_PTR before =
      SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&PlayerWindow::OtherPluginProcedure));
  if (!before) throw std::runtime_error("cannot subclass the player window: " + SystemErrorText(GetLastError()));
  beforeOtherPlugin = reinterpret_cast<WNDPROC>(before);
}

LRESULT CALLBACK PlayerWindow::OtherPluginProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcA(beforeOtherPlugin, window, message, wParam, lParam);
}

const char* PlayerWindow::WindowProcedureOwner() const {
  const LONG_PTR procedure = GetWindowLongPtrA(window_, GWLP_WNDPROC);
  if (procedure == reinterpret_cast<LONG_PTR>(&PlayerWindow::WindowProcedure)) return "the player's own";
  if (procedure == reinterpret_cast<LONG_PTR>(&PlayerWindow::OtherPluginProcedure)) return "the other plug-in's";
  return "another";
}

void PlayerWindow::StateChanged() { InvalidateRect(window_, nullptr, TRUE); }

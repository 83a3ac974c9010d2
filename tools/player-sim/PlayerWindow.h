#pragma once
// The simulated player's main window. It answers the player's window messages from
// PlayerState on its own thread, logs each one, and shows the state for the demo.
#include <windows.h>

#include <functional>
#include <string>

#include "runtime/NonCopyable.h"
#include "tools/player-sim/ConfigRequests.h"
#include "tools/player-sim/PlayerMenus.h"
#include "tools/player-sim/PlayerState.h"

class SimLog;

class PlayerWindow : NonCopyable {
 public:
  static constexpr const char* PlayerClassName = "Winamp v1.x";
  static constexpr const char* HiddenClassName = "PlayerSimHidden";

  // findableByPlugin false gives the window a class the plug-in does not search for.
  // Throws std::runtime_error when the window cannot be made.
  PlayerWindow(SimLog& log, PlayerState state, bool findableByPlugin);
  ~PlayerWindow();

  HWND Handle() const { return window_; }

  // Answers WM_USER lParam 1335 with `folder` and 335 with its ANSI form.
  void AnswerSettingsFolder(const std::wstring& folder);
  // Answers WM_USER lParam 0, the player's version.
  void AnswerVersion(long version) { version_ = version; }
  // Runs `action` once, inside the handling of the first WM_USER with this lParam.
  void RunInsideHandling(long lParam, std::function<void()> action);

  // The main popup menu and the menu bar's Options menu, which plug-ins ask for.
  PlayerMenus& Menus() { return menus_; }
  // The user's requests to call config on this window's thread.
  ConfigRequests& ConfigCalls() { return configCalls_; }

  // Dispatches messages, the ones sent by other threads included, until the time is up,
  // `finished` holds (checked between messages and every few milliseconds) or the user
  // closed the window. Zero handles nothing at all.
  void HandleMessagesFor(unsigned long milliseconds, const std::function<bool()>& finished = {});

  // Another plug-in subclasses the window over whatever procedure it has now, passing
  // every message on. Throws std::runtime_error when Windows refuses.
  void SubclassAsAnotherPlugin();
  // Whose procedure the window has now: "the player's own", "the other plug-in's" or "another".
  const char* WindowProcedureOwner() const;

 private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK OtherPluginProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Route(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnPlayerMessage(WPARAM wParam, LPARAM lParam);
  LRESULT AnswerPlayPosition(WPARAM wParam);
  LRESULT OnSettingsFolder(LPARAM lParam);
  LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
  LRESULT OnCopyData(const COPYDATASTRUCT* record);
  LRESULT OnEnqueueFileWide(WPARAM wParam);
  void OnPaint();
  void StateChanged();

  SimLog& log_;
  PlayerState state_;
  std::string className_;
  HINSTANCE instance_;
  HWND window_ = nullptr;
  bool stopRequested_ = false;
  long version_ = 0;
  std::wstring settingsFolder_;
  std::string settingsFolderAnsi_;
  long insideLParam_ = 0;
  std::function<void()> inside_;
  ConfigRequests configCalls_;
  PlayerMenus menus_;
};

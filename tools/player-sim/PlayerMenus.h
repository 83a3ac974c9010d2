#pragma once
// The player's menus, which a plug-in asks for (WM_USER lParam 281) to add its own items:
// the main popup menu and the Options menu of the window's menu bar. The command ids
// come from the player's range 40000-40999; the simulated player acts only on Play.
#include <windows.h>

#include "runtime/NonCopyable.h"
#include "runtime/ScopedHandles.h"

namespace PlayerMenuIds {
constexpr UINT Play = 40045;  // the Play button's command
constexpr UINT Stop = 40047;
constexpr UINT Exit = 40001;
constexpr UINT Preferences = 40012;
constexpr UINT Repeat = 40022;  // shown checked
}  // namespace PlayerMenuIds

class SimLog;

class PlayerMenus : NonCopyable {
 public:
  static constexpr int AskMenu = 281;  // WM_USER lParam: wParam 0 main, 2 Options
  static constexpr UINT OptionsBarPosition = 0;

  // Throws std::runtime_error when a menu cannot be made.
  PlayerMenus();

  HMENU Main() const { return main_.Get(); }
  HMENU Options() const { return options_; }
  // The player window shows it, and lets go of it before it is destroyed.
  HMENU Bar() const { return bar_.Get(); }

  // Posted to the player window: wParam 1 shows the main popup menu at the window's
  // top left corner (TrackPopupMenu, modal on its thread, as a right click does), 0 closes it.
  static UINT ShowMessage();

  // An older player answers 0 to every question.
  void Withhold() { withheld_ = true; }
  // The answer to WM_USER lParam 281, logged.
  LRESULT Answer(SimLog& log, WPARAM wParam) const;

 private:
  using ScopedMenu = ScopedHandleOf<HMENU, &DestroyMenu>;

  ScopedMenu main_;
  ScopedMenu bar_;
  HMENU options_ = nullptr;  // destroyed with the bar
  bool withheld_ = false;
};

#include "tools/player-sim/PlayerMenus.h"

#include <stdexcept>

#include "runtime/SystemError.h"
#include "tools/player-sim/LogText.h"
#include "tools/player-sim/SimLog.h"

namespace {
void Append(HMENU menu, UINT flags, UINT_PTR id, const char* text) {
  if (!AppendMenuA(menu, flags, id, text))
    throw std::runtime_error("cannot build the player's menus: " + SystemErrorText(GetLastError()));
}

HMENU Made(HMENU menu) {
  if (!menu) throw std::runtime_error("cannot make the player's menus: " + SystemErrorText(GetLastError()));
  return menu;
}
}  // namespace

PlayerMenus::PlayerMenus() : main_(Made(CreatePopupMenu())), bar_(Made(CreateMenu())) {
  Append(main_.Get(), MF_STRING, PlayerMenuIds::Play, "Play");
  Append(main_.Get(), MF_STRING, PlayerMenuIds::Stop, "Stop");
  Append(main_.Get(), MF_SEPARATOR, 0, nullptr);
  Append(main_.Get(), MF_STRING, PlayerMenuIds::Exit, "Exit");
  ScopedMenu options(Made(CreatePopupMenu()));
  Append(options.Get(), MF_STRING, PlayerMenuIds::Preferences, "Preferences...");
  Append(options.Get(), MF_SEPARATOR, 0, nullptr);
  Append(options.Get(), MF_STRING | MF_CHECKED, PlayerMenuIds::Repeat, "Repeat");
  Append(bar_.Get(), MF_POPUP, reinterpret_cast<UINT_PTR>(options.Get()), "Options");
  options_ = options.Release();  // the bar's now
}

UINT PlayerMenus::ShowMessage() {
  static const UINT message = RegisterWindowMessageA("PlayerSimShowMenu");
  return message;
}

LRESULT PlayerMenus::Answer(SimLog& log, WPARAM wParam) const {
  HMENU answer = nullptr;
  const char* name = "none";
  if (!withheld_ && wParam == 0) {
    answer = main_.Get();
    name = "main";
  } else if (!withheld_ && wParam == 2) {
    answer = options_;
    name = "options";
  }
  log.Line(
      Format("menu asked: wParam %llu (WM_USER lParam 281), answer %s", static_cast<unsigned long long>(wParam), name));
  return reinterpret_cast<LRESULT>(answer);
}

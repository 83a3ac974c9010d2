#include "tools/player-sim/UiMenuSteps.h"

#include <stdexcept>

#include "runtime/SystemError.h"
#include "tools/player-sim/LogText.h"
#include "tools/player-sim/PlayerWindow.h"
#include "tools/player-sim/SimLog.h"
#include "tools/player-sim/UiWaits.h"

namespace {
constexpr const char* OpenVerb = "open ";
constexpr const char* PickVerb = "pick ";

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

bool IsQuoted(const std::string& text) { return text.size() >= 2 && text.front() == '\'' && text.back() == '\''; }
}  // namespace

void UiMenuSteps::Run(const std::string& arguments) {
  if (StartsWith(arguments, PickVerb)) return Pick(arguments.substr(std::string(PickVerb).size()));
  if (!StartsWith(arguments, OpenVerb)) throw std::runtime_error("not menu open or menu pick");
  const std::string which = arguments.substr(std::string(OpenVerb).size());
  const PlayerMenus& menus = player_.Menus();
  if (which == "main") return Open(menus.Main(), 0, std::string());  // a popup menu stands alone
  if (which == "options") return Open(menus.Options(), PlayerMenus::OptionsBarPosition, std::string());
  if (!IsQuoted(which)) throw std::runtime_error("open main, options or 'PATH'");
  const MenuItem item = Find(which.substr(1, which.size() - 2));
  if (!item.submenu) throw std::runtime_error(Quoted(item.path) + " opens no submenu");
  Open(item.submenu, item.position, item.path);
}

void UiMenuSteps::Open(HMENU menu, UINT position, const std::string& path) {
  // Sent, as Windows does: the player's thread (and whoever subclassed its window) may
  // change the menu before it shows.
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(player_.Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu),
                           MAKELPARAM(position, FALSE), SMTO_NORMAL, StepDeadlineMs, &result)) {
    throw std::runtime_error("the player's thread did not take WM_INITMENUPOPUP: " + SystemErrorText(GetLastError()));
  }
  for (const MenuItem& item : MenuItems(menu, path)) log_.Line("ui: " + MenuItemDescription(item));
}

void UiMenuSteps::Pick(const std::string& path) {
  const MenuItem item = Find(path);
  if (item.submenu || item.separator) throw std::runtime_error(Quoted(item.path) + " is no command");
  if (!PostMessageA(player_.Handle(), WM_COMMAND, MAKEWPARAM(item.id, 0), 0))
    throw std::runtime_error("cannot post WM_COMMAND: " + SystemErrorText(GetLastError()));
  waits_.Settle(player_.Handle());
}

MenuItem UiMenuSteps::Find(const std::string& path) const {
  for (HMENU menu : {player_.Menus().Main(), player_.Menus().Options()})
    for (const MenuItem& item : MenuItems(menu))
      if (NamedBy(item, path)) return item;
  throw std::runtime_error("no menu item " + Quoted(path));
}

#include "tools/player-sim/UiMenuSteps.h"

#include <stdexcept>
#include <vector>

#include "runtime/SystemError.h"
#include "tools/player-sim/LogText.h"
#include "tools/player-sim/PlayerWindow.h"
#include "tools/player-sim/SimLog.h"
#include "tools/player-sim/UiWaits.h"

namespace {
constexpr const char* OpenVerb = "open ";
constexpr const char* PickVerb = "pick ";
constexpr const char* ShowVerb = "show ";

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

bool IsQuoted(const std::string& text) { return text.size() >= 2 && text.front() == '\'' && text.back() == '\''; }
}  // namespace

void UiMenuSteps::Run(const std::string& arguments) {
  if (StartsWith(arguments, PickVerb)) return Pick(arguments.substr(std::string(PickVerb).size()));
  if (arguments == "hide") {
    PostMessageA(player_.Handle(), PlayerMenus::ShowMessage(), 0, 0);
    return waits_.Settle(player_.Handle());
  }
  if (StartsWith(arguments, ShowVerb)) {
    const std::string path = arguments.substr(std::string(ShowVerb).size());
    if (!IsQuoted(path)) throw std::runtime_error("show 'PATH'");
    return Show(path.substr(1, path.size() - 2));
  }
  if (!StartsWith(arguments, OpenVerb)) throw std::runtime_error("not menu open, pick, show or hide");
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

void UiMenuSteps::Show(const std::string& path) {
  const std::vector<MenuItem> items = MenuItems(player_.Menus().Main());
  PostMessageA(player_.Handle(), PlayerMenus::ShowMessage(), 1, 0);
  // Down to each item of the path in turn, Right into its submenu: the keys reach the
  // menu's own loop on the player's thread once it has begun. A menu opened by Right has
  // its first item selected already, the popup menu none.
  HMENU menu = player_.Menus().Main();
  std::string prefix;
  for (std::size_t start = 0, end = 0; end != std::string::npos; start = end + 3) {
    end = path.find(" > ", start);
    prefix = path.substr(0, end);
    int downs = menu == player_.Menus().Main() ? 1 : 0;
    const MenuItem* found = nullptr;
    for (const MenuItem& item : items) {
      if (item.menu != menu) continue;
      if (NamedBy(item, prefix)) {
        found = &item;
        break;
      }
      if (!item.separator) ++downs;
    }
    if (!found) throw std::runtime_error("no item " + Quoted(prefix) + " in the main popup menu");
    for (int i = 0; i < downs; ++i) PostMessageA(player_.Handle(), WM_KEYDOWN, VK_DOWN, 1);
    if (!found->submenu) return;
    PostMessageA(player_.Handle(), WM_KEYDOWN, VK_RIGHT, 1);
    menu = found->submenu;
  }
}

MenuItem UiMenuSteps::Find(const std::string& path) const {
  for (HMENU menu : {player_.Menus().Main(), player_.Menus().Options()})
    for (const MenuItem& item : MenuItems(menu))
      if (NamedBy(item, path)) return item;
  throw std::runtime_error("no menu item " + Quoted(path));
}

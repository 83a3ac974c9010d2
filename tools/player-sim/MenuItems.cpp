#include "tools/player-sim/MenuItems.h"

#include <stdexcept>

#include "runtime/SystemError.h"
#include "tools/player-sim/LogText.h"

namespace {
// Deeper nesting than a player's menus ever have means a menu that holds itself.
constexpr int DeepestSubmenu = 8;

MenuItem ReadItem(HMENU menu, UINT position, const std::string& parentPath) {
  MENUITEMINFOA info = {};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
  if (!GetMenuItemInfoA(menu, position, TRUE, &info))  // first the text's length
    throw std::runtime_error(Format("cannot read menu item %u: %s", position, SystemErrorText(GetLastError()).c_str()));
  std::vector<char> text(info.cch + 1, '\0');
  info.dwTypeData = text.data();
  info.cch = static_cast<UINT>(text.size());
  if (!GetMenuItemInfoA(menu, position, TRUE, &info))
    throw std::runtime_error(Format("cannot read menu item %u: %s", position, SystemErrorText(GetLastError()).c_str()));
  MenuItem item;
  item.separator = (info.fType & MFT_SEPARATOR) != 0;
  const std::string own = item.separator ? std::string("-") : std::string(text.data());
  item.path = parentPath.empty() ? own : parentPath + " > " + own;
  item.menu = menu;
  item.position = position;
  item.id = info.wID;
  item.submenu = info.hSubMenu;
  item.checked = (info.fState & MFS_CHECKED) != 0;
  // Wine marks separators disabled; a separator is never said to be grayed, on any system.
  item.grayed = !item.separator && (info.fState & MFS_DISABLED) != 0;
  return item;
}

void Collect(HMENU menu, const std::string& parentPath, int depth, std::vector<MenuItem>& items) {
  if (depth > DeepestSubmenu) throw std::runtime_error("menus nested deeper than " + std::to_string(DeepestSubmenu));
  const int count = GetMenuItemCount(menu);
  if (count < 0) throw std::runtime_error("cannot read the menu: " + SystemErrorText(GetLastError()));
  for (UINT position = 0; position < static_cast<UINT>(count); ++position) {
    const MenuItem item = ReadItem(menu, position, parentPath);
    items.push_back(item);
    if (item.submenu) Collect(item.submenu, item.path, depth + 1, items);
  }
}
}  // namespace

std::vector<MenuItem> MenuItems(HMENU menu, const std::string& parentPath) {
  std::vector<MenuItem> items;
  Collect(menu, parentPath, 0, items);
  return items;
}

std::string MenuItemDescription(const MenuItem& item) {
  return "menu item " + Quoted(item.path) + " id " + std::to_string(item.id) + (item.checked ? " checked" : "") +
         (item.grayed ? " grayed" : "") + (item.submenu ? " submenu" : "") + (item.separator ? " separator" : "");
}

bool NamedBy(const MenuItem& item, const std::string& path) { return Quoted(item.path) == "'" + path + "'"; }

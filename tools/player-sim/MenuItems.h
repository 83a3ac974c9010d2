#pragma once
// A menu's items as a user finds them: each with its path of texts from the menu opened
// down to it ("Alarm clock > Sleep timer > 15 minutes"), so that a script can name an
// item of a submenu.
#include <windows.h>

#include <string>
#include <vector>

struct MenuItem {
  std::string path;      // the item's own text last; a separator's own text is "-"
  HMENU menu = nullptr;  // the menu holding the item
  UINT position = 0;     // its position there
  UINT id = 0;
  HMENU submenu = nullptr;
  bool separator = false;
  bool checked = false;
  bool grayed = false;
};

// Every item of `menu` and of its submenus, each submenu's items right after the item
// that opens it; paths begin with `parentPath` (empty for the menu itself). Throws
// std::runtime_error when the menu cannot be read.
std::vector<MenuItem> MenuItems(HMENU menu, const std::string& parentPath = std::string());

// "menu item '<path>' id <id>" and then " checked", " grayed", " submenu", " separator"
// as they apply.
std::string MenuItemDescription(const MenuItem& item);

// Whether `path` names the item as its description shows it (control bytes escaped).
bool NamedBy(const MenuItem& item, const std::string& path);

#pragma once
// The user at the player's own menus, the ones a plug-in adds its items to:
//   menu open main | options   the player's thread gets WM_INITMENUPOPUP for that menu,
//                              as when Windows shows it; then every item is logged
//   menu open 'PATH'           the same for the submenu opened by the item at PATH
//   menu pick PATH             WM_COMMAND with the item's id, as when the user chooses it
//   menu show 'PATH'           the main popup menu shown on the screen, the keys Down and
//                              Right taking it to the item at PATH, for pictures
//   menu hide                  the shown menu closed
// PATH is an item's path as logged: "Alarm clock > Skip next alarm".
#include <string>

#include "runtime/NonCopyable.h"
#include "tools/player-sim/MenuItems.h"

class PlayerWindow;
class SimLog;
class UiWaits;

class UiMenuSteps : NonCopyable {
 public:
  UiMenuSteps(SimLog& log, const UiWaits& waits, PlayerWindow& player) : log_(log), waits_(waits), player_(player) {}

  // `arguments` is the step without its "menu". Throws std::runtime_error saying why
  // the step failed.
  void Run(const std::string& arguments);

 private:
  void Open(HMENU menu, UINT position, const std::string& path);
  void Pick(const std::string& path);
  void Show(const std::string& path);
  // The item at `path` in the player's main or Options menu.
  MenuItem Find(const std::string& path) const;

  SimLog& log_;
  const UiWaits& waits_;
  PlayerWindow& player_;
};

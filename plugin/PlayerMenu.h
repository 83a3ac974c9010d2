#pragma once
// The "Alarm clock" submenu in the player's main popup menu and its Options menu: the next
// alarm, the alarm switch, skipping the next ring, the sleep timer and the settings. Its
// commands arrive through a subclass of the player's main window, made at init and taken
// away at quit.
#include <windows.h>

class AlarmClock;
class PlayerSleepTimer;

class PlayerMenu {
 public:
  // Adds the submenus (none when the player has no menus to give) and subclasses `player`.
  PlayerMenu(AlarmClock& alarm, PlayerSleepTimer& sleepTimer, HWND player);
  // Takes the submenus out and the subclass away, or leaves a pass-through in the chain
  // when another window procedure was put over ours.
  ~PlayerMenu();

 private:
  struct AddedMenu {
    HMENU playerMenu;
    HMENU alarmMenu;
    HMENU sleepMenu;
  };

  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // Whether the message was ours alone; a menu about to open is refreshed and passed on.
  bool Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void Add(HMENU playerMenu);
  // Takes the submenus out of the player's menus and destroys them.
  void RemoveItems();
  bool Shows(HMENU menu) const;
  void Refresh();
  void Command(int id);
  void SwitchAlarms();
  void SkipNextRing();

  AlarmClock& alarm_;
  PlayerSleepTimer& sleepTimer_;
  HWND player_;
  AddedMenu added_[2] = {};  // in the main popup menu and the Options menu
  int addedCount_ = 0;
  unsigned switchedOff_ = 0;  // bit n: "Alarm on" switched alarm n off, to switch on again
};

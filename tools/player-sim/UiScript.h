#pragma once
// Plays a user at the plug-in's windows: a thread of its own waits for a window, clicks
// the control showing a text, types, presses keys, takes screenshots and closes windows,
// logging each step ("ui: ..."). It runs beside the player's thread, so it can act
// while the configure callback or the alarm worker holds a window open.
//
// Steps, separated by ';' (arguments by spaces; a text argument is the rest of the step).
// A step that posts input returns once the window's thread has taken it from its queue;
// every wait gives up after 30 s and fails the script ("ui failed: ...").
//   window TITLE       wait for a visible window of this process so titled; it becomes current
//   click TEXT         left click in the middle of the current window's control showing TEXT
//   rclick TEXT        the same with the right button
//   click-at X Y       left click at that point of the current window's client area
//   hover TEXT         move the pointer over that control
//   key NAME           press and release a key at the focused control (space, tab, enter,
//                      escape, up, down, pageup, pagedown, f4, or a letter)
//   alt C              Alt+C at the focused control
//   type TEXT          type the characters of TEXT at the focused control
//   field ID TEXT      set the text of the current dialog's item ID (the file dialog's name box)
//   press ID           press the current dialog's button ID
//   state TEXT         log whether the control showing TEXT is checked and enabled
//   wait checked|unchecked|enabled|disabled TEXT
//                      wait until the control showing TEXT is so
//   wait log TEXT      wait until a log line starting with TEXT has been written
//   wait text TEXT     wait until a visible child of the current window shows a text
//                      starting with TEXT
//   wait gone          wait until the current window is closed or hidden
//   shot FILE          repaint the current window's thread, save the window (frame included)
//                      as a BMP file
//   texts              log the text of every visible child of the current window
//   accessible         log the current window's accessible objects, as a screen reader reads them
//   focus              log the role and name of the focused control, as a screen reader reads them
//   tab-to NAME        press Tab until the focused control's accessible name is NAME
//   tab-cycle          press Tab until the focus is back, logging "ui: tab <role> '<name>'" each time
//   config             have the player's thread call the plug-in's config; returns once
//                      it is being called (its dialog is modal on that thread)
//   menu open main|options|'PATH', menu pick PATH
//                      the player's own menus (UiMenuSteps.h)
//   close              close the current window as its close box does, and wait until it is gone
//   sleep MS           wait that long (for demonstrations; tests wait for conditions)
#include <windows.h>

#include <memory>
#include <string>

#include "runtime/NonCopyable.h"

class PlayerWindow;
class SimLog;

class UiScript : NonCopyable {
 public:
  UiScript(SimLog& log, PlayerWindow& player, const std::string& steps);
  ~UiScript();  // stops a script still waiting, and waits (bounded) for its thread

 private:
  struct Run;
  std::unique_ptr<Run> run_;
};

#pragma once
// Plays a user at the plug-in's windows: a thread of its own waits for a window, clicks
// the control showing a text, types, presses keys, takes screenshots and closes windows,
// logging each step ("ui: ..."). It runs beside the player's thread, so it can act
// while the configure callback or the alarm worker holds a window open.
//
// Steps, separated by ';' (arguments by spaces; a text argument is the rest of the step):
//   window TITLE       wait (15 s at most) for a visible window of this process so titled
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
//   shot FILE          save the current window, frame included, as a BMP file
//   close              close the current window as its close box does
//   sleep MS           wait
#include <windows.h>

#include <memory>
#include <string>

class SimLog;

class UiScript {
 public:
  UiScript(SimLog& log, const std::string& steps);
  ~UiScript();  // waits (bounded) for the script to finish
  UiScript(const UiScript&) = delete;
  UiScript& operator=(const UiScript&) = delete;

 private:
  struct Run;
  std::unique_ptr<Run> run_;
};

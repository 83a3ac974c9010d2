#pragma once
// Reads the plug-in's windows as a screen reader does, through Active Accessibility:
// the object a window gives for its client area, its children, and the events the
// windows raise. A line per object: its role, name, value, states, default action and
// keyboard shortcut, as the system's role and state texts name them.
#include <windows.h>

#include <string>

#include "runtime/NonCopyable.h"

class SimLog;

// Logs "ui: accessible ..." for `window`'s client object and every object below it,
// children indented by two spaces each.
void LogAccessibleTree(SimLog& log, HWND window);

// "<role> '<name>'" of a control's client object, as a screen reader announces it.
std::string AccessibleSummary(HWND control);
// Its name alone.
std::string AccessibleName(HWND control);

// While it lives, logs "screen reader: <event> <role> '<name>' ..." for the focus,
// state, value, name and show events this process's windows raise, heard on the thread
// that raises them (as soon as it does, whatever that thread is waiting for).
class ScreenReaderEvents : NonCopyable {
 public:
  explicit ScreenReaderEvents(SimLog& log);
  ~ScreenReaderEvents();

 private:
  HWINEVENTHOOK hook_;
};

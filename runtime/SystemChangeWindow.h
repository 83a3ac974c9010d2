#pragma once
// A hidden window of the calling thread that hears what the system tells every
// top-level window: the clock or the time zone changed, the PC resumed. Each of these
// sets `changed`. The thread must handle its messages.
#include <windows.h>

#include "runtime/NonCopyable.h"

class SystemChangeWindow : NonCopyable {
 public:
  explicit SystemChangeWindow(HANDLE changed);  // throws when the window cannot be made
  ~SystemChangeWindow();

  HWND Handle() const { return window_; }

 private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HANDLE changed_;
  HWND window_ = nullptr;
};

// Handles every message waiting for this thread.
void DispatchWaitingMessages();

#pragma once
#include <windows.h>

#include <string>

#include "runtime/Callback.h"
#include "runtime/NonCopyable.h"

// The host program's file name without its extension: the title of the plug-in's boxes.
std::string ApplicationTitle();

// The application's error box: the message (with the closing full stop rule), an OK
// button and a stop icon, titled with the application title. It is owned by the
// window this thread runs modally, if any, so that it comes up over that window and
// keeps it from being used meanwhile. The same message raised again on this thread
// while its box is up shows no second box.
void ShowApplicationError(const std::string& message) noexcept;

// Makes `window` the owner of this thread's error boxes while the object lives.
class ErrorBoxOwner : NonCopyable {
 public:
  explicit ErrorBoxOwner(HWND window);
  ~ErrorBoxOwner();

 private:
  HWND previous_;
};

// Runs `action`; an error it raises is shown in the error box (one that is no standard
// exception as `unknownError`) instead of travelling on into the host. False when the
// action failed.
bool RunShowingErrors(Callback<void()> action, const char* unknownError);
template <class Action>
bool ShowingErrors(const Action& action, const char* unknownError = "Unknown error in the wakeup plugin") {
  return RunShowingErrors([&action] { action(); }, unknownError);
}

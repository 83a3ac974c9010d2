#include "runtime/ErrorBox.h"

#include <algorithm>
#include <vector>

#include "runtime/HostProgram.h"
#include "runtime/MessageText.h"
#include "runtime/ScopedHandles.h"

namespace {
thread_local HWND boxOwner = nullptr;
// Texts of the boxes up on this thread: a paint that fails shows its box, and the
// box's own message loop repaints, fails again and would stack box upon box.
thread_local std::vector<std::string> boxesUp;
}  // namespace

ErrorBoxOwner::ErrorBoxOwner(HWND window) : previous_(boxOwner) { boxOwner = window; }

ErrorBoxOwner::~ErrorBoxOwner() { boxOwner = previous_; }

std::string ApplicationTitle() {
  std::string name = HostProgramPath();
  const std::size_t slash = name.find_last_of("\\/");
  if (slash != std::string::npos) name.erase(0, slash + 1);
  const std::size_t dot = name.find_last_of('.');
  if (dot != std::string::npos) name.erase(dot);
  return name;
}

void ShowApplicationError(const std::string& message) noexcept {
  const HWND owner = boxOwner && IsWindow(boxOwner) ? boxOwner : nullptr;
  try {
    const std::string text = WithClosingFullStop(message);
    if (std::find(boxesUp.begin(), boxesUp.end(), text) != boxesUp.end()) return;
    boxesUp.push_back(text);
    const ScopeGuard boxDown([&text] { boxesUp.erase(std::find(boxesUp.begin(), boxesUp.end(), text)); });
    MessageBoxA(owner, text.c_str(), ApplicationTitle().c_str(), MB_OK | MB_ICONSTOP);
  } catch (...) {
    // No memory left to build the text: the message as it came, under the system's title.
    MessageBoxA(owner, message.c_str(), nullptr, MB_OK | MB_ICONSTOP);
  }
}

bool ShowingErrors(const std::function<void()>& action, const char* unknownError) {
  try {
    action();
    return true;
  } catch (const std::exception& error) {
    ShowApplicationError(error.what());
  } catch (...) {
    ShowApplicationError(unknownError);
  }
  return false;
}

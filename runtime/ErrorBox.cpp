#include "runtime/ErrorBox.h"

#include "runtime/HostProgram.h"
#include "runtime/MessageText.h"
#include "runtime/ScopedHandles.h"
#include "runtime/WideText.h"

namespace {
thread_local HWND boxOwner = nullptr;
// The boxes up on this thread, each on its caller's stack above the one under it: a
// paint that fails shows its box, and the box's own message loop repaints, fails again
// and would stack box upon box. Nothing to free, so a thread's end runs no cleanup.
struct BoxUp {
  const std::string& text;
  const BoxUp* under;
};
thread_local const BoxUp* topBox = nullptr;
}  // namespace

ErrorBoxOwner::ErrorBoxOwner(HWND window) : previous_(boxOwner) { boxOwner = window; }

ErrorBoxOwner::~ErrorBoxOwner() { boxOwner = previous_; }

std::string ApplicationTitle() {
  std::string name = Utf8FromWide(HostProgramWidePath());
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
    for (const BoxUp* box = topBox; box; box = box->under)
      if (box->text == text) return;
    const BoxUp up{text, topBox};
    topBox = &up;
    const ScopeGuard boxDown([&up] { topBox = up.under; });
    MessageBoxW(owner, WideFromUtf8(text).c_str(), WideFromUtf8(ApplicationTitle()).c_str(), MB_OK | MB_ICONSTOP);
  } catch (...) {
    // No memory left to build the text: the message as it came, under the system's title.
    MessageBoxA(owner, message.c_str(), nullptr, MB_OK | MB_ICONSTOP);
  }
}

bool RunShowingErrors(Callback<void()> action, const char* unknownError) {
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

#include "runtime/ErrorBox.h"

#include <windows.h>

#include "runtime/HostProgram.h"
#include "runtime/MessageText.h"

std::string ApplicationTitle() {
  std::string name = HostProgramPath();
  const std::size_t slash = name.find_last_of("\\/");
  if (slash != std::string::npos) name.erase(0, slash + 1);
  const std::size_t dot = name.find_last_of('.');
  if (dot != std::string::npos) name.erase(dot);
  return name;
}

void ShowApplicationError(const std::string& message) noexcept {
  try {
    MessageBoxA(nullptr, WithClosingFullStop(message).c_str(), ApplicationTitle().c_str(), MB_OK | MB_ICONSTOP);
  } catch (...) {
    // No memory left to build the text: the message as it came, under the system's title.
    MessageBoxA(nullptr, message.c_str(), nullptr, MB_OK | MB_ICONSTOP);
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

#include "runtime/ErrorBox.h"

#include <windows.h>

#include "runtime/MessageText.h"

std::string ApplicationTitle() {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string name(path, length < MAX_PATH ? length : 0);
  const std::size_t slash = name.find_last_of("\\/");
  if (slash != std::string::npos) name.erase(0, slash + 1);
  const std::size_t dot = name.find_last_of('.');
  if (dot != std::string::npos) name.erase(dot);
  return name;
}

void ShowApplicationError(const std::string& message) {
  MessageBoxA(nullptr, WithClosingFullStop(message).c_str(), ApplicationTitle().c_str(),
              MB_OK | MB_ICONSTOP);
}

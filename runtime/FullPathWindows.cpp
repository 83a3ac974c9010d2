#include <windows.h>

#include "runtime/FullPath.h"

std::string FullPath(const std::string& path) {
  std::string full(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = GetFullPathNameA(path.c_str(), static_cast<DWORD>(full.size()), &full[0], nullptr);
    if (length == 0) return path;
    if (length < full.size()) return full.substr(0, length);
    full.assign(length, '\0');  // too small: `length` counts the terminating NUL
  }
}

#include "runtime/HostProgram.h"

#include <windows.h>

std::string HostProgramPath() {
  std::string path(MAX_PATH, '\0');
  DWORD length;
  // A path longer than the buffer comes back cut to its size: grow and ask again.
  while ((length = GetModuleFileNameA(nullptr, &path[0], static_cast<DWORD>(path.size()))) == path.size())
    path.resize(path.size() * 2);
  path.resize(length);
  return path;
}

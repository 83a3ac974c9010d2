#include "runtime/HostProgram.h"

#include <windows.h>

#include "runtime/WideText.h"

std::wstring HostProgramWidePath() {
  std::wstring path(MAX_PATH, L'\0');
  DWORD length;
  // A path longer than the buffer comes back cut to its size: grow and ask again.
  while ((length = GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()))) == path.size())
    path.resize(path.size() * 2);
  path.resize(length);
  return path;
}

std::string HostProgramPath() { return AnsiFromWide(HostProgramWidePath()); }

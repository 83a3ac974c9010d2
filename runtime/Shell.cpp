#include "runtime/Shell.h"

#include <windows.h>

#include "runtime/SystemLibrary.h"
#include "runtime/WideText.h"

namespace {
void OpenThroughShell(const std::string& verb, const std::string& target) {
  if (const auto shellExecute = SystemFunction<decltype(ShellExecuteA)>("shell32.dll", "ShellExecuteA"))
    shellExecute(nullptr, verb.c_str(), target.c_str(), nullptr, nullptr, SW_SHOW);
}

ShellOpener& CurrentOpener() {
  static ShellOpener opener = &OpenThroughShell;
  return opener;
}
}  // namespace

void OpenLink(const std::string& link) { CurrentOpener()("open", link); }

ShellOpener ReplaceShellOpener(ShellOpener opener) {
  ShellOpener previous = std::move(CurrentOpener());
  CurrentOpener() = std::move(opener);
  return previous;
}

bool FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(WideFromUtf8(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

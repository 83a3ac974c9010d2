#include "controls/styled/TextClipboard.h"

#include <cstring>

#include "runtime/ScopedHandles.h"

bool CopyTextToClipboard(HWND owner, const std::string& text) {
  // Freed here unless the clipboard has taken it over.
  ScopedGlobalMemory block(GlobalAlloc(GMEM_MOVEABLE, text.size() + 1));
  if (!block.Get()) return false;
  auto* bytes = static_cast<char*>(GlobalLock(block.Get()));
  if (!bytes) return false;
  std::memcpy(bytes, text.c_str(), text.size() + 1);
  GlobalUnlock(block.Get());
  const ScopedClipboard clipboard(owner);
  if (!clipboard.IsOpen() || !EmptyClipboard() || !SetClipboardData(CF_TEXT, block.Get())) return false;
  block.Release();
  return true;
}

std::string TextFromClipboard(HWND owner) {
  const ScopedClipboard clipboard(owner);
  if (!clipboard.IsOpen()) return {};
  HANDLE data = GetClipboardData(CF_TEXT);
  if (!data) return {};
  const auto* bytes = static_cast<const char*>(GlobalLock(data));
  if (!bytes) return {};
  const ScopeGuard unlock([data] { GlobalUnlock(data); });
  return std::string(bytes, strnlen(bytes, GlobalSize(data)));
}

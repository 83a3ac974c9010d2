#include "controls/styled/TextClipboard.h"

#include <cstring>

#include "runtime/ScopedHandles.h"
#include "runtime/WideText.h"

bool CopyTextToClipboard(HWND owner, const std::string& text) {
  const std::wstring wide = WideFromUtf8(text);
  const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
  // Freed here unless the clipboard has taken it over.
  ScopedGlobalMemory block(GlobalAlloc(GMEM_MOVEABLE, bytes));
  if (!block.Get()) return false;
  auto* units = static_cast<wchar_t*>(GlobalLock(block.Get()));
  if (!units) return false;
  std::memcpy(units, wide.c_str(), bytes);
  GlobalUnlock(block.Get());
  const ScopedClipboard clipboard(owner);
  if (!clipboard.IsOpen() || !EmptyClipboard() || !SetClipboardData(CF_UNICODETEXT, block.Get())) return false;
  block.Release();
  return true;
}

std::string TextFromClipboard(HWND owner) {
  const ScopedClipboard clipboard(owner);
  if (!clipboard.IsOpen()) return {};
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (!data) return {};
  const auto* units = static_cast<const wchar_t*>(GlobalLock(data));
  if (!units) return {};
  const ScopeGuard unlock([data] { GlobalUnlock(data); });
  const std::size_t limit = GlobalSize(data) / sizeof(wchar_t);
  std::size_t length = 0;
  while (length < limit && units[length]) ++length;
  return Utf8FromWide(std::wstring(units, length));
}

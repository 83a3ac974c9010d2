#include "tools/player-sim/WindowText.h"

#include <vector>

#include "runtime/WideText.h"

namespace {
constexpr UINT TextTimeoutMs = 1000;
}

std::string WindowText(HWND window) {
  DWORD_PTR length = 0;
  if (!window ||
      !SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, TextTimeoutMs, &length)) {
    return std::string();
  }
  std::vector<wchar_t> text(length + 1);
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                           SMTO_ABORTIFHUNG | SMTO_BLOCK, TextTimeoutMs, &copied)) {
    return std::string();
  }
  return Utf8FromWide(std::wstring(text.data(), copied < text.size() ? copied : length));
}

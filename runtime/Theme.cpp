#include "runtime/Theme.h"

#include <cwchar>

#include "runtime/Canvas.h"

bool VisualStylesActive() {
  return IsThemeActive() && IsAppThemed() && (GetThemeAppProperties() & STAP_ALLOW_CONTROLS);
}

bool WindowThemes::DrawPart(HWND window, const wchar_t* themeClass, HDC dc, int part, int state, const Rect& r) {
  if (!window) return false;
  auto found = opened_.begin();
  while (found != opened_.end() && (found->window != window || std::wcscmp(found->themeClass, themeClass) != 0)) ++found;
  if (found == opened_.end()) {
    // Whether styles are on is asked once too: switching them reaches the window as
    // WM_THEMECHANGED, which makes its owner forget what it opened.
    opened_.push_back({window, themeClass, VisualStylesActive() ? OpenThemeData(window, themeClass) : nullptr});
    found = opened_.end() - 1;
  }
  if (!found->theme) return false;
  const RECT area = ToRECT(r);
  return SUCCEEDED(DrawThemeBackground(found->theme, dc, part, state, &area, nullptr));
}

void WindowThemes::Forget() {
  for (const Opened& entry : opened_)
    if (entry.theme) CloseThemeData(entry.theme);
  opened_.clear();
}

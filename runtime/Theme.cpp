#include "runtime/Theme.h"

#include <cwchar>

#include "runtime/Canvas.h"
#include "runtime/SystemLibrary.h"

namespace {
template <typename Function>
Function* ThemeFunction(const char* name) {
  return SystemFunction<Function>("uxtheme.dll", name);
}
}  // namespace

bool VisualStylesActive() {
  // No theme library (Windows before XP's styles, or a stripped system): no styles.
  const auto isThemeActive = ThemeFunction<decltype(IsThemeActive)>("IsThemeActive");
  const auto isAppThemed = ThemeFunction<decltype(IsAppThemed)>("IsAppThemed");
  const auto getThemeAppProperties = ThemeFunction<decltype(GetThemeAppProperties)>("GetThemeAppProperties");
  return isThemeActive && isAppThemed && getThemeAppProperties && isThemeActive() && isAppThemed() &&
         (getThemeAppProperties() & STAP_ALLOW_CONTROLS);
}

bool WindowThemes::DrawPart(HWND window, const wchar_t* themeClass, HDC dc, int part, int state, const Rect& r) {
  if (!window) return false;
  auto found = opened_.begin();
  while (found != opened_.end() && (found->window != window || std::wcscmp(found->themeClass, themeClass) != 0))
    ++found;
  if (found == opened_.end()) {
    // Whether styles are on is asked once too: switching them reaches the window as
    // WM_THEMECHANGED, which makes its owner forget what it opened.
    const auto openThemeData = ThemeFunction<decltype(OpenThemeData)>("OpenThemeData");
    opened_.push_back(
        {window, themeClass, VisualStylesActive() && openThemeData ? openThemeData(window, themeClass) : nullptr});
    found = opened_.end() - 1;
  }
  if (!found->theme) return false;
  const RECT area = ToRECT(r);
  const auto drawThemeBackground = ThemeFunction<decltype(DrawThemeBackground)>("DrawThemeBackground");
  return drawThemeBackground && SUCCEEDED(drawThemeBackground(found->theme, dc, part, state, &area, nullptr));
}

void WindowThemes::Forget() {
  for (const Opened& entry : opened_)
    if (entry.theme) ThemeFunction<decltype(CloseThemeData)>("CloseThemeData")(entry.theme);
  opened_.clear();
}

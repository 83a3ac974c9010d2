#include "runtime/Theme.h"

#include <uxtheme.h>

#include "runtime/Canvas.h"

namespace {
// The theme data of one class, closed again when the drawing is done.
class ThemeData {
 public:
  ThemeData(HWND window, const wchar_t* themeClass) : theme_(OpenThemeData(window, themeClass)) {}
  ~ThemeData() {
    if (theme_) CloseThemeData(theme_);
  }
  ThemeData(const ThemeData&) = delete;
  ThemeData& operator=(const ThemeData&) = delete;

  HTHEME Get() const { return theme_; }

 private:
  HTHEME theme_;
};
}  // namespace

bool VisualStylesActive() {
  return IsThemeActive() && IsAppThemed() && (GetThemeAppProperties() & STAP_ALLOW_CONTROLS);
}

bool DrawThemedPart(HWND window, const wchar_t* themeClass, HDC dc, int part, int state, const Rect& r) {
  if (!VisualStylesActive()) return false;
  const ThemeData theme(window, themeClass);
  if (!theme.Get()) return false;
  const RECT area = ToRECT(r);
  return SUCCEEDED(DrawThemeBackground(theme.Get(), dc, part, state, &area, nullptr));
}

#pragma once
// Visual styles: the platform's themed drawing of standard parts while the theme engine
// is on for this program. Every caller keeps a complete classic drawing path, used when
// the themes are off (classic scheme, older systems, Wine) or a part cannot be drawn.
#include <windows.h>
#include <uxtheme.h>

#include <vector>

#include "runtime/Geometry.h"
#include "runtime/NonCopyable.h"

// Whether the user's theme is on and applies to this program's controls (a program
// turns them off for its controls by clearing STAP_ALLOW_CONTROLS).
bool VisualStylesActive();

// The theme data one window draws its parts with. Opening theme data costs more than
// drawing a whole control, so each class is opened once and kept until the theme
// changes (Forget on WM_THEMECHANGED) or the window goes.
class WindowThemes : NonCopyable {
 public:
  WindowThemes() = default;
  ~WindowThemes() { Forget(); }

  // Draws the background of one part of a themed window class (a literal: "EDIT",
  // "BUTTON", ...; kept by address) over r; false, with nothing drawn, when visual styles
  // are off or the theme has no such part, so that the caller draws it classically.
  bool DrawPart(HWND window, const wchar_t* themeClass, HDC dc, int part, int state, const Rect& r);
  void Forget();

 private:
  struct Opened {
    HWND window;
    const wchar_t* themeClass;
    HTHEME theme;  // null: this window draws that class classically
  };
  std::vector<Opened> opened_;
};

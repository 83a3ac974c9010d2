#include "tests/windows/StyledTestSupport.h"

#include <cstdlib>

#include "runtime/Exception.h"
#include "tests/windows/WindowTestSupport.h"

void ParkPointer() { SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1); }

void HostedTest::Host(int clientWidth, int clientHeight) {
  ParkPointer();
  form = MakeHostForm(clientWidth, clientHeight);
}

void PointAt(TWinControl& control, int x, int y) {
  const Point screen = control.ClientToScreen({x, y});
  SetCursorPos(screen.x, screen.y);
  SendMessageA(control.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
}

void PressLeft(TWinControl& control, int x, int y) {
  SendMessageA(control.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
}

void ReleaseLeft(TWinControl& control, int x, int y) {
  SendMessageA(control.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

void ClickAt(TWinControl& control, int x, int y) {
  PointAt(control, x, y);
  PressLeft(control, x, y);
  ReleaseLeft(control, x, y);
}

void KeyDown(TWinControl& control, WORD key) { SendMessageA(control.Handle(), WM_KEYDOWN, key, 1); }

void KeyUp(TWinControl& control, WORD key) {
  SendMessageA(control.Handle(), WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
}

void TypeChar(TWinControl& control, char key) {
  SendMessageA(control.Handle(), WM_CHAR, static_cast<unsigned char>(key), 1);
}

int CountPixels(OffscreenBitmap& image, const Rect& r, const std::function<bool(TColor)>& test) {
  int count = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x)
      if (test(PixelAt(image, x, y))) ++count;
  return count;
}

std::string ExceptionMessage(const std::function<void()>& action) {
  try {
    action();
    return "";
  } catch (const Exception& error) {
    return error.Message();
  }
}

bool NearColor(TColor a, TColor b, int tolerance) {
  return std::abs(RedOf(a) - RedOf(b)) <= tolerance && std::abs(GreenOf(a) - GreenOf(b)) <= tolerance &&
         std::abs(BlueOf(a) - BlueOf(b)) <= tolerance;
}

// The error box under a real message loop: an error that repeats inside the box's own
// loop (a paint that fails at every repaint) must not stack box upon box.
#include <gtest/gtest.h>

#include <stdexcept>

#include "runtime/ErrorBox.h"

namespace {

constexpr int RepeatsWhileUp = 5;
int repeats = 0;
int mostBoxesUp = 0;

BOOL CALLBACK CountBox(HWND window, LPARAM count) {
  char className[16] = "";
  GetClassNameA(window, className, sizeof className);
  if (IsWindowVisible(window) && lstrcmpA(className, "#32770") == 0) ++*reinterpret_cast<int*>(count);
  return TRUE;
}

BOOL CALLBACK CloseBox(HWND window, LPARAM) {
  PostMessageA(window, WM_CLOSE, 0, 0);
  return TRUE;
}

void RaiseTheError() {
  ShowingErrors([] { throw std::runtime_error("Out of system resources"); });
}

// Runs in whichever message loop is current: the box's, once it is up.
void CALLBACK RepeatOrClose(HWND, UINT, UINT_PTR timer, DWORD) {
  int boxesUp = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountBox, reinterpret_cast<LPARAM>(&boxesUp));
  if (boxesUp > mostBoxesUp) mostBoxesUp = boxesUp;
  if (boxesUp == 0) return;  // not up yet
  if (repeats < RepeatsWhileUp) {
    ++repeats;
    RaiseTheError();
    return;
  }
  KillTimer(nullptr, timer);
  EnumThreadWindows(GetCurrentThreadId(), CloseBox, 0);
}

}  // namespace

TEST(ErrorBox, TheSameErrorRepeatingWhileItsBoxIsUpShowsNoSecondBox) {
  ASSERT_NE(SetTimer(nullptr, 0, 20, RepeatOrClose), 0u);
  RaiseTheError();  // returns once the timer has closed the box
  EXPECT_EQ(repeats, RepeatsWhileUp) << "the error repeated inside the box's loop";
  EXPECT_EQ(mostBoxesUp, 1);
}

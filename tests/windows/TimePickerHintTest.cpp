// The how-to-use hint: shown below the picker while the pointer is over the face, and
// hidden when the pointer leaves the face or the control.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/windows/PickerFixture.h"

namespace {

constexpr const char* DefaultHint =
    "Left-click to set Hour\rRight-click to set Minute\r    Ctrl key restricts to 5 minutes";

// Stops at a visible hint popup and hands it back through `result`. A named function:
// the 32-bit callback's calling convention is not a lambda's.
BOOL CALLBACK FindVisibleHint(HWND window, LPARAM result) {
  const LONG exStyle = GetWindowLongA(window, GWL_EXSTYLE);
  if (IsWindowVisible(window) && (exStyle & WS_EX_TOOLWINDOW) && (GetWindowLongA(window, GWL_STYLE) & WS_POPUP)) {
    *reinterpret_cast<HWND*>(result) = window;
    return FALSE;
  }
  return TRUE;
}

// The visible hint popup of this thread, if any.
HWND ShownHint() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), &FindVisibleHint, reinterpret_cast<LPARAM>(&found));
  return found;
}

// Handles only this thread's timer messages, for up to `milliseconds` or until `done`.
void PumpTimerMessages(unsigned milliseconds, const std::function<bool()>& done) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < milliseconds && !done()) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE)) DispatchMessageA(&msg);
    Sleep(10);
  }
}

std::string TextOf(HWND window) {
  char text[256] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

class PickerHint : public PickerTest {
 protected:
  void SetUp() override {
    PickerTest::SetUp();
    ASSERT_EQ(GetActiveWindow(), form->Handle());
  }

  void MoveTo(Point p) { SendMessageA(picker->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y)); }
};

}  // namespace

TEST_F(PickerHint, ShowsBelowTheControlWhileThePointerIsOverTheFace) {
  EXPECT_EQ(ShownHint(), nullptr);
  MoveTo(picker->Layout().centre + Point{20, 30});
  const HWND hint = ShownHint();
  ASSERT_NE(hint, nullptr);
  EXPECT_EQ(TextOf(hint), DefaultHint);
  RECT r;
  GetWindowRect(hint, &r);
  const Point corner = picker->ClientToScreen({0, picker->Height()});
  EXPECT_EQ(r.left, corner.x);
  EXPECT_EQ(r.top, corner.y);
  EXPECT_GT(r.bottom - r.top, 30);  // three lines
  MoveTo(picker->Layout().centre + Point{-20, -30});
  EXPECT_EQ(ShownHint(), hint);  // same place: still up
  MoveTo({3, 3});                // the text strip
  EXPECT_EQ(ShownHint(), nullptr);
}

TEST_F(PickerHint, ShowsTheProgramsOwnTextAndGoesWhenThePointerLeavesOrThePickerIsDisabled) {
  picker->HowToUseMsg = "Click the clock";
  MoveTo(picker->Layout().centre);
  ASSERT_NE(ShownHint(), nullptr);
  EXPECT_EQ(TextOf(ShownHint()), "Click the clock");
  SendMessageA(picker->Handle(), WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(ShownHint(), nullptr);
  MoveTo(picker->Layout().centre);
  ASSERT_NE(ShownHint(), nullptr);
  picker->SetEnabled(false);
  EXPECT_EQ(ShownHint(), nullptr);
  MoveTo(picker->Layout().centre);
  EXPECT_EQ(ShownHint(), nullptr);  // nor does a disabled picker show it
  picker->SetEnabled(true);
  picker->ShowHowToUseHint = false;
  MoveTo(picker->Layout().centre);
  EXPECT_EQ(ShownHint(), nullptr);
}

TEST_F(PickerHint, TheTimerHidesItOnceThePointerIsOffTheFace) {
  const Point onFace = picker->ClientToScreen(picker->Layout().centre);
  POINT cursor{};
  if (!SetCursorPos(onFace.x, onFace.y) || !GetCursorPos(&cursor) || cursor.x != onFace.x || cursor.y != onFace.y)
    GTEST_SKIP() << "the pointer cannot be moved here";
  MoveTo(picker->Layout().centre);
  ASSERT_NE(ShownHint(), nullptr);
  ASSERT_TRUE(PumpUntilWitnessTicks(1000, 1));  // the picker checks the pointer once a second
  EXPECT_NE(ShownHint(), nullptr);              // and finds it still on the face
  // The pointer leaves, and only timer messages are handled: the picker hears nothing
  // of the move, as when a message goes astray.
  const Point away = picker->ClientToScreen({picker->Width() + 100, 5});
  SetCursorPos(away.x, away.y);
  PumpTimerMessages(3000, [] { return ShownHint() == nullptr; });
  EXPECT_EQ(ShownHint(), nullptr);
}

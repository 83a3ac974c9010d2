// The time picker driven by mouse, key and dialog messages sent to its real window:
// what each sets, which events it raises, and what a disabled picker ignores.
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "tests/windows/PickerFixture.h"

namespace {

LPARAM Position(Point p) { return MAKELPARAM(p.x, p.y); }

class PickerInput : public PickerTest {
 protected:
  void SetUp() override {
    PickerTest::SetUp();
    picker->ShowHowToUseHint = false;
    picker->OnChange = [this](TComponent*) { ++changes; };
    picker->OnSetTime = [this](TComponent*) { ++setTimes; };
    picker->OnSetBtnClick = [this](TComponent*) { ++setClicks; };
  }

  HWND Window() { return picker->Handle(); }
  Point Centre() { return picker->Layout().centre; }
  // A point on the face, `degrees` clockwise from straight up.
  Point OnFace(double degrees) {
    const double radians = degrees * 3.14159265358979323846 / 180;
    const int reach = picker->Layout().radius * 3 / 4;
    return Centre() + Point{static_cast<int>(std::lround(std::sin(radians) * reach)),
                            static_cast<int>(-std::lround(std::cos(radians) * reach))};
  }
  Point Middle(const Rect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

  void Press(UINT message, WPARAM keys, Point p) { SendMessageA(Window(), message, keys, Position(p)); }
  void LeftClick(Point p, WPARAM keys = 0) {
    Press(WM_LBUTTONDOWN, MK_LBUTTON | keys, p);
    Press(WM_LBUTTONUP, keys, p);
  }
  void RightClick(Point p, WPARAM keys = 0) {
    Press(WM_RBUTTONDOWN, MK_RBUTTON | keys, p);
    Press(WM_RBUTTONUP, keys, p);
  }
  void Key(WORD key) { SendMessageA(Window(), WM_KEYDOWN, key, 0); }
  void Start(TTime time) {
    picker->SetTime(time);
    changes = setTimes = setClicks = 0;
  }

  int changes = 0, setTimes = 0, setClicks = 0;
};

}  // namespace

TEST_F(PickerInput, LeftClickSetsTheHourInTheCurrentHalfOfTheDay) {
  Start(At(5, 20));
  LeftClick(OnFace(0));
  EXPECT_EQ(picker->Time(), At(0, 20));
  EXPECT_EQ(changes, 1);  // set on the press; the release finds the same hour
  EXPECT_EQ(setTimes, 1);
  Start(At(13, 20));
  LeftClick(OnFace(0));
  EXPECT_EQ(picker->Time(), At(12, 20));
  LeftClick(OnFace(180));
  EXPECT_EQ(picker->Time(), At(18, 20));
  LeftClick(OnFace(90));
  EXPECT_EQ(picker->Time(), At(15, 20));
  EXPECT_TRUE(picker->Focused());  // a press takes the focus
}

TEST_F(PickerInput, DraggingMovesTheHourAndLeavingTheFaceKeepsIt) {
  Start(At(2, 10));
  Press(WM_LBUTTONDOWN, MK_LBUTTON, OnFace(0));
  Press(WM_MOUSEMOVE, MK_LBUTTON, OnFace(90));
  EXPECT_EQ(picker->Time(), At(3, 10));
  Press(WM_MOUSEMOVE, MK_LBUTTON, {-5000, 30000});
  EXPECT_EQ(picker->Time(), At(3, 10));
  Press(WM_LBUTTONUP, 0, {-5000, 30000});
  EXPECT_EQ(picker->Time(), At(3, 10));
  EXPECT_EQ(setTimes, 0);  // released off the face
  Press(WM_MOUSEMOVE, 0, OnFace(180));
  EXPECT_EQ(picker->Time(), At(3, 10));  // no button held any more
}

TEST_F(PickerInput, RightClickSetsTheMinuteAndCtrlSnapsWithinTheHour) {
  Start(At(7, 0));
  RightClick(Centre() + MinuteOffset(20, 50));
  EXPECT_EQ(picker->Time(), At(7, 20));
  EXPECT_EQ(setTimes, 1);
  RightClick(Centre() + MinuteOffset(58, 50), MK_CONTROL);
  EXPECT_EQ(picker->Time(), At(7, 0));  // minute 0 of the same hour, not the next
  Press(WM_RBUTTONDOWN, MK_RBUTTON, Centre() + MinuteOffset(40, 50));
  Press(WM_MOUSEMOVE, MK_RBUTTON, Centre() + MinuteOffset(44, 50));
  EXPECT_EQ(picker->Time(), At(7, 44));
  Press(WM_RBUTTONUP, 0, Centre() + MinuteOffset(44, 50));
  picker->RestrictMinutes = true;
  RightClick(Centre() + MinuteOffset(3, 50));
  EXPECT_EQ(picker->Time(), At(7, 5));
}

TEST_F(PickerInput, SelectorsMoveTheTimeBetweenTheHalvesOfTheDay) {
  const ClockLayout layout = picker->Layout();
  Start(At(0, 15));
  LeftClick(Middle(layout.am));
  EXPECT_EQ(changes, 0);  // already AM
  LeftClick(Middle(layout.pm));
  EXPECT_EQ(picker->Time(), At(12, 15));
  EXPECT_TRUE(picker->IsPM());
  EXPECT_EQ(changes, 1);
  Press(WM_LBUTTONDOWN, MK_LBUTTON, Middle(layout.am));
  Press(WM_LBUTTONUP, 0, Middle(layout.pm));
  EXPECT_EQ(picker->Time(), At(12, 15));  // pressed on AM, released on PM: nothing
  LeftClick(Middle(layout.am));
  EXPECT_EQ(picker->Time(), At(0, 15));
  EXPECT_EQ(setTimes, 0);
}

TEST_F(PickerInput, TheHiddenSetButtonsAreaStillAnswersAClick) {
  const ClockLayout layout = picker->Layout();
  Start(At(8, 0));
  LeftClick(Middle(layout.set));
  EXPECT_EQ(setClicks, 1);
  Press(WM_LBUTTONDOWN, MK_LBUTTON, Middle(layout.set));
  Press(WM_LBUTTONUP, 0, Centre());
  EXPECT_EQ(setClicks, 1);
  EXPECT_EQ(picker->Time(), At(8, 0));
  EXPECT_EQ(setTimes, 0);
}

TEST_F(PickerInput, ArrowAndPageKeysStepAndWrapThroughMidnight) {
  EXPECT_EQ(SendMessageA(Window(), WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS);
  Start(At(0, 0));
  Key(VK_DOWN);
  EXPECT_EQ(picker->Time(), At(23, 59));
  EXPECT_TRUE(picker->IsPM());
  Key(VK_UP);
  EXPECT_EQ(picker->Time(), At(0, 0));
  EXPECT_EQ(changes, 2);
  Start(At(11, 30));
  Key(VK_PRIOR);
  EXPECT_EQ(picker->Time(), At(12, 30));
  EXPECT_TRUE(picker->IsPM());
  Start(At(0, 30));
  Key(VK_NEXT);
  EXPECT_EQ(picker->Time(), At(23, 30));
}

TEST_F(PickerInput, KeysActOnTheKeyAsTheKeyHandlerLeftIt) {
  Start(At(9, 0));
  picker->OnKeyDown = [](TComponent*, WORD& key, TShiftState) { key = key == VK_UP ? 0 : VK_UP; };
  Key(VK_UP);
  EXPECT_EQ(picker->Time(), At(9, 0));
  Key(VK_DOWN);
  EXPECT_EQ(picker->Time(), At(9, 1));
}

TEST_F(PickerInput, EnterClicksSetOnlyWhileTheButtonIsShown) {
  Key(VK_RETURN);
  EXPECT_EQ(setClicks, 0);
  picker->SetShowSetButton(true);
  Key(VK_RETURN);
  EXPECT_EQ(setClicks, 1);
}

TEST_F(PickerInput, CaptionAcceleratorsSwitchAndClickSetButTheDefaultCaptionsHaveNone) {
  const auto altKey = [this](char key) {
    return form->HandleDialogKey({form->Handle(), WM_SYSCHAR, static_cast<WPARAM>(key), 0, 0, {}});
  };
  Start(At(9, 0));
  EXPECT_FALSE(altKey('p'));
  EXPECT_FALSE(altKey('a'));
  EXPECT_EQ(changes, 0);
  picker->SetCaptionAM("A&M");
  picker->SetCaptionPM("&PM");
  picker->SetCaptionSet("&Go");
  EXPECT_TRUE(altKey('p'));
  EXPECT_EQ(picker->Time(), At(21, 0));
  EXPECT_TRUE(altKey('m'));
  EXPECT_EQ(picker->Time(), At(9, 0));
  EXPECT_TRUE(altKey('g'));  // the Set button is hidden, its accelerator still works
  EXPECT_EQ(setClicks, 1);
  EXPECT_FALSE(altKey('x'));
  picker->SetEnabled(false);
  EXPECT_FALSE(altKey('p'));
  EXPECT_EQ(picker->Time(), At(9, 0));
}

TEST_F(PickerInput, ADisabledPickerIgnoresInputButTakesTimeFromTheProgram) {
  picker->SetEnabled(false);
  picker->SetShowSetButton(true);
  Start(At(4, 4));
  LeftClick(OnFace(90));
  RightClick(Centre() + MinuteOffset(30, 50));
  LeftClick(Middle(picker->Layout().pm));
  LeftClick(Middle(picker->Layout().set));
  Key(VK_UP);
  Key(VK_RETURN);
  EXPECT_EQ(picker->Time(), At(4, 4));
  EXPECT_EQ(changes + setTimes + setClicks, 0);
  EXPECT_FALSE(picker->Focused());
  picker->SetTime(At(16, 0));
  EXPECT_EQ(picker->Time(), At(16, 0));
  EXPECT_EQ(changes, 1);
}

TEST_F(PickerInput, TheSetterKeepsWholeMinutesAndNotifiesOnlyOnADifferentFraction) {
  Start(At(7, 5));
  picker->SetTime(EncodeTime(7, 5, 30, 0));
  EXPECT_EQ(picker->Time(), At(7, 5));
  EXPECT_EQ(changes, 1);  // the fractions differed
  picker->SetTime(At(7, 5));
  EXPECT_EQ(changes, 1);
  picker->SetTime(3.0 + At(19, 1));  // the date part is dropped
  EXPECT_EQ(picker->Time(), At(19, 1));
  EXPECT_TRUE(picker->IsPM());
}

TEST_F(PickerInput, AFailingChangeHandlerStillLeavesTheNewValue) {
  picker->OnChange = [](TComponent*) { throw std::runtime_error("handler failed"); };
  EXPECT_THROW(picker->SetTime(At(6, 30)), std::runtime_error);
  EXPECT_EQ(picker->Time(), At(6, 30));
  EXPECT_FALSE(picker->IsPM());
}

TEST_F(PickerInput, TheSizeNeverFallsBelowWhatTheFontAndSetCaptionNeed) {
  picker->SetBounds(10, 10, 20, 20);
  const int minimumWidth = picker->Width(), minimumHeight = picker->Height();
  EXPECT_GT(minimumWidth, 100);
  EXPECT_GT(minimumHeight, 100);
  picker->SetCaptionSet("Set the wake-up time now");
  EXPECT_GT(picker->Width(), minimumWidth);
  picker->SetAutoSize(false);
  picker->Font().SetHeight(-22);
  picker->SetBounds(10, 10, 20, 20);
  EXPECT_GT(picker->Height(), minimumHeight);
  picker->SetAutoSize(true);  // unaligned: takes exactly what it needs
  const int needed = picker->Height();
  picker->SetBounds(10, 10, 400, 400);
  picker->Font().SetHeight(-11);
  EXPECT_LT(picker->Height(), needed);
}

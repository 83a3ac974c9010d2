// The state rules of the styled controls: hot tracking, presses, the looks they give,
// the check box's value, and where the check box puts its parts.
#include <gtest/gtest.h>

#include "GeometryPrinting.h"
#include "controls/styled/CheckState.h"
#include "controls/styled/CheckboxGeometry.h"
#include "controls/styled/ControlTracking.h"

TEST(HotTracking, EntersAndLeavesOnceAndOnlyWhileEnabled) {
  ControlTracking tracking;
  EXPECT_EQ(tracking.PointerAt(true, false), HotChange::None);  // a disabled control is never hot
  EXPECT_EQ(tracking.PointerAt(true, true), HotChange::Entered);
  EXPECT_EQ(tracking.PointerAt(true, true), HotChange::None);
  EXPECT_EQ(tracking.PointerAt(false, true), HotChange::Left);  // dragged outside while captured
  EXPECT_EQ(tracking.PointerAt(true, true), HotChange::Entered);
  EXPECT_EQ(tracking.PointerLeft(), HotChange::Left);
  EXPECT_EQ(tracking.PointerLeft(), HotChange::None);
}

TEST(HotTracking, FocusLossDropsTheMousePressAndFollowsThePointer) {
  ControlTracking tracking;
  tracking.PointerAt(true, true);
  tracking.FocusReceived();
  tracking.MousePressed();
  EXPECT_EQ(tracking.FocusLost(false, true), HotChange::Left);
  EXPECT_FALSE(tracking.Flags().focused);
  EXPECT_FALSE(tracking.Flags().mouseHeld);
  EXPECT_EQ(tracking.FocusLost(true, true), HotChange::Entered);
}

TEST(HotTracking, EnablingUnderThePointerMakesHotAndDisablingEndsEveryPress) {
  ControlTracking tracking;
  tracking.PointerAt(true, true);
  tracking.MousePressed();
  tracking.KeyPressed();
  tracking.EnabledChanged(false, true);
  EXPECT_FALSE(tracking.Flags().hot);
  EXPECT_FALSE(tracking.Flags().mouseHeld);
  EXPECT_FALSE(tracking.Flags().keyHeld);
  tracking.EnabledChanged(true, true);
  EXPECT_TRUE(tracking.Flags().hot);
  tracking.EnabledChanged(true, false);
  EXPECT_FALSE(tracking.Flags().hot);
}

TEST(HotTracking, ARepeatedKeyDownIsSwallowedAndReleasesReportWhatWasHeld) {
  ControlTracking tracking;
  EXPECT_TRUE(tracking.KeyPressed());
  EXPECT_FALSE(tracking.KeyPressed());
  EXPECT_TRUE(tracking.KeyReleased());
  EXPECT_FALSE(tracking.KeyReleased());
  tracking.MousePressed();
  tracking.PressAbandoned();
  EXPECT_FALSE(tracking.MouseReleased());
}

namespace {
TrackingFlags Flags(bool hot, bool mouseHeld, bool keyHeld, bool focused) { return {hot, mouseHeld, keyHeld, focused}; }
}  // namespace

TEST(ButtonLook, HoverRingsOrangeFocusAndDragAwayRingBlueAPressRingsNothing) {
  EXPECT_EQ(ButtonRing(Flags(true, false, false, false), true), Ring::Hottrack);
  EXPECT_EQ(ButtonRing(Flags(true, false, false, true), true), Ring::Hottrack);
  EXPECT_EQ(ButtonRing(Flags(false, false, false, true), true), Ring::Highlight);
  EXPECT_EQ(ButtonRing(Flags(false, true, false, true), true), Ring::Highlight);  // pressed, dragged off
  EXPECT_EQ(ButtonRing(Flags(true, true, false, true), true), Ring::None);        // pressed over it
  EXPECT_EQ(ButtonRing(Flags(true, false, true, true), true), Ring::Highlight);   // space held
  EXPECT_EQ(ButtonRing(Flags(false, false, false, false), true), Ring::None);
  EXPECT_EQ(ButtonRing(Flags(true, false, false, true), false), Ring::None);  // disabled
}

TEST(CheckboxLook, RingsLikeTheButtonButKeepsTheHoverRingWhileSpaceIsHeld) {
  EXPECT_EQ(CheckboxRing(Flags(true, false, true, true), true), Ring::Hottrack);
  EXPECT_EQ(CheckboxRing(Flags(false, false, true, true), true), Ring::Highlight);
  EXPECT_EQ(CheckboxRing(Flags(false, true, false, true), true), Ring::Highlight);  // dragged off the box
  EXPECT_EQ(CheckboxRing(Flags(true, true, false, true), true), Ring::None);
  EXPECT_EQ(CheckboxRing(Flags(false, false, false, false), true), Ring::None);
  EXPECT_TRUE(CheckboxLooksPressed(Flags(true, true, false, true)));
  EXPECT_FALSE(CheckboxLooksPressed(Flags(false, true, false, true)));
}

TEST(LabelTone, RedUnderTheMousePurpleWhenFocusedElsewhereAndPlainWithoutHottrack) {
  EXPECT_EQ(LabelTextTone(Flags(true, false, false, false), true, true), LabelTone::Hottrack);
  EXPECT_EQ(LabelTextTone(Flags(true, false, false, true), true, true), LabelTone::Hottrack);
  EXPECT_EQ(LabelTextTone(Flags(false, false, false, true), true, true), LabelTone::Highlight);
  EXPECT_EQ(LabelTextTone(Flags(false, true, false, false), true, true), LabelTone::Highlight);
  EXPECT_EQ(LabelTextTone(Flags(false, false, false, false), true, true), LabelTone::Font);
  EXPECT_EQ(LabelTextTone(Flags(true, false, false, true), false, true), LabelTone::Font);
  EXPECT_EQ(LabelTextTone(Flags(true, false, false, true), true, false), LabelTone::Font);
}

TEST(CheckValue, CheckedFollowsTheStateAndSameValueChangesNothing) {
  CheckValue value;
  EXPECT_FALSE(value.SetChecked(false));
  EXPECT_TRUE(value.SetChecked(true));
  EXPECT_EQ(value.State(), sccbChecked);
  EXPECT_FALSE(value.SetChecked(true));
  EXPECT_FALSE(value.SetState(sccbChecked));
  EXPECT_TRUE(value.SetChecked(false));
  EXPECT_EQ(value.State(), sccbUnchecked);
}

TEST(CheckValue, GrayedIsCheckedUnlessAllowedAndFalseLeavesGrayedAlone) {
  CheckValue value;
  EXPECT_TRUE(value.SetState(sccbGrayed));
  EXPECT_EQ(value.State(), sccbChecked);
  value.SetAllowGrayed(true);
  EXPECT_TRUE(value.SetState(sccbGrayed));
  EXPECT_FALSE(value.Checked());
  EXPECT_FALSE(value.SetChecked(false));
  EXPECT_EQ(value.State(), sccbGrayed);
  EXPECT_TRUE(value.SetAllowGrayed(false));
  EXPECT_EQ(value.State(), sccbChecked);
}

TEST(CheckValue, ToggleCyclesThroughGrayedOnlyWhenAllowed) {
  CheckValue value;
  value.Toggle();
  EXPECT_EQ(value.State(), sccbChecked);
  value.Toggle();
  EXPECT_EQ(value.State(), sccbUnchecked);
  value.SetAllowGrayed(true);
  value.Toggle();
  EXPECT_EQ(value.State(), sccbGrayed);
  value.Toggle();
  EXPECT_EQ(value.State(), sccbChecked);
  value.Toggle();
  EXPECT_EQ(value.State(), sccbUnchecked);
}

TEST(CheckboxPlaces, DefaultsPutTheCaptionNineteenPixelsInAndCentreTheBox) {
  const CheckboxPlaces places = PlaceCheckbox({0, 0, 368, 17}, true, scclMiddle, 0, 4);
  EXPECT_EQ(places.box, (Rect{0, 2, 13, 15}));  // rows 2 to 14
  EXPECT_EQ(places.caption, (Rect{19, 0, 368, 17}));
  EXPECT_EQ(PlaceCheckbox({0, 0, 100, 20}, true, scclBottom, 3, 4).box, (Rect{3, 7, 16, 20}));
  EXPECT_EQ(PlaceCheckbox({0, 0, 100, 20}, true, scclTop, 0, 4).box.top, 0);
}

TEST(CheckboxPlaces, BoxAtTheRightEndsTheCaptionBeforeItButNotBeforeTheLeftEdge) {
  const CheckboxPlaces places = PlaceCheckbox({0, 0, 100, 17}, false, scclMiddle, 2, 4);
  EXPECT_EQ(places.box, (Rect{85, 2, 98, 15}));
  EXPECT_EQ(places.caption, (Rect{0, 0, 79, 17}));
  EXPECT_EQ(PlaceCheckbox({0, 0, 14, 17}, false, scclMiddle, 0, 4).caption.right, 0);
}

TEST(CheckboxPlaces, TheMarkSitsInTheBoxMiddleAndTheFocusFrameStaysInside) {
  EXPECT_EQ(CheckMarkStroke({0, 2, 13, 15}), (std::vector<Point>{{3, 7}, {5, 9}, {10, 4}}));
  EXPECT_EQ(CaptionFocusFrame({19, 2, 100, 15}, {0, 0, 368, 17}), (Rect{17, 1, 102, 17}));
  EXPECT_EQ(CaptionFocusFrame({1, 0, 367, 16}, {0, 0, 368, 17}), (Rect{0, 0, 368, 17}));
}

#include "controls/styled/ControlTracking.h"

HotChange ControlTracking::SetHot(bool hot) {
  if (hot == flags_.hot) return HotChange::None;
  flags_.hot = hot;
  return hot ? HotChange::Entered : HotChange::Left;
}

HotChange ControlTracking::PointerAt(bool inside, bool enabled) { return SetHot(inside && enabled); }

HotChange ControlTracking::PointerLeft() { return SetHot(false); }

HotChange ControlTracking::FocusLost(bool pointerOver, bool enabled) {
  flags_.focused = false;
  flags_.mouseHeld = false;
  return SetHot(pointerOver && enabled);
}

void ControlTracking::EnabledChanged(bool enabled, bool pointerOver) {
  PressAbandoned();
  flags_.hot = enabled && pointerOver;
}

bool ControlTracking::MouseReleased() {
  const bool held = flags_.mouseHeld;
  flags_.mouseHeld = false;
  return held;
}

bool ControlTracking::KeyPressed() {
  if (flags_.keyHeld) return false;
  flags_.keyHeld = true;
  return true;
}

bool ControlTracking::KeyReleased() {
  const bool held = flags_.keyHeld;
  flags_.keyHeld = false;
  return held;
}

void ControlTracking::PressAbandoned() {
  flags_.mouseHeld = false;
  flags_.keyHeld = false;
}

bool ButtonLooksPressed(const TrackingFlags& flags) { return flags.keyHeld || (flags.mouseHeld && flags.hot); }

Ring ButtonRing(const TrackingFlags& flags, bool enabled) {
  if (!enabled) return Ring::None;
  if (flags.hot && !flags.mouseHeld && !flags.keyHeld) return Ring::Hottrack;
  if (flags.keyHeld || (flags.mouseHeld && !flags.hot) || (flags.focused && !flags.hot && !flags.mouseHeld))
    return Ring::Highlight;
  return Ring::None;
}

bool CheckboxLooksPressed(const TrackingFlags& flags) { return flags.keyHeld || (flags.hot && flags.mouseHeld); }

Ring CheckboxRing(const TrackingFlags& flags, bool enabled) {
  if (!enabled || (flags.mouseHeld && flags.hot)) return Ring::None;
  if (flags.hot) return Ring::Hottrack;
  if (flags.mouseHeld || flags.focused) return Ring::Highlight;
  return Ring::None;
}

LabelTone LabelTextTone(const TrackingFlags& flags, bool hottrack, bool enabled) {
  if (!hottrack || !enabled) return LabelTone::Font;
  if ((flags.mouseHeld || flags.focused) && !flags.hot) return LabelTone::Highlight;
  if (flags.hot) return LabelTone::Hottrack;
  return LabelTone::Font;
}

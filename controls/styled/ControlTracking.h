#pragma once
// The mouse and focus state of a styled control, how the window's events change it,
// and the looks the controls derive from it. Plain values, so the rules are tested
// without windows.

struct TrackingFlags {
  bool hot = false;        // the pointer is over the enabled control
  bool mouseHeld = false;  // the left button went down over the control and is still down
  bool keyHeld = false;    // the space bar went down while the control had the focus
  bool focused = false;
};

// What a change of the hot flag asks the control to announce.
enum class HotChange { None, Entered, Left };

class ControlTracking {
 public:
  const TrackingFlags& Flags() const { return flags_; }

  // The pointer moved to a point inside or outside the control (a control that holds
  // the mouse capture also hears of points outside).
  HotChange PointerAt(bool inside, bool enabled);
  HotChange PointerLeft();
  void FocusReceived() { flags_.focused = true; }
  // Clears the focus and the mouse press; the hot flag follows the pointer again.
  HotChange FocusLost(bool pointerOver, bool enabled);
  // Clears the presses and the hot flag; an enabled control under the pointer is hot.
  void EnabledChanged(bool enabled, bool pointerOver);

  void MousePressed() { flags_.mouseHeld = true; }
  // Whether the mouse was held; it is not any more.
  bool MouseReleased();
  // False for a repeated key-down while the key is already held.
  bool KeyPressed();
  // Whether the key was held; it is not any more.
  bool KeyReleased();
  // Focus loss, cancel mode or disabling: neither press goes on.
  void PressAbandoned();

 private:
  HotChange SetHot(bool hot);

  TrackingFlags flags_;
};

// The colour a ring round the face or the box takes, if any.
enum class Ring { None, Hottrack, Highlight };

// The push button looks pressed while the space bar is held, or the mouse is held
// over it.
bool ButtonLooksPressed(const TrackingFlags& flags);
Ring ButtonRing(const TrackingFlags& flags, bool enabled);

bool CheckboxLooksPressed(const TrackingFlags& flags);
Ring CheckboxRing(const TrackingFlags& flags, bool enabled);

// The colour a hot-tracking label gives its text; any but the font's own comes with
// the underline when the label asks for it.
enum class LabelTone { Font, Hottrack, Highlight };
LabelTone LabelTextTone(const TrackingFlags& flags, bool hottrack, bool enabled);

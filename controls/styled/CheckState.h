#pragma once
// The value of a styled check box and the rules for changing it. Changes made here are
// the program's or the keyboard's; only the window's click reports a change.

enum TSCCheckState { sccbUnchecked, sccbChecked, sccbGrayed };

// Unchecked goes to grayed when that is allowed, else to checked; checked goes to
// unchecked; grayed goes to checked.
TSCCheckState NextCheckState(TSCCheckState state, bool allowGrayed);

class CheckValue {
 public:
  TSCCheckState State() const { return state_; }
  bool Checked() const { return state_ == sccbChecked; }
  bool AllowGrayed() const { return allowGrayed_; }

  // Each answers whether the state changed. Grayed is taken as checked unless allowed.
  bool SetState(TSCCheckState state);
  // Writing false to a grayed box leaves it grayed.
  bool SetChecked(bool checked);
  bool Toggle() { return SetState(NextCheckState(state_, allowGrayed_)); }
  // A grayed box that may no longer be grayed becomes checked.
  bool SetAllowGrayed(bool allowGrayed);

 private:
  TSCCheckState state_ = sccbUnchecked;
  bool allowGrayed_ = false;
};

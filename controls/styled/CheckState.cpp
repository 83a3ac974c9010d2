#include "controls/styled/CheckState.h"

TSCCheckState NextCheckState(TSCCheckState state, bool allowGrayed) {
  switch (state) {
    case sccbUnchecked:
      return allowGrayed ? sccbGrayed : sccbChecked;
    case sccbChecked:
      return sccbUnchecked;
    case sccbGrayed:
      return sccbChecked;
  }
  return sccbUnchecked;
}

bool CheckValue::SetState(TSCCheckState state) {
  if (state == sccbGrayed && !allowGrayed_) state = sccbChecked;
  if (state == state_) return false;
  state_ = state;
  return true;
}

bool CheckValue::SetChecked(bool checked) {
  if (checked == Checked()) return false;
  return SetState(state_ == sccbChecked ? sccbUnchecked : sccbChecked);
}

bool CheckValue::SetAllowGrayed(bool allowGrayed) {
  allowGrayed_ = allowGrayed;
  return SetState(state_);
}

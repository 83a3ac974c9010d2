#include "controls/timepicker/ClockFaceColors.h"

#include "runtime/WinControl.h"

namespace {
bool IsColorIndex(int index) { return index >= cfFace && index <= cfMinuteTicks; }
}  // namespace

TColor TRzClockFaceColors::Color(int index) const {
  return IsColorIndex(index) ? colors_[static_cast<std::size_t>(index)] : clNone;
}

void TRzClockFaceColors::SetColor(int index, TColor color) {
  if (!IsColorIndex(index)) return;
  colors_[static_cast<std::size_t>(index)] = color;
  owner_.Invalidate();
}

void TRzClockFaceColors::Assign(const TRzClockFaceColors& source) {
  if (&source == this) return;
  for (int index = cfFace; index <= cfMinuteTicks; ++index) SetColor(index, source.Color(index));
}

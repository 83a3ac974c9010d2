#pragma once
// The five colours of the clock face, owned by the picker that shows them. Every colour
// written asks the owner to repaint.
#include <array>

#include "runtime/ColorMath.h"
#include "runtime/NonCopyable.h"

class TWinControl;

enum ClockFaceColorIndex { cfFace, cfHands, cfNumbers, cfHourTicks, cfMinuteTicks };

class TRzClockFaceColors : NonCopyable {
 public:
  explicit TRzClockFaceColors(TWinControl& owner) : owner_(owner) {}

  // Indexes outside the five read as clNone and are ignored when written.
  TColor Color(int index) const;
  void SetColor(int index, TColor color);

  TColor Face() const { return Color(cfFace); }
  void SetFace(TColor color) { SetColor(cfFace, color); }
  TColor Hands() const { return Color(cfHands); }
  void SetHands(TColor color) { SetColor(cfHands, color); }
  TColor Numbers() const { return Color(cfNumbers); }
  void SetNumbers(TColor color) { SetColor(cfNumbers, color); }
  TColor HourTicks() const { return Color(cfHourTicks); }
  void SetHourTicks(TColor color) { SetColor(cfHourTicks, color); }
  TColor MinuteTicks() const { return Color(cfMinuteTicks); }
  void SetMinuteTicks(TColor color) { SetColor(cfMinuteTicks, color); }

  // Copies the other set's colours one by one, each through the setter.
  void Assign(const TRzClockFaceColors& source);

 private:
  TWinControl& owner_;
  std::array<TColor, 5> colors_{clBtnFace, clWindowText, clWindowText, clBtnShadow, clWindowText};
};

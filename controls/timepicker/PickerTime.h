#pragma once
// The picker's value rules: it keeps a whole-minute time of day and an afternoon flag,
// and every change, by mouse, key or program, goes through the same setter.
#include "runtime/DayTime.h"

constexpr int MinutesPerDay = 24 * 60;
// How the picker writes its time when no format is set: "6:45 AM".
constexpr const char* PickerDefaultFormat = "h:mm ampm";

// Minutes since midnight of a value's time of day; 0 for NaN, infinities and values
// too large to carry a time of day.
int MinutesOfDay(TTime value);

TTime TimeOfMinutes(int minutesOfDay);

struct PickerValue {
  TTime time = 0;   // hour and minute of the given value's time of day, date part 0
  bool pm = false;  // hour 12 or later
};

PickerValue PickerValueFor(TTime value);

// Whether setting value must store again and notify: its fractional part differs
// from the stored value (so 07:05:30 over 07:05 does, 07:05 again does not).
bool TimeSetterActs(TTime stored, TTime value);

// The hour of the day a face hour (1 to 12) stands for in the current half of the day.
int HourOfDayFromFace(int faceHour, bool pm);

// Each step's value is the minutes it moves the time by.
enum class ClockKeyStep { MinuteLater = 1, MinuteEarlier = -1, HourLater = 60, HourEarlier = -60 };

// One key step, wrapping through midnight either way.
int SteppedMinutesOfDay(int minutesOfDay, ClockKeyStep step);

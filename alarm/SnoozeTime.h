#pragma once
// The snooze: the alarm rings again a set time after the press, by default 7 minutes
// 12 seconds (0.005 day). The window's answers: snoozed, or disabled (by "DISABLE" or
// by closing the window).
#include "runtime/DayTime.h"

constexpr int SnoozeAnswerSnoozed = 1;
constexpr int SnoozeAnswerDisabled = 2;
constexpr int DefaultSnoozeSeconds = 432;

// The new wake-up time for a press at `timeOfDay` (a day fraction in [0, 1)). The sum is
// not reduced below 1.0: a press late in the evening rings early the next morning.
inline TTime SnoozedWakeUp(TTime timeOfDay, int snoozeSeconds = DefaultSnoozeSeconds) {
  return timeOfDay + static_cast<TTime>(snoozeSeconds) * 1000 / MillisecondsPerDay;
}

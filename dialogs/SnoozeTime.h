#pragma once
// The snooze: the alarm rings again 7 minutes 12 seconds (0.005 day) after the press.
#include "runtime/DayTime.h"

constexpr TTime SnoozeInterval = 0.005;

// The new wake-up time for a press at `timeOfDay` (a day fraction in [0, 1)). The sum is
// not reduced below 1.0: a press late in the evening rings early the next morning.
inline TTime SnoozedWakeUp(TTime timeOfDay) { return timeOfDay + SnoozeInterval; }

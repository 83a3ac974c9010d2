#pragma once
#include "runtime/DayTime.h"

// The current local time of day as a day fraction in [0, 1).
TTime LocalTimeOfDay();

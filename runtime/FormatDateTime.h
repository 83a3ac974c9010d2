#pragma once
// The shared date/time formatting routine. Specifiers (letters in any case):
//   h hh      hour; on the 12-hour clock when an AM/PM specifier follows
//   n nn      minute;  m mm  minute right after an hour, else month
//   s ss      second;  z zzz  millisecond
//   d dd      day;     yy yyyy  year
//   am/pm a/p  designator in the case written;  ampm  "AM" or "PM"
//   '...' "..."  literal text; any other character stands for itself
// A value without a time of day (NaN, infinities, huge values) shows as 00:00.
#include <string>

#include "runtime/DayTime.h"

std::string FormatDateTime(const std::string& format, TTime value);

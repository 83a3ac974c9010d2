#pragma once
// The words of the alarm options window: lengths of time as people write them, the
// next ring and the skipped day. Plain functions, so they are tested natively.
#include <optional>
#include <string>
#include <vector>

#include "alarm/NextRing.h"

// "Off" for 0, otherwise e.g. "7 minutes 12 seconds", "1 minute", "1 hour".
std::string DurationText(int seconds);
// The seconds of a length typed in the window: "Off", or numbers each followed by a
// unit (hours, minutes, seconds; "h", "min", "s" and singulars too), any letter case.
// Nothing for anything else, a bare number included: "10" could mean either unit.
std::optional<int> ParseDuration(const std::string& text);

// The lengths offered in the window's lists, in seconds.
const std::vector<int>& SnoozeChoices();
const std::vector<int>& FadeChoices();
const std::vector<int>& FallbackChoices();
// The ring's time limits offered, in seconds ("Off": it rings until answered).
const std::vector<int>& RingLimitChoices();

// "30 %"; the percent of a text such as "30 %", "30%" or "30", none for anything else.
std::string PercentText(int percent);
std::optional<int> ParsePercent(const std::string& text);

// "Tuesday" for day 0 Sunday ... 6 Saturday; "December" for month 1 ... 12.
const char* DayName(int dayOfWeek);
const char* MonthName(int month);
// "Tuesday 8 December" for a local date.
std::string DateInWords(const LocalDateTime& date);
// "Next alarm: Tuesday 8 December, 07:30", or "Alarm is off" without a ring.
std::string NextAlarmText(const std::optional<RingSlot>& slot, const TimeZoneRules& zone);
// "Skipping Tuesday 8 December" for a skip date yyyymmdd; empty for none.
std::string SkipText(int skipDate);

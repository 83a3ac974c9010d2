#pragma once
// The words of the "Alarms" and "Alarm" windows: an alarm's days and next ring in the
// few letters a row has room for, the next ring of all alarms, the alarm time as the
// picker writes it. Plain functions, so they are tested natively.
#include <optional>
#include <string>

#include "alarm/NextRing.h"
#include "runtime/DayTime.h"

// "Every day", "Mon-Fri", "Sat, Sun", "Mon, Wed, Fri", "Mon-Thu, Sat", "Never"; "Once"
// for a one-off, whatever its days. `days`: VelDays, bit 0 Sunday ... bit 6 Saturday.
std::string DaysInShortWords(int days, bool once);
// "Tue 8 Dec" for the ring of a row, "off" without one.
std::string RowNextRingText(const std::optional<RingSlot>& slot, const TimeZoneRules& zone);
// The first LabelShownLength characters of a label.
std::string ShownLabel(const std::string& label);
// "Next alarm: Tuesday 8 December, 06:45 (Work)": the label only when there is one;
// "Alarm is off" without a ring.
std::string LabelledNextAlarmText(const std::optional<RingSlot>& slot, const std::string& label,
                                  const TimeZoneRules& zone);
// The alarm time as the picker shows it: "6:45 AM".
std::string AlarmTimeText(TTime time);
// "Alarm 3: Work", "Alarm 3" without a label, "Alarm" for an alarm not added yet (0).
std::string AlarmCaption(int number, const std::string& label);
// "Alarm 2: Work, Tuesday 8 December, 06:45. The PC was asleep and did not wake in time",
// the missed-alarm window's line for a ring planned for `planned` that passed unrung.
std::string MissedRingText(int number, const std::string& label, UtcMs planned, const char* reason,
                           const TimeZoneRules& zone);

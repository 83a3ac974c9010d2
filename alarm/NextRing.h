#pragma once
// When the alarm rings next: one answer for the worker's timer, the options window's
// "Next alarm" text and the tests.
//
// An armed day rings at the start of the alarm's local minute: in a repeated autumn hour
// at its first occurrence, in a skipped spring hour at the first minute after the jump.
// A ring may come late, while no more than the catch-up minutes have passed since that
// start (0: only within the minute itself); after that the day is missed. A day rings
// only when its weekday is ticked and it is not the skip date, and the same alarm time
// rings at most once per local date (the last ring's record). A snooze rings at its
// instant whatever the days, the skip date and the record say, late within the same
// catch-up time, when it comes before the next armed day; a one-off alarm that switched
// itself off after its ring still rings its snooze (switching an alarm off by hand clears it).
//
// Late rings are for a PC that slept or a clock that jumped past the alarm. A minute
// that had begun before the worker was watching the present settings (an alarm set a
// few minutes into the past, a player started after the alarm) keeps the exact-minute
// rule instead of ringing at once.
#include <optional>
#include <string>

#include "alarm/SettingsRecord.h"
#include "alarm/TimeZoneRules.h"

struct RingSlot {
  UtcMs start = 0;       // the first instant of the armed minute
  UtcMs latest = 0;      // the last instant at which it may still ring
  int date = 0;          // the local date the alarm belongs to, yyyymmdd
  int alarmMinute = 0;   // the alarm time, minutes since midnight
  bool snoozed = false;  // the ring of a snooze
};

// Since when the settings that decide the armed days have been watched (a snooze, the
// last ring's record and the sound do not count).
class ScheduleWatch {
 public:
  // The watch at `now` of `settings`: kept while they stay the same, begun anew when they change.
  UtcMs Observe(const SettingsRecord& settings, UtcMs now);
  // What Observe would answer, leaving the watch as it is: settings not watched yet
  // would be from `now` on.
  UtcMs SinceFor(const SettingsRecord& settings, UtcMs now) const;

 private:
  std::optional<SettingsRecord> watched_;
  UtcMs since_ = 0;
};

// How late a ring may come, in milliseconds after the minute's start, inclusive.
UtcMs CatchUpLimitMs(int catchUpMinutes);

// The earliest armed slot that has not passed its catch-up limit at `now`, or none
// (not armed, no time of day, no day ticked). `watchedSince`: since when the worker
// has watched these settings; none lets every slot catch up.
std::optional<RingSlot> NextRing(const SettingsRecord& settings, UtcMs now, const TimeZoneRules& zone,
                                 std::optional<UtcMs> watchedSince = std::nullopt);

// Whether the worker rings at `now` for `slot`: never early, never past its limit.
inline bool RingIsDue(const RingSlot& slot, UtcMs now) { return now >= slot.start && now <= slot.latest; }

// The last ring's record, "yyyy-mm-dd hh:nn" (local date, alarm time).
std::string LastRungText(const RingSlot& slot);

// What the ring of `slot`, begun at `now`, changes of the alarm's record: the once-a-day
// record (a snooze's ring leaves it alone: the day's own ring is what it records), a
// snooze due by then is spent with it, and a one-off alarm switches itself off after its
// own ring (a snooze of it still rings).
struct RingRecorded {
  bool snoozeSpent = false;
  bool switchedOff = false;
};
RingRecorded RecordRingIn(SettingsRecord& settings, const RingSlot& slot, UtcMs now);

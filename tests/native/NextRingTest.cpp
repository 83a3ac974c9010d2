#include <gtest/gtest.h>

#include <cmath>

#include "PosixTimeZone.h"
#include "alarm/NextRing.h"

namespace {

SettingsRecord AlarmAt(int hour, int minute) {
  SettingsRecord s;
  s.VelActive = true;
  s.VelWakeupTime = EncodeTime(hour, minute, 0, 0);
  return s;
}

// The local reading of the next ring in `zone`, "yyyy-mm-dd hh:nn", or "none".
std::string NextRingReads(const SettingsRecord& s, UtcMs now, const TimeZoneRules& zone) {
  const auto slot = NextRing(s, now, zone);
  if (!slot) return "none";
  const LocalDateTime local = zone.ToLocal(slot->start);
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", local.year, local.month, local.day, local.hour,
                local.minute);
  return text;
}

const PosixTimeZone NewYork("America/New_York");
const PosixTimeZone Berlin("Europe/Berlin");
const PosixTimeZone LordHowe("Australia/Lord_Howe");
const FixedOffsetZone Utc;

// 2026-12-07 is a Monday.
UtcMs MondayAt(int hour, int minute, int second = 0) { return LocalInstant(Utc, 2026, 12, 7, hour, minute, second); }

}  // namespace

TEST(NextRingDaylightSaving, AlarmInTheSkippedSpringHourRingsAtTheFirstMinuteAfterTheJump) {
  const UtcMs night = LocalInstant(NewYork, 2026, 3, 8, 0, 0);
  EXPECT_EQ(NextRingReads(AlarmAt(2, 30), night, NewYork), "2026-03-08 03:00");
  EXPECT_EQ(NextRing(AlarmAt(2, 30), night, NewYork)->start, LocalInstant(Utc, 2026, 3, 8, 7, 0));
  EXPECT_EQ(NextRingReads(AlarmAt(2, 30), LocalInstant(Berlin, 2026, 3, 29, 1, 0), Berlin), "2026-03-29 03:00");
  // Lord Howe Island moves its clock by half an hour only.
  EXPECT_EQ(NextRingReads(AlarmAt(2, 10), LocalInstant(LordHowe, 2026, 10, 4, 0, 0), LordHowe), "2026-10-04 02:30");
  EXPECT_EQ(NextRingReads(AlarmAt(2, 40), LocalInstant(LordHowe, 2026, 10, 4, 0, 0), LordHowe), "2026-10-04 02:40");
}

TEST(NextRingDaylightSaving, RepeatedAutumnHourRingsAtItsFirstOccurrenceOnly) {
  const SettingsRecord alarm = AlarmAt(1, 30);
  const UtcMs first = NextRing(alarm, LocalInstant(NewYork, 2026, 11, 1, 0, 0), NewYork)->start;
  EXPECT_EQ(first, LocalInstant(Utc, 2026, 11, 1, 5, 30));  // 01:30 summer time
  // Asleep through the first, awake at the second 01:30: that one is not a new ring.
  EXPECT_EQ(NextRingReads(alarm, first + MsPerHour, NewYork), "2026-11-02 01:30");
  EXPECT_EQ(NextRing(AlarmAt(2, 30), LocalInstant(Berlin, 2026, 10, 25, 0, 0), Berlin)->start,
            LocalInstant(Utc, 2026, 10, 25, 0, 30));
  EXPECT_EQ(NextRing(AlarmAt(1, 45), LocalInstant(LordHowe, 2026, 4, 5, 0, 0), LordHowe)->start,
            LocalInstant(Utc, 2026, 4, 4, 14, 45));  // 01:45 at +11:00, before the clock goes back to +10:30
}

TEST(NextRingDaylightSaving, TheDayAfterAChangeRingsAtTheLocalTimeAgain) {
  EXPECT_EQ(NextRingReads(AlarmAt(7, 0), LocalInstant(NewYork, 2026, 3, 8, 7, 30), NewYork), "2026-03-09 07:00");
  EXPECT_EQ(NextRingReads(AlarmAt(7, 0), LocalInstant(Berlin, 2026, 10, 25, 7, 30), Berlin), "2026-10-26 07:00");
}

TEST(NextRingMidnight, AlarmAfterMidnightIsTomorrows) {  // a snooze past midnight: the snooze tests
  EXPECT_EQ(NextRingReads(AlarmAt(0, 5), MondayAt(23, 59), Utc), "2026-12-08 00:05");
  EXPECT_EQ(NextRingReads(AlarmAt(23, 59), MondayAt(23, 58, 59), Utc), "2026-12-07 23:59");
}

TEST(NextRingMidnight, YesterdaysLateAlarmStillCatchesUpJustAfterMidnight) {
  const auto slot = NextRing(AlarmAt(23, 58), MondayAt(0, 5), Utc);
  ASSERT_TRUE(slot);
  EXPECT_EQ(slot->date, 20261206);
  EXPECT_TRUE(RingIsDue(*slot, MondayAt(0, 5)));
}

TEST(CatchUp, TenMinutesLateStillRingsAMillisecondMoreDoesNot) {
  SettingsRecord s = AlarmAt(7, 30);
  const UtcMs start = MondayAt(7, 30);
  EXPECT_TRUE(RingIsDue(*NextRing(s, start + 10 * MsPerMinute, Utc), start + 10 * MsPerMinute));
  const auto missed = NextRing(s, start + 10 * MsPerMinute + 1, Utc);
  EXPECT_EQ(missed->start, start + MsPerCalendarDay);
}

TEST(CatchUp, ZeroKeepsTheExactMinuteRule) {
  SettingsRecord s = AlarmAt(7, 30);
  s.VelCatchUpMinutes = 0;
  const UtcMs start = MondayAt(7, 30);
  EXPECT_TRUE(RingIsDue(*NextRing(s, start + 59999, Utc), start + 59999));
  EXPECT_EQ(NextRing(s, start + MsPerMinute, Utc)->start, start + MsPerCalendarDay);
}

TEST(CatchUp, AMinuteBegunBeforeTheWatchKeepsTheExactRule) {
  const SettingsRecord s = AlarmAt(7, 30);
  const UtcMs start = MondayAt(7, 30);
  // Set at 07:35 for 07:30: tomorrow; started at 07:30:40: still this minute.
  EXPECT_EQ(NextRing(s, start + 5 * MsPerMinute, Utc, start + 5 * MsPerMinute)->start, start + MsPerCalendarDay);
  EXPECT_TRUE(RingIsDue(*NextRing(s, start + 40000, Utc, start + 40000), start + 40000));
  // Watched since before the minute: a resume eight minutes late still rings.
  EXPECT_TRUE(RingIsDue(*NextRing(s, start + 8 * MsPerMinute, Utc, start - 1), start + 8 * MsPerMinute));
}

TEST(CatchUp, NeverEarly) {
  const auto slot = NextRing(AlarmAt(7, 30), MondayAt(7, 29, 59), Utc);
  EXPECT_FALSE(RingIsDue(*slot, MondayAt(7, 30) - 1));
  EXPECT_TRUE(RingIsDue(*slot, MondayAt(7, 30)));
}

TEST(NextRingDays, EachTickedWeekdayAloneIsTheOneThatRings) {
  const char* expected[] = {"2026-12-13 07:00", "2026-12-07 07:00", "2026-12-08 07:00", "2026-12-09 07:00",
                            "2026-12-10 07:00", "2026-12-11 07:00", "2026-12-12 07:00"};
  for (int weekday = 0; weekday < 7; ++weekday) {
    SettingsRecord s = AlarmAt(7, 0);
    s.VelDays = 1 << weekday;
    EXPECT_EQ(NextRingReads(s, MondayAt(6, 0), Utc), expected[weekday]) << "weekday " << weekday;
  }
}

TEST(NextRingDays, NoDayTickedNeverRingsUnlessSnoozed) {
  SettingsRecord s = AlarmAt(7, 0);
  s.VelDays = 0;
  EXPECT_EQ(NextRingReads(s, MondayAt(6, 0), Utc), "none");
  s.VelSnoozeUntil = MondayAt(6, 12);
  EXPECT_EQ(NextRingReads(s, MondayAt(6, 0), Utc), "2026-12-07 06:12");
}

TEST(NextRingDays, ASingleTickedDaySkippedRingsAWeekLater) {
  SettingsRecord s = AlarmAt(7, 0);
  s.VelDays = 1;  // Sundays only
  s.VelSkipDate = 20261213;
  EXPECT_EQ(NextRingReads(s, MondayAt(6, 0), Utc), "2026-12-20 07:00");
  // On a Sunday that has rung, with the next one skipped: the Sunday after.
  s.VelLastRung = "2026-12-13 07:00";
  s.VelSkipDate = 20261220;
  EXPECT_EQ(NextRingReads(s, LocalInstant(Utc, 2026, 12, 13, 8, 0), Utc), "2026-12-27 07:00");
}

TEST(NextRingSkip, SkipDateIsPassedOverThenTheScheduleGoesOn) {
  SettingsRecord s = AlarmAt(7, 0);
  s.VelSkipDate = 20261208;
  EXPECT_EQ(NextRingReads(s, MondayAt(8, 0), Utc), "2026-12-09 07:00");
  EXPECT_EQ(NextRingReads(s, MondayAt(6, 0), Utc), "2026-12-07 07:00");
  s.VelSkipDate = 20261207;  // today
  EXPECT_EQ(NextRingReads(s, MondayAt(6, 0), Utc), "2026-12-08 07:00");
  s.VelSkipDate = 20261201;  // in the past: changes nothing
  EXPECT_EQ(NextRingReads(s, MondayAt(6, 0), Utc), "2026-12-07 07:00");
}

TEST(NextRingSnooze, ASnoozeRingsAtItsInstantWhateverTheSkipDateAndTheRecordSay) {
  SettingsRecord s = AlarmAt(7, 0);
  s.VelSkipDate = 20261207;
  s.VelLastRung = "2026-12-07 07:00";
  s.VelSnoozeUntil = MondayAt(7, 7);
  const auto slot = NextRing(s, MondayAt(7, 1), Utc);
  ASSERT_TRUE(slot);
  EXPECT_TRUE(slot->snoozed);
  EXPECT_EQ(slot->start, MondayAt(7, 7));
}

TEST(NextRingSnooze, ASnoozePastItsCatchUpTimeRingsNoMoreAndDoesNotCarryOver) {
  SettingsRecord s = AlarmAt(7, 0);
  s.VelDays = 0x7F & ~(1 << 2);  // Tuesday unticked
  s.VelLastRung = "2026-12-07 07:00";
  s.VelSnoozeUntil = MondayAt(7, 7);
  s.VelCatchUpMinutes = 10;
  EXPECT_EQ(NextRingReads(s, MondayAt(7, 17), Utc), "2026-12-07 07:07");  // late, within the catch-up
  EXPECT_EQ(NextRingReads(s, MondayAt(7, 18), Utc), "2026-12-09 07:00");  // not on the unticked Tuesday
}

TEST(NextRingSnooze, ASnoozeAfterTheNextArmedDayWaitsForIt) {
  SettingsRecord s = AlarmAt(7, 0);
  s.VelSnoozeUntil = MondayAt(7, 30);
  EXPECT_EQ(NextRingReads(s, MondayAt(6, 0), Utc), "2026-12-07 07:00");
  s.VelActive = false;  // a one-off that has rung: its snooze still rings, its days not
  EXPECT_EQ(NextRingReads(s, MondayAt(6, 0), Utc), "2026-12-07 07:30");
}

TEST(OnceADay, TheSameAlarmTimeDoesNotRingTwiceOnADateButAnotherTimeDoes) {
  SettingsRecord s = AlarmAt(7, 30);
  s.VelLastRung = "2026-12-07 07:30";
  // A clock stepped back into the ringing minute.
  EXPECT_EQ(NextRingReads(s, MondayAt(7, 29, 58), Utc), "2026-12-08 07:30");
  s.VelWakeupTime = EncodeTime(7, 35, 0, 0);  // tried again a few minutes ahead
  EXPECT_EQ(NextRingReads(s, MondayAt(7, 31), Utc), "2026-12-07 07:35");
  s.VelLastRung = "not a date";
  EXPECT_EQ(NextRingReads(s, MondayAt(7, 31), Utc), "2026-12-07 07:35");
}

TEST(OnceADay, RecordNamesTheAlarmTimeNotTheMomentOfTheJump) {
  const auto slot = NextRing(AlarmAt(2, 30), LocalInstant(NewYork, 2026, 3, 8, 0, 0), NewYork);
  EXPECT_EQ(LastRungText(*slot), "2026-03-08 02:30");
}

TEST(NextRingArming, NotArmedOrNoTimeOfDayMeansNoRing) {
  SettingsRecord s = AlarmAt(7, 0);
  s.VelActive = false;
  EXPECT_EQ(NextRingReads(s, MondayAt(6, 0), Utc), "none");
  s = AlarmAt(7, 0);
  s.VelWakeupTime = std::nan("");
  EXPECT_EQ(NextRingReads(s, MondayAt(6, 0), Utc), "none");
}

TEST(ScheduleWatch, AMinuteBegunBeforeItsSettingsWereWatchedIsNotCaughtUp) {
  SettingsRecord s = AlarmAt(7, 30);
  ScheduleWatch watch;
  watch.Observe(AlarmAt(8, 0), MondayAt(6, 0));
  // 07:30 saved at 07:33: settings not watched yet count from now, for a window as for the worker.
  EXPECT_EQ(watch.SinceFor(s, MondayAt(7, 33)), MondayAt(7, 33));
  const auto planned = NextRing(s, MondayAt(7, 33), Utc, watch.Observe(s, MondayAt(7, 33)));
  ASSERT_TRUE(planned);
  EXPECT_EQ(planned->start, LocalInstant(Utc, 2026, 12, 8, 7, 30));
  // The same settings watched since before the minute: a late ring within the catch-up.
  ScheduleWatch early;
  early.Observe(s, MondayAt(7, 0));
  EXPECT_EQ(early.Observe(s, MondayAt(7, 33)), MondayAt(7, 0));
  EXPECT_EQ(NextRing(s, MondayAt(7, 33), Utc, MondayAt(7, 0))->start, MondayAt(7, 30));
}

#include <gtest/gtest.h>

#include "PosixTimeZone.h"
#include "alarm/NextRing.h"
#include "alarm/SnoozeTime.h"
#include "runtime/FormatDateTime.h"

namespace {
TTime At(int h, int m, int s) { return EncodeTime(h, m, s, 0); }

// The local minute at which a snooze pressed on 2026-12-07 at `pressed` rings.
std::string SnoozeRingsAt(TTime pressed, int snoozeSeconds = DefaultSnoozeSeconds) {
  const FixedOffsetZone utc;
  SettingsRecord s;
  s.VelActive = true;
  s.VelSnoozed = true;
  s.VelWakeupTime = SnoozedWakeUp(pressed, snoozeSeconds);
  const UtcMs pressMoment = LocalInstant(utc, 2026, 12, 7, 0, 0) + *TimeOfDayMilliseconds(pressed);
  return LastRungText(*NextRing(s, pressMoment, utc));
}
}  // namespace

TEST(Snooze, RingsAgainAtTheMinuteHoldingPressPlusSevenMinutesTwelve) {
  EXPECT_EQ(FormatDateTime("hh:nn:ss", SnoozedWakeUp(At(7, 0, 50))), "07:08:02");
  EXPECT_EQ(SnoozeRingsAt(At(7, 0, 50)), "2026-12-07 07:08");
  EXPECT_EQ(FormatDateTime("hh:nn:ss", SnoozedWakeUp(At(7, 0, 0))), "07:07:12");
  EXPECT_EQ(SnoozeRingsAt(At(7, 0, 0)), "2026-12-07 07:07");
}

TEST(Snooze, LateEveningPressGoesPastOneAndRingsAfterMidnight) {
  const TTime snoozed = SnoozedWakeUp(At(23, 56, 0));
  EXPECT_GT(snoozed, 1.0);
  EXPECT_NEAR(snoozed, 1.0022, 0.0001);
  EXPECT_EQ(FormatDateTime("hh:nn:ss", snoozed), "00:03:12");
  EXPECT_EQ(SnoozeRingsAt(At(23, 56, 0)), "2026-12-08 00:03");
}

TEST(Snooze, LengthIsTheSettingsSeconds) {
  EXPECT_EQ(SnoozedWakeUp(At(7, 0, 0), 432), SnoozedWakeUp(At(7, 0, 0)));
  EXPECT_EQ(FormatDateTime("hh:nn:ss", SnoozedWakeUp(At(7, 0, 30), 60)), "07:01:30");
  EXPECT_EQ(SnoozeRingsAt(At(23, 30, 0), 3600), "2026-12-08 00:30");
}

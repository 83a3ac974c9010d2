#include <gtest/gtest.h>

#include "PosixTimeZone.h"
#include "alarm/Snooze.h"

namespace {
const FixedOffsetZone Utc;
const PosixTimeZone NewYork("America/New_York");
}  // namespace

TEST(SnoozeInstant, RingsAtTheStartOfTheMinuteHoldingThePressPlusTheLength) {
  const UtcMs pressed = LocalInstant(Utc, 2026, 12, 7, 7, 0, 50);
  EXPECT_EQ(SnoozeUntil(pressed, 432, Utc), LocalInstant(Utc, 2026, 12, 7, 7, 8, 0));
  EXPECT_EQ(SnoozeUntil(pressed, 60, Utc), LocalInstant(Utc, 2026, 12, 7, 7, 1, 0));
  EXPECT_EQ(SnoozeUntil(pressed, 600, Utc), LocalInstant(Utc, 2026, 12, 7, 7, 10, 0));
  // Late in the evening it rings early the next morning.
  EXPECT_EQ(SnoozeUntil(LocalInstant(Utc, 2026, 12, 7, 23, 56, 0), 432, Utc), LocalInstant(Utc, 2026, 12, 8, 0, 3, 0));
}

TEST(SnoozeInstant, PressedInTheRepeatedAutumnHourRingsTheLengthLaterNotADayLater) {
  // 01:40 EDT, the first of the two 01:40s of 1 November 2026.
  const UtcMs pressed = LocalInstant(NewYork, 2026, 11, 1, 1, 40);
  const UtcMs until = SnoozeUntil(pressed, 432, NewYork);
  EXPECT_EQ(until - pressed, 7 * MsPerMinute);
  // And in the second 01:40 (EST), an hour of real time later.
  EXPECT_EQ(SnoozeUntil(pressed + MsPerHour, 432, NewYork), until + MsPerHour);
}

TEST(SnoozeInstant, StaleOnlyPastItsCatchUpTime) {
  SettingsRecord s;
  s.VelCatchUpMinutes = 10;
  EXPECT_FALSE(SnoozeIsStale(s, 0));
  s.VelSnoozeUntil = 1000 * MsPerMinute;
  EXPECT_FALSE(SnoozeIsStale(s, 1010 * MsPerMinute));
  EXPECT_TRUE(SnoozeIsStale(s, 1010 * MsPerMinute + 1));
}

TEST(SnoozeText, RegistryTextRoundTripsAndOnlyThatFormIsRead) {
  const UtcMs instant = LocalInstant(Utc, 2026, 12, 7, 21, 17, 0);
  EXPECT_EQ(UtcText(instant), "2026-12-07T21:17:00Z");
  EXPECT_EQ(ParseUtcText("2026-12-07T21:17:00Z"), instant);
  for (const char* bad : {"", "2026-12-07 21:17:00", "2026-12-07T21:17:00", "2026-02-30T21:17:00Z",
                          "2026-12-07T24:00:00Z", "2026-12-07T21:17:0xZ", "garbage of the right size"})
    EXPECT_FALSE(ParseUtcText(bad)) << bad;
}

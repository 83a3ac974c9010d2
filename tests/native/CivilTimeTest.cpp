#include <gtest/gtest.h>

#include "PosixTimeZone.h"
#include "alarm/CivilTime.h"

TEST(CivilTime, FileTimeTicksRoundTripAndRoundDown) {
  const UtcMs instant = LocalInstant(FixedOffsetZone(), 2026, 12, 7, 7, 30);
  EXPECT_EQ(UtcFromFileTimeTicks(FileTimeTicksFromUtc(instant)), instant);
  EXPECT_EQ(UtcFromFileTimeTicks(FileTimeTicksFromUtc(instant) + 9999), instant);
  EXPECT_EQ(UtcFromFileTimeTicks(FileTimeTicksAtUnixEpoch - 1), -1);
}

TEST(CivilTime, SkipDateNumbersMustBeRealDates) {
  EXPECT_TRUE(IsCalendarDateNumber(20240229));
  EXPECT_FALSE(IsCalendarDateNumber(20230229));
  EXPECT_FALSE(IsCalendarDateNumber(20261300));
  EXPECT_FALSE(IsCalendarDateNumber(0));
}

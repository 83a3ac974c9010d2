#include <gtest/gtest.h>

#include "PosixTimeZone.h"
#include "core/schedule/CivilTime.h"

TEST(CivilTime, DaysAndWeekdaysMatchTheCalendar) {
  EXPECT_EQ(DaysFromCivil(1970, 1, 1), 0);
  EXPECT_EQ(DaysFromCivil(2000, 3, 1), 11017);
  const LocalDateTime leapDay = CivilFromDays(DaysFromCivil(2024, 2, 29));
  EXPECT_EQ(DateNumber(leapDay), 20240229);
  EXPECT_EQ(leapDay.dayOfWeek, 4);  // a Thursday
  EXPECT_EQ(CivilFromDays(-1).dayOfWeek, 3);
}

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

TEST(ZoneSeam, GapHasNoInstantAndTheRepeatedHourTwo) {
  const PosixTimeZone berlin("Europe/Berlin");
  LocalDateTime local;
  local.year = 2026;
  local.month = 3;
  local.day = 29;
  local.hour = 2;
  local.minute = 30;
  EXPECT_TRUE(InstantsOfWallClock(berlin, WallClockMs(local)).empty());
  local.month = 10;
  local.day = 25;
  const auto twice = InstantsOfWallClock(berlin, WallClockMs(local));
  ASSERT_EQ(twice.size(), 2u);
  EXPECT_EQ(twice[1] - twice[0], MsPerHour);
  local.hour = 12;
  EXPECT_EQ(InstantsOfWallClock(berlin, WallClockMs(local)).size(), 1u);
}

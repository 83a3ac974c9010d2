#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "runtime/DayTime.h"
#include "runtime/FormatDateTime.h"

namespace {
TTime At(int h, int m, int s = 0, int ms = 0) { return EncodeTime(h, m, s, ms); }
}  // namespace

TEST(TimeOfDay, NegativeValuesMirrorToTheMagnitudesFraction) {
  EXPECT_EQ(FormatDateTime("hh:nn", -1.7), "16:48");
  EXPECT_EQ(FormatDateTime("hh:nn", 1.7), "16:48");
  EXPECT_EQ(FormatDateTime("hh:nn", -0.3), "07:12");
}

TEST(TimeOfDay, FreshInstallDefaultReadsAsOneMinusT) {
  // Defaults written at 07:12 give a stored t - 2.0 that rings at 16:48.
  EXPECT_EQ(FormatDateTime("hh:nn AM/PM", At(7, 12) - 2.0), "04:48 PM");
  EXPECT_EQ(FormatDateTime("hh:nn", 0.0 - 2.0), "00:00");
}

TEST(TimeOfDay, RoundsToTheNearestMillisecondWithoutReachingTwentyFour) {
  EXPECT_EQ(FormatDateTime("hh:nn:ss.zzz", 0.9999999999999), "00:00:00.000");
  EXPECT_EQ(DecodeTime(At(10, 0, 0, 0) + 0.4 / MillisecondsPerDay).millisecond, 0);
  EXPECT_EQ(DecodeTime(At(10, 0, 0, 0) + 0.6 / MillisecondsPerDay).millisecond, 1);
  // Ties go to even: 1.5 ms becomes 2, 2.5 ms stays 2.
  EXPECT_EQ(*TimeOfDayMilliseconds(1.5 / MillisecondsPerDay), 2);
  EXPECT_EQ(*TimeOfDayMilliseconds(2.5 / MillisecondsPerDay), 2);
}

TEST(TimeOfDay, ValuesWithoutAnExactTimeOfDayHaveNone) {
  for (double bad : {std::nan(""), std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                     1e300, -1e12}) {
    EXPECT_FALSE(TimeOfDayMilliseconds(bad).has_value()) << bad;
    EXPECT_EQ(FormatDateTime("hh:nn", bad), "00:00") << bad;
  }
  EXPECT_TRUE(TimeOfDayMilliseconds(1e6 + 0.5).has_value());
}

TEST(FormatDateTime, TwelveHourClockOnlyWithADesignatorAfterTheHour) {
  EXPECT_EQ(FormatDateTime("hh:nn AM/PM", At(0, 5)), "12:05 AM");
  EXPECT_EQ(FormatDateTime("hh:nn AM/PM", At(12, 5)), "12:05 PM");
  EXPECT_EQ(FormatDateTime("hh:nn AM/PM", At(13, 7)), "01:07 PM");
  EXPECT_EQ(FormatDateTime("h:mm ampm", At(13, 7)), "1:07 PM");
  EXPECT_EQ(FormatDateTime("h:mm am/pm", At(9, 30)), "9:30 am");
  EXPECT_EQ(FormatDateTime("h:nn a/p", At(21, 0)), "9:00 p");
  EXPECT_EQ(FormatDateTime("h:nn:ss", At(13, 7, 9)), "13:07:09");
  EXPECT_EQ(FormatDateTime("hh", At(0, 0)), "00");
}

TEST(FormatDateTime, MIsMinuteAfterAnHourAndMonthElsewhere) {
  const TTime newYearsEve2026 = 46387 + At(18, 45);  // 2026-12-31 18:45
  EXPECT_EQ(FormatDateTime("hh:mm", newYearsEve2026), "18:45");
  EXPECT_EQ(FormatDateTime("d/m/yyyy", newYearsEve2026), "31/12/2026");
  EXPECT_EQ(FormatDateTime("dd-mm-yy", 0.25), "30-12-99");
}

TEST(FormatDateTime, QuotedTextAndOtherCharactersStandForThemselves) {
  EXPECT_EQ(FormatDateTime("'hh' h \"nn\"!", At(8, 1)), "hh 8 nn!");
  EXPECT_EQ(FormatDateTime("'unterminated", At(8, 1)), "unterminated");
  EXPECT_EQ(FormatDateTime("", At(8, 1)), "");
}

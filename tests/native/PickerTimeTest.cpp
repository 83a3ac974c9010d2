#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "controls/timepicker/PickerTime.h"
#include "runtime/Accelerator.h"

namespace {
TTime At(int h, int m, int s = 0) { return EncodeTime(h, m, s, 0); }
int Minutes(int h, int m) { return h * 60 + m; }
}  // namespace

TEST(PickerValue, KeepsHourAndMinuteOfTheTimeOfDay) {
  EXPECT_EQ(PickerValueFor(At(7, 5, 30)).time, At(7, 5));
  EXPECT_EQ(PickerValueFor(45000.0 + At(7, 5, 59)).time, At(7, 5));
  const PickerValue mirrored = PickerValueFor(-1.7);
  EXPECT_EQ(mirrored.time, At(16, 48));
  EXPECT_TRUE(mirrored.pm);
  EXPECT_FALSE(PickerValueFor(At(11, 59, 59)).pm);
  EXPECT_TRUE(PickerValueFor(At(12, 0)).pm);
}

TEST(PickerValue, ValuesWithoutATimeOfDayShowMidnight) {
  for (double bad : {std::nan(""), std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(), 1e300}) {
    EXPECT_EQ(PickerValueFor(bad).time, 0.0) << bad;
    EXPECT_FALSE(PickerValueFor(bad).pm) << bad;
  }
}

TEST(TimeSetter, ActsWhenTheFractionDiffersFromTheStoredValue) {
  EXPECT_TRUE(TimeSetterActs(At(7, 5), At(7, 5, 30)));
  EXPECT_FALSE(TimeSetterActs(At(7, 5), At(7, 5)));
  EXPECT_FALSE(TimeSetterActs(At(6, 0), 3.0 + At(6, 0)));  // the date part is not compared
}

TEST(FaceHour, KeepsTheCurrentHalfOfTheDay) {
  EXPECT_EQ(HourOfDayFromFace(12, false), 0);
  EXPECT_EQ(HourOfDayFromFace(11, false), 11);
  EXPECT_EQ(HourOfDayFromFace(12, true), 12);
  EXPECT_EQ(HourOfDayFromFace(1, true), 13);
}

TEST(KeySteps, WrapThroughMidnight) {
  EXPECT_EQ(SteppedMinutesOfDay(0, ClockKeyStep::MinuteEarlier), Minutes(23, 59));
  EXPECT_EQ(SteppedMinutesOfDay(Minutes(23, 59), ClockKeyStep::MinuteLater), 0);
  EXPECT_EQ(SteppedMinutesOfDay(Minutes(11, 30), ClockKeyStep::HourLater), Minutes(12, 30));
  EXPECT_EQ(SteppedMinutesOfDay(Minutes(0, 30), ClockKeyStep::HourEarlier), Minutes(23, 30));
  EXPECT_TRUE(PickerValueFor(TimeOfMinutes(Minutes(23, 59))).pm);
}

TEST(Accelerator, IsTheCharacterAfterASingleAmpersand) {
  EXPECT_EQ(AcceleratorOf("&Set"), 'S');
  EXPECT_EQ(AcceleratorOf("Save && &Quit"), 'Q');
  EXPECT_EQ(AcceleratorOf("&&&X"), 'X');
  EXPECT_FALSE(AcceleratorOf("AM"));
  EXPECT_FALSE(AcceleratorOf("Rock && Roll"));
  EXPECT_FALSE(AcceleratorOf("Trailing&"));
  EXPECT_TRUE(IsAcceleratorOf('s', "&Set"));
  EXPECT_TRUE(IsAcceleratorOf('S', "&set"));
  EXPECT_FALSE(IsAcceleratorOf('&', "Rock && Roll"));
}

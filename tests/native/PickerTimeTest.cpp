#include <gtest/gtest.h>

#include "controls/timepicker/PickerTime.h"
#include "runtime/Accelerator.h"

namespace {
TTime At(int h, int m, int s = 0) { return EncodeTime(h, m, s, 0); }
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

TEST(Accelerator, ACaptionReadsWithoutItsMarkAndNamesItsKeyForScreenReaders) {
  EXPECT_EQ(CaptionText("&Save settings"), "Save settings");
  EXPECT_EQ(CaptionText("Fish && &Chips"), "Fish & Chips");
  EXPECT_EQ(CaptionText("Ends in &"), "Ends in &");
  EXPECT_EQ(AcceleratorKeyName("S&tart time"), "Alt+T");
  EXPECT_EQ(AcceleratorKeyName("Fish && chips"), "");
}

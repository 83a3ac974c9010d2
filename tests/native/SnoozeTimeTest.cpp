#include <gtest/gtest.h>

#include "core/AlarmLoop.h"
#include "dialogs/SnoozeTime.h"
#include "runtime/FormatDateTime.h"

namespace {
TTime At(int h, int m, int s) { return EncodeTime(h, m, s, 0); }
}  // namespace

TEST(Snooze, RingsAgainAtTheMinuteHoldingPressPlusSevenMinutesTwelve) {
  const TTime pressed = At(7, 0, 50);
  EXPECT_EQ(FormatDateTime("hh:nn:ss", SnoozedWakeUp(pressed)), "07:08:02");
  EXPECT_TRUE(AlarmMinuteMatches(At(7, 8, 0), SnoozedWakeUp(pressed)));
  EXPECT_FALSE(AlarmMinuteMatches(At(7, 7, 59), SnoozedWakeUp(pressed)));
  EXPECT_EQ(FormatDateTime("hh:nn:ss", SnoozedWakeUp(At(7, 0, 0))), "07:07:12");
}

TEST(Snooze, LateEveningPressGoesPastOneAndRingsAfterMidnight) {
  const TTime snoozed = SnoozedWakeUp(At(23, 56, 0));
  EXPECT_GT(snoozed, 1.0);
  EXPECT_NEAR(snoozed, 1.0022, 0.0001);
  EXPECT_EQ(FormatDateTime("hh:nn:ss", snoozed), "00:03:12");
  EXPECT_TRUE(AlarmMinuteMatches(At(0, 3, 0), snoozed));
  EXPECT_FALSE(AlarmMinuteMatches(At(23, 3, 0), snoozed));
}

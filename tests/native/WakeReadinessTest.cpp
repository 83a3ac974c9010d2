// The options window's word on whether a sleeping PC will wake for the alarm, for every
// power plan value, power source, Modern Standby and the alarm's own option.
#include <gtest/gtest.h>

#include "alarm/WakeReadiness.h"

namespace {
PowerFacts Plan(int pluggedIn, int onBattery, bool battery) {
  PowerFacts facts;
  facts.wakeTimersPluggedIn = pluggedIn;
  facts.wakeTimersOnBattery = onBattery;
  facts.onBattery = battery;
  return facts;
}
}  // namespace

TEST(WakeReadiness, ThePowerSourceInUseDecidesWhichPlanValueCounts) {
  const int E = WakeTimersEnabled, D = WakeTimersDisabled, I = WakeTimersImportantOnly;
  EXPECT_EQ(WakeReadinessText(Plan(E, E, false), true), "This PC will wake for the alarm");
  EXPECT_EQ(WakeReadinessText(Plan(D, E, false), true), "Wake timers are disabled in the power plan");
  EXPECT_EQ(WakeReadinessText(Plan(E, D, true), true), "Wake timers are disabled in the power plan (on battery)");
  EXPECT_EQ(WakeReadinessText(Plan(I, E, false), true), "Only important wake timers are allowed on this PC");
  EXPECT_EQ(WakeReadinessText(Plan(E, I, true), true), "Only important wake timers are allowed on this PC");
  EXPECT_EQ(WakeReadinessText(Plan(E, E, true), true), "The PC may not wake: it is running on battery");
  EXPECT_EQ(
      WakeReadinessText(Plan(E, D, false), true),
      "This PC will wake for the alarm while plugged in; wake timers are disabled in the power plan (on battery)");
}

TEST(WakeReadiness, TheOptionModernStandbyAndARefusedTimerComeBeforeThePlan) {
  PowerFacts facts = Plan(WakeTimersEnabled, WakeTimersEnabled, false);
  EXPECT_EQ(WakeReadinessText(facts, false), "Waking from sleep is turned off in these options");
  facts.timerRefused = true;
  EXPECT_EQ(WakeReadinessText(facts, true), "Windows refused to wake the PC for the alarm's timer");
  facts.modernStandby = true;
  EXPECT_EQ(WakeReadinessText(facts, true), "This PC uses Modern Standby: keep it awake or plugged in and awake");
}

TEST(WakeReadiness, WithoutPowerPlansNothingIsSaidButTheOption) {
  PowerFacts xp;
  xp.onBattery = true;
  EXPECT_EQ(WakeReadinessText(xp, true), "");
  EXPECT_EQ(WakeReadinessText(xp, false), "Waking from sleep is turned off in these options");
}

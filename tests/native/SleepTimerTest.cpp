// The sleep timer's plan as the player's thread follows it: when it runs out, the fade to
// silence, Stop and the volume set back, and every way it ends early; then whether the PC
// may sleep afterwards.
#include <gtest/gtest.h>

#include "alarm/SleepTimer.h"

namespace {
constexpr std::int64_t Minute = 60000;
constexpr int Volume = 200;

TrackView Playing(std::int64_t positionMs = 0, int lengthSeconds = 0) {
  return TrackView{true, positionMs, lengthSeconds};
}
const TrackView Stopped{false, 0, 0};

// Looks every 250 ms from `fromMs` to `toMs` with the volumes it sets fed back, as the player
// would answer them; the steps that did something.
std::vector<SleepStep> Follow(SleepPlan& plan, std::int64_t fromMs, std::int64_t toMs, int& volume) {
  std::vector<SleepStep> steps;
  for (std::int64_t now = fromMs; now <= toMs && plan.Running(); now += 250) {
    const SleepStep step = plan.Look(now, Playing(now), volume);
    if (step.volume) volume = *step.volume;
    if (step.restoredVolume) volume = *step.restoredVolume;
    if (step.volume || step.stop || step.ranOut) steps.push_back(step);
  }
  return steps;
}
}  // namespace

TEST(SleepPlan, ALengthRunsOutThenFadesToZeroStopsAndSetsTheVolumeBack) {
  SleepPlan plan;
  plan.Start(30, 0, 10);
  EXPECT_EQ(plan.MinutesLeft(0), 30);
  EXPECT_EQ(plan.MinutesLeft(7 * Minute + 1), 23);
  EXPECT_FALSE(plan.Look(30 * Minute - 1, Playing(), Volume).volume);

  int volume = Volume;
  const std::vector<SleepStep> steps = Follow(plan, 30 * Minute, 31 * Minute, volume);
  ASSERT_EQ(steps.size(), 41u);  // 10 s of steps every 250 ms, then the end
  EXPECT_EQ(*steps[0].volume, Volume);
  EXPECT_EQ(*steps[20].volume, Volume / 2);
  for (size_t i = 1; i + 1 < steps.size(); ++i) {
    EXPECT_LT(*steps[i].volume, *steps[i - 1].volume);
    EXPECT_FALSE(steps[i].stop);
  }
  const SleepStep& last = steps.back();
  EXPECT_EQ(last.volume, 0);  // silent before Stop
  EXPECT_TRUE(last.stop);
  EXPECT_EQ(last.restoredVolume, Volume);
  EXPECT_TRUE(last.ranOut);
  EXPECT_FALSE(plan.Running());
  EXPECT_EQ(volume, Volume);
}

TEST(SleepPlan, WithoutAFadeItStopsAtOnceAndChangesNoVolume) {
  SleepPlan plan;
  plan.Start(15, 0, 0);
  const SleepStep step = plan.Look(15 * Minute, Playing(), Volume);
  EXPECT_TRUE(step.stop);
  EXPECT_FALSE(step.volume);
  EXPECT_FALSE(step.restoredVolume);
  EXPECT_TRUE(step.ranOut);
}

TEST(SleepPlan, AtTheEndOfTheTrackTheFadeEndsWithTheTrack) {
  SleepPlan plan;
  plan.Start(SleepAtTrackEnd, 0, 5);
  EXPECT_FALSE(plan.MinutesLeft(0));
  EXPECT_FALSE(plan.Look(1000, Playing(174999, 180), Volume).volume);
  EXPECT_EQ(plan.Look(1250, Playing(175000, 180), Volume).volume, Volume);
  EXPECT_TRUE(plan.Fading());
  const SleepStep last = plan.Look(6250, Playing(180000, 180), 3);
  EXPECT_TRUE(last.stop);
  EXPECT_EQ(last.restoredVolume, Volume);
}

TEST(SleepPlan, AtTheEndOfTheTrackANewTrackOrAStoppedPlayerEndsIt) {
  SleepPlan plan;
  plan.Start(SleepAtTrackEnd, 0, 5);
  EXPECT_FALSE(plan.Look(0, Playing(60000), Volume).volume);  // a stream: no length known
  EXPECT_TRUE(plan.Look(250, Playing(100), Volume).volume);   // the next entry has begun

  plan.Start(SleepAtTrackEnd, 0, 5);
  const SleepStep step = plan.Look(250, Stopped, Volume);
  EXPECT_TRUE(step.ranOut);
  EXPECT_FALSE(step.stop);
}

TEST(SleepPlan, APlayerStoppedByTheUserIsLeftAloneAndTheVolumeComesBack) {
  SleepPlan plan;
  plan.Start(15, 0, 10);
  SleepStep step = plan.Look(15 * Minute, Stopped, Volume);
  EXPECT_TRUE(step.ranOut);
  EXPECT_FALSE(step.stop);
  EXPECT_FALSE(step.volume);

  plan.Start(15, 0, 10);
  plan.Look(15 * Minute, Playing(), Volume);
  plan.Look(15 * Minute + 5000, Playing(), Volume / 2);
  step = plan.Look(15 * Minute + 5250, Stopped, Volume / 2);
  EXPECT_FALSE(step.stop);
  EXPECT_EQ(step.restoredVolume, Volume);
}

TEST(SleepPlan, OffARingOrQuitEndItAndGiveBackTheVolumeAFadeLowered) {
  SleepPlan plan;
  plan.Start(15, 0, 10);
  EXPECT_FALSE(plan.Cancel());  // nothing lowered yet
  EXPECT_FALSE(plan.Running());
  EXPECT_FALSE(plan.Look(15 * Minute, Playing(), Volume).stop);

  plan.Start(15, 0, 10);
  plan.Look(15 * Minute, Playing(), Volume);
  plan.Look(15 * Minute + 5000, Playing(), Volume / 2);
  EXPECT_EQ(plan.Cancel(), Volume);
  EXPECT_FALSE(plan.Look(15 * Minute + 20000, Playing(), 0).stop);
}

TEST(SleepPlan, ANewChoiceReplacesTheRunningOne) {
  SleepPlan plan;
  plan.Start(15, 0, 10);
  plan.Look(15 * Minute, Playing(), Volume);
  EXPECT_EQ(plan.Start(45, 15 * Minute + 1000, 10), Volume);
  EXPECT_EQ(plan.Choice(), 45);
  EXPECT_EQ(plan.MinutesLeft(15 * Minute + 1000), 45);
}

TEST(SleepMenuText, TheLastLengthIsOfferedFirstAndTheItemTellsTheTimeLeft) {
  int lengths[MaxSleepLengths];
  ASSERT_EQ(OfferedSleepLengths(30, lengths), 5);
  EXPECT_EQ(std::vector<int>(lengths, lengths + 5), (std::vector<int>{30, 15, 45, 60, 90}));
  ASSERT_EQ(OfferedSleepLengths(1, lengths), 6);
  EXPECT_EQ(std::vector<int>(lengths, lengths + 6), (std::vector<int>{1, 15, 30, 45, 60, 90}));
  EXPECT_EQ(SleepLengthText(1), "1 minute");
  EXPECT_EQ(SleepLengthText(90), "90 minutes");
  SleepPlan plan;
  EXPECT_EQ(SleepTimerItemText(plan, 0), "Sleep timer");
  plan.Start(30, 0, 10);
  EXPECT_EQ(SleepTimerItemText(plan, 7 * Minute), "Sleep timer (23 min left)");
  plan.Look(30 * Minute, Playing(), Volume);
  EXPECT_EQ(SleepTimerItemText(plan, 30 * Minute), "Sleep timer (fading out)");
  plan.Start(SleepAtTrackEnd, 0, 10);
  EXPECT_EQ(SleepTimerItemText(plan, 0), "Sleep timer (end of this track)");
}

TEST(SleepAction, ThePCSleepsOnlyWhenTheNextAlarmWillWakeIt) {
  PowerFacts willWake;
  willWake.wakeTimersPluggedIn = willWake.wakeTimersOnBattery = WakeTimersEnabled;
  EXPECT_TRUE(DecideSleepAction(SleepActionSleepPC, true, true, willWake).sleep);
  EXPECT_TRUE(DecideSleepAction(SleepActionSleepPC, true, true, PowerFacts()).sleep);  // XP: no plans
  EXPECT_FALSE(DecideSleepAction(SleepActionStopOnly, true, true, willWake).sleep);
  EXPECT_EQ(DecideSleepAction(SleepActionSleepPC, false, true, willWake).reason, "no alarm is armed to wake it");
  EXPECT_EQ(DecideSleepAction(SleepActionSleepPC, true, false, willWake).reason,
            "Waking from sleep is turned off in these options");

  PowerFacts refusing = willWake;
  refusing.wakeTimersPluggedIn = WakeTimersDisabled;
  EXPECT_FALSE(DecideSleepAction(SleepActionSleepPC, true, true, refusing).sleep);
  refusing = willWake;
  refusing.onBattery = true;
  EXPECT_FALSE(DecideSleepAction(SleepActionSleepPC, true, true, refusing).sleep);
  refusing = willWake;
  refusing.modernStandby = true;
  EXPECT_FALSE(DecideSleepAction(SleepActionSleepPC, true, true, refusing).sleep);
  refusing = willWake;
  refusing.timerRefused = true;
  EXPECT_FALSE(DecideSleepAction(SleepActionSleepPC, true, true, refusing).sleep);
}

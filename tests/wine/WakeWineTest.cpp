// The wake-up on a real PC, through the real DLL in the simulator: the once-a-day
// record in the registry and the new values' defaults.
#include <gtest/gtest.h>

#include <string>

#include "SimulatorRun.h"

namespace {
const std::vector<std::string> RingNow = {
    "--reset-settings", "--arm", "now",        "--snooze", "off", "--no-restart", "off",
    "--stream",         "off",   "--playlist", "a.mp3"};
}

TEST(OneRingPerDay, RingIsRecordedAndARestartedPlayerDoesNotRingItAgain) {
  const SimulatorLog first =
      RunSimulator(With(RingNow, {"--run-until", "Play button", "--give-up", "60", "--dump-settings"}));
  ASSERT_TRUE(first.Has("Play button")) << first.Text();
  const std::string recorded = first.Setting("VelLastRung");
  ASSERT_EQ(recorded.substr(0, 15), "REG_SZ 17 bytes") << first.Text();
  // The same minute, a second life of the player: the record holds the ring back.
  const std::string planned = "debug output 'VelWakeup: next ring ";
  const SimulatorLog second =
      RunSimulator({"--playlist", "a.mp3", "--run-until", planned, "--give-up", "60", "--dump-settings"});
  ASSERT_TRUE(second.Has(planned)) << second.Text();  // the worker looked, and planned a later ring
  EXPECT_FALSE(second.Has("Play button")) << second.Text();
  EXPECT_EQ(second.Setting("VelLastRung"), recorded);
}

TEST(OneRingPerDay, LoadWritesNoneOfTheNewValues) {
  const SimulatorLog log = RunSimulator({"--reset-settings", "--run", "0", "--dump-settings"});
  for (const char* name : {"VelLastRung", "VelCatchUpMinutes", "VelWakeFromSleep"})
    EXPECT_EQ(log.Setting(name), "(missing)") << name << "\n" << log.Text();
}

TEST(OneRingPerDay, WrongKindOfNewValueIsTheDefaultWithoutABox) {
  const SimulatorLog log = RunSimulator(
      With(RingNow, {"--set-value", "VelWakeFromSleep", "sz", "0", "--set-value", "VelCatchUpMinutes", "binary", "0a",
                     "--set-value", "VelLastRung", "dword", "7", "--dismiss-boxes", "--run", "2500"}));
  EXPECT_FALSE(log.Has("message box")) << log.Text();
  EXPECT_TRUE(log.Has("Play button")) << log.Text();
}

namespace {
// Armed for a coming minute that the simulator picks far enough ahead for the plug-in to
// be waiting before it begins: only the timer, set well before, can ring it on time.
SimulatorLog RingAtTheComingMinute(const std::vector<std::string>& extra) {
  return RunSimulator(With({"--reset-settings", "--arm", "next", "--snooze", "off", "--no-restart", "off", "--stream",
                            "off", "--playlist", "a.mp3", "--run-until", "Play button", "--give-up", "120"},
                           extra));
}

// The debug line the worker writes last before the first line starting with `prefix`.
std::string LastTraceBefore(const SimulatorLog& log, const std::string& prefix) {
  std::string trace;
  for (int i = 0; i < log.IndexOf(prefix); ++i)
    if (log.Lines()[i].text.rfind("debug output 'VelWakeup: ", 0) == 0) trace = log.Lines()[i].text;
  return trace;
}
}  // namespace

TEST(WakeTimer, TheTimerRingsTheAlarmAndThePcIsKeptAwakeUntilTheRingEnds) {
  const SimulatorLog log = RingAtTheComingMinute({});
  ASSERT_TRUE(log.Has("Play button")) << log.Text();
  EXPECT_EQ(LastTraceBefore(log, "debug output 'VelWakeup: keep awake requested'"),
            "debug output 'VelWakeup: wait ended: timer'")
      << log.Text();
  EXPECT_LT(log.IndexOf("debug output 'VelWakeup: keep awake requested'"), log.IndexOf("volume 255"));
  EXPECT_TRUE(log.Has("debug output 'VelWakeup: timer set, wake from sleep asked"));
  EXPECT_GT(log.IndexOf("debug output 'VelWakeup: keep awake released'"), log.IndexOf("Play button"));
}

TEST(WakeTimer, WakeFromSleepOffAsksNoResumeAndNoKeepAwake) {
  const SimulatorLog log = RingAtTheComingMinute({"--set-value", "VelWakeFromSleep", "dword", "0"});
  ASSERT_TRUE(log.Has("Play button")) << log.Text();
  EXPECT_TRUE(log.Has("debug output 'VelWakeup: timer set, wake from sleep not asked, not granted'"));
  EXPECT_FALSE(log.Has("debug output 'VelWakeup: timer set, wake from sleep asked"));
  EXPECT_FALSE(log.Has("debug output 'VelWakeup: keep awake"));
}

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/AlarmLoop.h"

namespace {

TTime At(int h, int m, int s = 0) { return EncodeTime(h, m, s, 0); }

class FakePlayer : public PlayerCommands {
 public:
  std::vector<std::string> calls;
  TGPFWinAmpPlayStatus status = wpsStopped;
  std::int32_t length = 0;

  TGPFWinAmpPlayStatus GetPlayStatus() override { calls.push_back("status"); return status; }
  std::int32_t GetPlaylistLength() override { calls.push_back("length"); return length; }
  void SetPlaylistPosition(std::int32_t p) override { calls.push_back("position " + std::to_string(p)); }
  void SetVolume(std::uint8_t v) override { calls.push_back("volume " + std::to_string(v)); }
  void StartPlay() override { calls.push_back("start"); }
  void Play() override { calls.push_back("play"); }
  void AddFile(const std::string& a) override {
    calls.push_back("add '" + a + "'");
    ++length;
  }
};

// Time moves only when the loop pauses; the run ends when the clock passes `end`.
class FakeWorld : public WorkerClock, public AlarmHost {
 public:
  TTime now = 0;
  TTime end = 0;
  SettingsRecord settings;
  int snoozeAnswer = 2;
  int snoozeWindowsShown = 0;
  std::vector<unsigned> pauses;

  TTime Now() override { return now; }
  void Pause(unsigned ms) override {
    pauses.push_back(ms);
    now += static_cast<double>(ms) / MillisecondsPerDay;
  }
  bool Terminated() const override { return now >= end; }
  SettingsRecord Settings() override { return settings; }
  int ShowSnoozeWindow() override {
    ++snoozeWindowsShown;
    return snoozeAnswer;
  }
};

SettingsRecord Armed(TTime wakeUp) {
  SettingsRecord s;
  s.VelPluginActive = true;
  s.VelWakeUp = wakeUp;
  s.VelURL = "http://radio.example/stream";
  s.VelMaxVolume = true;
  s.VelStreamURL = true;
  return s;
}

struct AlarmLoopTest : ::testing::Test {
  FakePlayer player;
  FakeWorld world;

  // One pass at a moment inside the armed minute.
  void WakeOnce(const SettingsRecord& settings) {
    world.settings = settings;
    world.now = At(7, 30, 20);
    AlarmLoop(player, world, world).Pass();
  }

  // Runs the loop from `start` for `seconds` and counts the passes that woke the player.
  int CountWakeUps(TTime start, double seconds) {
    world.now = start;
    world.end = start + seconds / 86400.0;
    AlarmLoop(player, world, world).Run();
    int wakeUps = 0;
    for (const std::string& call : player.calls)
      if (call == "play" || call == "status") ++wakeUps;
    return wakeUps;
  }
};

}  // namespace

TEST(AlarmMinute, SameHourAndMinuteOnTheTwentyFourHourClock) {
  EXPECT_TRUE(AlarmMinuteMatches(At(0, 5, 59), At(0, 5)));
  EXPECT_FALSE(AlarmMinuteMatches(At(12, 5), At(0, 5)));
  EXPECT_TRUE(AlarmMinuteMatches(At(12, 5), At(12, 5)));
  EXPECT_FALSE(AlarmMinuteMatches(At(7, 31), At(7, 30)));
  EXPECT_TRUE(AlarmMinuteMatches(At(16, 48, 30), At(7, 12) - 2.0));  // the fresh-install default
  EXPECT_TRUE(AlarmMinuteMatches(At(0, 3, 1), 1.0 + At(0, 3, 12)));  // a snooze past midnight
}

TEST(AlarmMinute, WakeUpTimeWithoutATimeOfDayNeverMatches) {
  // Such a value shows as 00:00 but must not ring then.
  EXPECT_FALSE(AlarmMinuteMatches(At(0, 0, 10), std::nan("")));
  EXPECT_FALSE(AlarmMinuteMatches(At(0, 0, 10), INFINITY));
  EXPECT_FALSE(AlarmMinuteMatches(At(0, 0, 10), 1e300));
}

TEST_F(AlarmLoopTest, FullWakeUpRaisesVolumeLoadsTheAddressSelectsTheLengthAndPlays) {
  player.length = 2;
  WakeOnce(Armed(At(7, 30)));
  EXPECT_EQ(player.calls, (std::vector<std::string>{"volume 255", "add 'http://radio.example/stream'", "length",
                                                    "position 3", "play"}));
  EXPECT_EQ(world.pauses, std::vector<unsigned>{PostWakePauseMs});
}

TEST_F(AlarmLoopTest, WithoutStreamOnlyPlaysAndWithoutMaxVolumeLeavesTheVolume) {
  SettingsRecord s = Armed(At(7, 30));
  s.VelStreamURL = false;
  s.VelMaxVolume = false;
  WakeOnce(s);
  EXPECT_EQ(player.calls, std::vector<std::string>{"play"});
}

TEST_F(AlarmLoopTest, EmptyAddressIsStillHandedToThePlayer) {
  SettingsRecord s = Armed(At(7, 30));
  s.VelURL.clear();
  WakeOnce(s);
  EXPECT_EQ(player.calls.at(1), "add ''");
}

TEST_F(AlarmLoopTest, NoRestartStartsPlaybackOnlyWhenNotPlayingAndNeverLoadsTheAddress) {
  SettingsRecord s = Armed(At(7, 30));
  s.VelNoRestart = true;
  for (auto [status, expected] : {std::pair{wpsPlaying, std::vector<std::string>{"volume 255", "status"}},
                                  std::pair{wpsPaused, std::vector<std::string>{"volume 255", "status", "start"}},
                                  std::pair{wpsStopped, std::vector<std::string>{"volume 255", "status", "start"}}}) {
    player.calls.clear();
    player.status = status;
    WakeOnce(s);
    EXPECT_EQ(player.calls, expected) << "status " << int(status);
  }
}

TEST_F(AlarmLoopTest, NotArmedNeverWakesWhateverTheTime) {
  SettingsRecord s = Armed(At(7, 30));
  s.VelPluginActive = false;
  world.settings = s;
  EXPECT_EQ(CountWakeUps(At(7, 29), 180), 0);
  EXPECT_TRUE(player.calls.empty());
}

TEST_F(AlarmLoopTest, FiresOncePerMatchingMinuteThenPollsAgain) {
  world.settings = Armed(At(7, 30));
  EXPECT_EQ(CountWakeUps(At(7, 29, 58), 5 * 60), 1);
  // The first pass at or after 07:30:00 woke, then one 62 s pause, then one-second polls.
  ASSERT_GE(world.pauses.size(), 4u);
  EXPECT_EQ(world.pauses[0], PollPauseMs);
  EXPECT_EQ(world.pauses[2], PostWakePauseMs);
  EXPECT_EQ(world.pauses[3], PollPauseMs);
}

TEST_F(AlarmLoopTest, RingsAgainTheNextDayAlsoAfterANoRestartWakeUp) {
  for (bool noRestart : {false, true}) {
    player.calls.clear();
    SettingsRecord s = Armed(At(7, 30));
    s.VelNoRestart = noRestart;
    world.settings = s;
    EXPECT_EQ(CountWakeUps(At(7, 0), 2 * 86400.0), 2) << "no-restart " << noRestart;
  }
}

TEST_F(AlarmLoopTest, SnoozeWindowReplacesThePauseUnlessItAnswersDisabled) {
  SettingsRecord s = Armed(At(7, 30));
  s.VelSnooze = true;
  world.snoozeAnswer = 1;
  WakeOnce(s);
  EXPECT_EQ(world.snoozeWindowsShown, 1);
  EXPECT_TRUE(world.pauses.empty());

  world.snoozeAnswer = 2;
  WakeOnce(s);
  EXPECT_EQ(world.snoozeWindowsShown, 2);
  EXPECT_EQ(world.pauses, std::vector<unsigned>{PostWakePauseMs});
}

TEST_F(AlarmLoopTest, NoRestartWakeUpAlsoOffersTheSnoozeWindow) {
  SettingsRecord s = Armed(At(7, 30));
  s.VelNoRestart = true;
  s.VelSnooze = true;
  WakeOnce(s);
  EXPECT_EQ(world.snoozeWindowsShown, 1);
}

TEST_F(AlarmLoopTest, SnoozedTimeAboveOneDayRingsEarlyNextMorning) {
  world.settings = Armed(At(23, 56) + 0.005);  // 1.0022..., time of day 00:03:12
  EXPECT_EQ(CountWakeUps(At(23, 59), 10 * 60), 1);
}

TEST_F(AlarmLoopTest, StopsAtOnceWhenTerminationIsRequestedBeforeThePass) {
  world.settings = Armed(At(7, 30));
  world.now = At(7, 30);
  world.end = world.now;  // already requested
  AlarmLoop(player, world, world).Run();
  EXPECT_TRUE(player.calls.empty());
}

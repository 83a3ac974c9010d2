#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "FakePlayer.h"
#include "PosixTimeZone.h"
#include "plugin/AlarmLoop.h"

namespace {

const FixedOffsetZone Utc;

// 2026-12-07, a Monday, on a clock at UTC.
UtcMs At(int h, int m, int s = 0) { return LocalInstant(Utc, 2026, 12, 7, h, m, s); }

// Time moves only when the loop waits or pauses; the run ends when the clock reaches `end`.
class FakeWorld : public WorkerClock, public AlarmHost {
 public:
  UtcMs now = 0;
  UtcMs end = 0;
  SettingsRecord settings;
  ScheduleWatch watch;
  std::vector<std::string> events;
  std::vector<unsigned> pauses;
  UtcMs resumeAt = 0;    // the PC sleeps from the next wait until then
  UtcMs setClockTo = 0;  // the clock is set forward to this in the next wait
  std::int64_t clockSetBy = 0;
  std::vector<bool> wakes;  // whether each wait asked to wake the PC
  std::vector<std::string> misses;

  UtcMs Now() override { return now; }
  std::int64_t TickMs() override { return now - clockSetBy; }
  WaitEnd WaitUntil(std::optional<UtcMs> instant, bool wake) override {
    wakes.push_back(wake);
    if (setClockTo > now) {
      clockSetBy += setClockTo - now;
      now = setClockTo;
      return WaitEnd::Replan;
    }
    if (resumeAt > now) {
      now = resumeAt;
      return WaitEnd::Replan;
    }
    if (!instant || *instant >= end) {
      now = end;
      return WaitEnd::Stop;
    }
    now = std::max(now, *instant);
    return WaitEnd::InstantCame;
  }
  void Pause(unsigned ms) override {
    pauses.push_back(ms);
    now += ms;
  }
  bool Terminated() const override { return now >= end; }
  AlarmList Alarms() override { return {NumberedAlarm{FirstAlarm, settings}}; }
  UtcMs WatchedSince(int, const SettingsRecord& s, UtcMs at) override { return watch.Observe(s, at); }
  void RecordRing(int, const RingSlot& slot, UtcMs at) override {
    events.push_back(std::string(slot.snoozed ? "snooze " : "record ") + LastRungText(slot));
    RecordRingIn(settings, slot, at);
    settings.VelPlannedRing.reset();
  }
  void RecordPlan(int, std::optional<UtcMs> ring) override { settings.VelPlannedRing = ring; }
  void ReportMissed(int number, UtcMs planned, MissReason reason) override {
    misses.push_back("alarm " + std::to_string(number) + " of " + std::to_string(planned) + ": " +
                     MissReasonText(reason));
  }
  void DropSnooze(int) override {
    events.push_back("drop snooze");
    settings.VelSnoozeUntil.reset();
  }
};

SettingsRecord Armed(int hour, int minute) {
  SettingsRecord s;
  s.VelActive = true;
  s.VelWakeupTime = EncodeTime(hour, minute, 0, 0);
  s.VelURL = "http://radio.example/stream";
  s.VelVolume = true;
  s.VelStreaming = true;
  return s;
}

struct AlarmLoopTest : ::testing::Test {
  FakePlayer player;
  FakeWorld world;
  AlarmLoop loop{player, world, Utc, world};

  // Runs the loop from `start` to `end` and counts the rings of this run.
  int CountRings(UtcMs start, UtcMs end) {
    world.now = start;
    world.end = end;
    const std::size_t before = world.events.size();
    loop.Run();
    int rings = 0;
    for (std::size_t i = before; i < world.events.size(); ++i)
      if (world.events[i].rfind("record", 0) == 0 || world.events[i].rfind("snooze", 0) == 0) ++rings;
    return rings;
  }
  // One step inside the armed minute, by a loop that has not rung before.
  void RingOnce(const SettingsRecord& settings) {
    world.settings = settings;
    world.now = At(7, 30, 20);
    world.end = At(23, 0);
    EXPECT_EQ(AlarmLoop(player, world, Utc, world).Step(), WaitEnd::InstantCame);
  }
};

}  // namespace

TEST_F(AlarmLoopTest, FullWakeUpRaisesVolumeLoadsTheAddressSelectsTheLengthAndPlays) {
  player.length = 2;
  RingOnce(Armed(7, 30));
  EXPECT_EQ(player.calls, (std::vector<std::string>{"volume 255", "add 'http://radio.example/stream'", "length",
                                                    "position 3", "play"}));
  EXPECT_EQ(world.pauses, std::vector<unsigned>{PostWakePauseMs});
}

TEST_F(AlarmLoopTest, WithAFadeTheVolumeIsLeftToTheRingSteps) {
  struct LoggingSteps : RingSteps {
    std::vector<std::string>& log;
    explicit LoggingSteps(std::vector<std::string>& l) : log(l) {}
    void BeforePlay(const SettingsRecord&) override { log.push_back("before"); }
    void AfterPlay(const SettingsRecord&, bool playing, int alarmNumber) override {
      log.push_back(std::string(playing ? "after playing" : "after") + " of alarm " + std::to_string(alarmNumber));
    }
  } steps(player.calls);
  SettingsRecord s = Armed(7, 30);
  s.VelFadeSeconds = 30;
  s.VelStreaming = false;
  world.settings = s;
  world.now = At(7, 30);
  world.end = At(23, 0);
  AlarmLoop(player, world, Utc, world, steps).Step();
  EXPECT_EQ(player.calls, (std::vector<std::string>{"before", "play", "after of alarm 1"}));
}

TEST_F(AlarmLoopTest, NotArmedNeverRings) {
  SettingsRecord s = Armed(7, 30);
  s.VelActive = false;
  world.settings = s;
  EXPECT_EQ(CountRings(At(7, 29), At(7, 29) + 2 * MsPerCalendarDay), 0);
  EXPECT_TRUE(player.calls.empty());
}

TEST_F(AlarmLoopTest, RingsAtTheMinutesStartAndRecordsIt) {
  SettingsRecord s = Armed(7, 30);
  s.VelSnooze = true;
  world.settings = s;
  EXPECT_EQ(CountRings(At(7, 0), At(7, 45)), 1);
  EXPECT_EQ(world.events, (std::vector<std::string>{"record 2026-12-07 07:30"}));
}

TEST_F(AlarmLoopTest, AClockSteppedBackAfterARingDoesNotRingTheSameAlarmAgain) {
  world.settings = Armed(7, 30);
  EXPECT_EQ(CountRings(At(7, 29), At(7, 31)), 1);
  EXPECT_EQ(CountRings(At(7, 29, 55), At(7, 40)), 0);
}

TEST_F(AlarmLoopTest, ASnoozeRingsOnceThenTheDailyScheduleHoldsItAndAStaleOneIsDropped) {
  SettingsRecord s = Armed(7, 30);
  s.VelDays = 1 << 1;  // Mondays only
  s.VelSnoozeUntil = At(7, 35);
  world.settings = s;
  EXPECT_EQ(CountRings(At(7, 0), At(7, 0) + 7 * MsPerCalendarDay), 2);
  EXPECT_EQ(world.events, (std::vector<std::string>{"record 2026-12-07 07:30", "snooze 2026-12-07 07:35"}));
  world.events.clear();
  world.settings.VelSnoozeUntil = At(6, 0);  // kept from a player closed before it rang
  EXPECT_EQ(CountRings(At(7, 0) + 7 * MsPerCalendarDay, At(8, 0) + 7 * MsPerCalendarDay), 1);
  EXPECT_EQ(world.events, (std::vector<std::string>{"drop snooze", "record 2026-12-14 07:30"}));
}

TEST_F(AlarmLoopTest, ResumedWithinTheCatchUpTimeRingsLateLaterNotAtAll) {
  world.settings = Armed(7, 30);
  world.resumeAt = At(7, 38);
  EXPECT_EQ(CountRings(At(7, 0), At(8, 0)), 1);
  world.resumeAt = At(7, 41) + MsPerCalendarDay;
  EXPECT_EQ(CountRings(At(7, 0) + MsPerCalendarDay, At(8, 0) + MsPerCalendarDay), 0);
}

TEST_F(AlarmLoopTest, AnAlarmSetAFewMinutesIntoThePastWaitsForTomorrow) {
  world.settings = Armed(8, 0);
  EXPECT_EQ(CountRings(At(7, 0), At(7, 35)), 0);
  world.settings = Armed(7, 30);
  EXPECT_EQ(CountRings(At(7, 35), At(8, 0)), 0);
}

TEST_F(AlarmLoopTest, APlayerStartedWithinTheAlarmMinuteStillRings) {
  world.settings = Armed(7, 30);
  EXPECT_EQ(CountRings(At(7, 30, 40), At(8, 0)), 1);
}

TEST_F(AlarmLoopTest, RingsAgainTheNextDayAlsoAfterANoRestartWakeUp) {
  for (bool noRestart : {false, true}) {
    SettingsRecord s = Armed(7, 30);
    s.VelNoRestart = noRestart;
    world.settings = s;
    EXPECT_EQ(CountRings(At(7, 0), At(7, 0) + 2 * MsPerCalendarDay), 2) << "no-restart " << noRestart;
  }
}

TEST_F(AlarmLoopTest, StopsAtOnceWhenTerminationIsRequestedBeforeTheStep) {
  world.settings = Armed(7, 30);
  EXPECT_EQ(CountRings(At(7, 30), At(7, 30)), 0);
  EXPECT_TRUE(player.calls.empty());
}

// A ring that passes unheard is told, once, with why.
std::string Missed(UtcMs planned, MissReason reason) {
  return "alarm 1 of " + std::to_string(planned) + ": " + MissReasonText(reason);
}

TEST_F(AlarmLoopTest, APcResumedPastTheCatchUpTimeTellsOfTheRingItSleptThrough) {
  world.settings = Armed(7, 30);
  world.resumeAt = At(7, 41);
  EXPECT_EQ(CountRings(At(7, 0), At(9, 0)), 0);
  EXPECT_EQ(world.misses, std::vector<std::string>{Missed(At(7, 30), MissReason::Asleep)});
  EXPECT_EQ(world.settings.VelPlannedRing, At(7, 30) + MsPerCalendarDay) << "tomorrow's is planned";
}

TEST_F(AlarmLoopTest, AClockSetPastTheRingTellsItMovedPastIt) {
  world.settings = Armed(7, 30);
  world.setClockTo = At(8, 0);
  EXPECT_EQ(CountRings(At(7, 0), At(9, 0)), 0);
  EXPECT_EQ(world.misses, std::vector<std::string>{Missed(At(7, 30), MissReason::ClockMoved)});
}

TEST_F(AlarmLoopTest, APlanLeftByAClosedPlayerIsToldAtTheNextStartEvenWithinTheCatchUpTime) {
  for (UtcMs start : {At(7, 33), At(12, 0)}) {
    world.misses.clear();
    world.settings = Armed(7, 30);
    world.settings.VelPlannedRing = At(7, 30);
    world.now = start;
    world.end = start + MsPerMinute;
    AlarmLoop(player, world, Utc, world).Run();
    EXPECT_EQ(world.misses, std::vector<std::string>{Missed(At(7, 30), MissReason::PlayerNotRunning)});
    EXPECT_TRUE(world.events.empty()) << "a minute begun before the start is not caught up";
  }
}

TEST_F(AlarmLoopTest, RingsThatRangAndPlansThatMovedAreNotMissed) {
  world.settings = Armed(7, 30);
  EXPECT_EQ(CountRings(At(7, 0), At(7, 0) + 2 * MsPerCalendarDay), 2);
  const UtcMs day = 2 * MsPerCalendarDay;
  world.settings.VelSnoozeUntil = At(6, 30) + day;
  world.resumeAt = At(6, 35) + day;  // a snooze caught up late
  EXPECT_EQ(CountRings(At(6, 0) + day, At(7, 0) + day), 1);
  world.settings.VelWakeupTime = EncodeTime(8, 0, 0, 0);  // moved before the planned 07:30
  EXPECT_EQ(CountRings(At(7, 10) + day, At(9, 0) + day), 1);
  EXPECT_TRUE(world.misses.empty()) << world.misses.front();
}

TEST_F(AlarmLoopTest, TheTimerWakesThePcOnlyWhenTheAlarmThatRingsNextAsks) {
  for (bool wake : {true, false}) {
    world.wakes.clear();
    world.settings = Armed(7, 30);
    world.settings.VelWakeFromSleep = wake;
    CountRings(At(7, 0), At(7, 20));
    EXPECT_EQ(world.wakes, std::vector<bool>{wake});
  }
}

// Several alarms through the real loop and schedule: the earliest ring over all, two in
// one minute, a one-off, and a year of a weekday, a weekend and a one-off alarm.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "FakePlayer.h"
#include "PosixTimeZone.h"
#include "plugin/AlarmLoop.h"

namespace {
const FixedOffsetZone Utc;
const PosixTimeZone Berlin("Europe/Berlin");

// 2026-12-07 is a Monday.
UtcMs MondayAt(int hour, int minute) { return LocalInstant(Utc, 2026, 12, 7, hour, minute); }

SettingsRecord AlarmAt(int hour, int minute, int days = EveryDay) {
  SettingsRecord s;
  s.VelActive = true;
  s.VelWakeupTime = EncodeTime(hour, minute, 0, 0);
  s.VelDays = days;
  s.VelURL = "alarm " + std::to_string(hour) + ":" + std::to_string(minute);
  s.VelStreaming = true;
  return s;
}

constexpr int Weekdays = 0x3E, Weekend = 0x41;

// The world around the loop: a clock that jumps to each planned instant, and the alarms'
// storage, which keeps what the domain's record of a ring says.
class StoredAlarms : public WorkerClock, public AlarmHost {
 public:
  AlarmList alarms;
  UtcMs now = 0;
  UtcMs end = 0;
  std::vector<std::string> rings;  // "<number> <record>" per alarm recorded

  UtcMs Now() override { return now; }
  WaitEnd WaitUntil(std::optional<UtcMs> instant, bool) override {
    if (!instant || *instant >= end) {
      now = end;
      return WaitEnd::Stop;
    }
    now = std::max(now, *instant);
    return WaitEnd::InstantCame;
  }
  void Pause(unsigned ms) override { now += ms; }
  bool Terminated() const override { return now >= end; }
  AlarmList Alarms() override { return alarms; }
  UtcMs WatchedSince(int number, const SettingsRecord& s, UtcMs at) override { return watches[number].Observe(s, at); }
  void RecordRing(int number, const RingSlot& slot, UtcMs at) override {
    rings.push_back(std::to_string(number) + (slot.snoozed ? " snooze " : " ") + LastRungText(slot));
    for (NumberedAlarm& alarm : alarms)
      if (alarm.number == number) RecordRingIn(alarm.settings, slot, at);
  }
  void DropSnooze(int number) override {
    for (NumberedAlarm& alarm : alarms)
      if (alarm.number == number) alarm.settings.VelSnoozeUntil.reset();
  }

 private:
  std::map<int, ScheduleWatch> watches;
};

std::vector<UtcMs> WatchedFromTheStart(const AlarmList& alarms) { return std::vector<UtcMs>(alarms.size(), 0); }
}  // namespace

TEST(EarliestRing, TheSoonestArmedAlarmRingsAndOfOneMinuteTheLowerNumber) {
  AlarmList alarms = {{1, AlarmAt(7, 30)}, {2, AlarmAt(6, 45, Weekdays)}, {3, AlarmAt(6, 45)}};
  auto next = EarliestRing(alarms, MondayAt(6, 0), Utc, WatchedFromTheStart(alarms));
  ASSERT_TRUE(next);
  EXPECT_EQ(next->number, 2);
  EXPECT_EQ(next->slot.start, MondayAt(6, 45));
  alarms[1].settings.VelSkipDate = 20261207;  // alarm 2 skips today: alarm 3 has the minute
  EXPECT_EQ(EarliestRing(alarms, MondayAt(6, 0), Utc, WatchedFromTheStart(alarms))->number, 3);
  alarms[2].settings.VelLastRung = "2026-12-07 06:45";  // rang already: alarm 1 at 07:30
  EXPECT_EQ(EarliestRing(alarms, MondayAt(6, 0), Utc, WatchedFromTheStart(alarms))->number, 1);
  alarms[0].settings.VelActive = false;
  alarms[2].settings.VelSnoozeUntil = MondayAt(6, 52);  // a snooze of alarm 3 comes first
  next = EarliestRing(alarms, MondayAt(6, 46), Utc, WatchedFromTheStart(alarms));
  EXPECT_EQ(next->number, 3);
  EXPECT_TRUE(next->slot.snoozed);
}

TEST(EarliestRing, NoneWhenNoAlarmIsArmedAndTheLowestFreeNumberIsReused) {
  AlarmList alarms = {{1, AlarmAt(7, 30)}, {2, AlarmAt(6, 45)}, {4, AlarmAt(6, 45)}};
  for (NumberedAlarm& alarm : alarms) alarm.settings.VelActive = false;
  EXPECT_FALSE(EarliestRing(alarms, MondayAt(6, 0), Utc, WatchedFromTheStart(alarms)));
  EXPECT_EQ(LowestFreeNumber(alarms), 3);
  alarms.clear();
  for (int number = 1; number <= MaxAlarms; ++number) alarms.push_back({number, AlarmAt(7, 0)});
  EXPECT_EQ(LowestFreeNumber(alarms), 0);
}

TEST(SeveralAlarmsLoop, TwoAlarmsOfOneMinuteRingOnceWithTheLowerNumbersAddressAndBothAreRecorded) {
  FakePlayer player;
  StoredAlarms world;
  world.alarms = {{1, AlarmAt(7, 30)}, {5, AlarmAt(7, 0)}, {7, AlarmAt(7, 0)}};
  world.now = MondayAt(6, 0);
  world.end = MondayAt(7, 10);
  AlarmLoop(player, world, Utc, world).Run();
  EXPECT_EQ(world.rings, (std::vector<std::string>{"5 2026-12-07 07:00", "7 2026-12-07 07:00"}));
  EXPECT_EQ(player.calls.at(0), "add 'alarm 7:0'");
  EXPECT_EQ(std::count(player.calls.begin(), player.calls.end(), "play"), 1);
}

TEST(SeveralAlarmsLoop, AOneOffRingsOnceThenIsOffButItsSnoozeStillRings) {
  FakePlayer player;
  StoredAlarms world;
  SettingsRecord once = AlarmAt(5, 10);
  once.VelOnce = true;
  world.alarms = {{1, AlarmAt(7, 30, 0)}, {2, once}};
  world.now = MondayAt(5, 0);
  world.end = MondayAt(5, 12);
  AlarmLoop(player, world, Utc, world).Run();
  EXPECT_EQ(world.rings, std::vector<std::string>{"2 2026-12-07 05:10"});
  EXPECT_FALSE(world.alarms[1].settings.VelActive);
  world.alarms[1].settings.VelSnoozeUntil = MondayAt(5, 17);  // SNOOZE pressed in its window
  world.end = MondayAt(5, 12) + 3 * MsPerCalendarDay;
  AlarmLoop(player, world, Utc, world).Run();
  EXPECT_EQ(world.rings, (std::vector<std::string>{"2 2026-12-07 05:10", "2 snooze 2026-12-07 05:17"}));
}

TEST(SeveralAlarmsSoak, AYearOfAWeekdayAWeekendAndAOneOffAlarmRingsEachArmedDayOfEachOnce) {
  FakePlayer player;
  StoredAlarms world;
  SettingsRecord train = AlarmAt(5, 10);
  train.VelOnce = true;
  world.alarms = {{1, AlarmAt(6, 45, Weekdays)}, {2, AlarmAt(9, 0, Weekend)}, {3, train}};
  const std::int64_t firstDay = DaysFromCivil(2026, 1, 1), days = 400;
  world.now = LocalInstant(Berlin, 2026, 1, 1, 0, 0);
  world.end = world.now + days * MsPerCalendarDay;
  AlarmLoop(player, world, Berlin, world).Run();

  std::vector<std::string> expected = {"3 2026-01-01 05:10"};
  for (std::int64_t day = firstDay; day < firstDay + days; ++day) {
    const LocalDateTime date = CivilFromDays(day);
    char text[32];
    const bool weekend = date.dayOfWeek == 0 || date.dayOfWeek == 6;
    std::snprintf(text, sizeof text, "%d %04d-%02d-%02d %s", weekend ? 2 : 1, date.year, date.month, date.day,
                  weekend ? "09:00" : "06:45");
    expected.push_back(text);
  }
  ASSERT_EQ(world.rings.size(), expected.size());
  EXPECT_EQ(world.rings, expected);
  EXPECT_EQ(std::count(player.calls.begin(), player.calls.end(), "play"), static_cast<long>(expected.size()));
}

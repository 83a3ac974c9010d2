// 400 simulated days of a PC that sleeps, resumes and has its clock stepped, in real
// zones, through the real loop. Every armed day on which the PC was awake within the
// catch-up limit of the alarm's start rings exactly once and in that span; no other day
// rings. The expected start is found here by a plain minute-by-minute scan of the zone.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <vector>

#include "FakePlayer.h"
#include "PosixTimeZone.h"
#include "plugin/AlarmLoop.h"

namespace {

constexpr UtcMs Never = INT64_MAX;

struct Span {
  UtcMs from;  // system clock readings seen while awake, both ends included
  UtcMs to;
};

struct Ring {
  UtcMs at;  // on the system clock
  std::string record;
};

// True time runs on; the system clock is true time plus a shift that clock steps change.
// Sleeps and steps come at random moments; a wait may also end early, as a safety poll.
class SimulatedPc : public WorkerClock, public AlarmHost {
 public:
  SimulatedPc(UtcMs start, UtcMs end, const SettingsRecord& settings, unsigned seed)
      : trueNow_(start), end_(end), spanStart_(start), settings_(settings), random_(seed) {
    nextEvent_ = trueNow_ + AwakeStretch();
  }

  std::vector<Span> spans;
  std::vector<Ring> rings;
  int sleeps = 0;
  int steps = 0;

  void Finish() { spans.push_back({spanStart_, Now()}); }

  UtcMs Now() override { return trueNow_ + shift_; }
  bool Terminated() const override { return trueNow_ >= end_; }
  AlarmList Alarms() override { return {NumberedAlarm{FirstAlarm, settings_}}; }
  UtcMs WatchedSince(int, const SettingsRecord& settings, UtcMs now) override { return watch_.Observe(settings, now); }
  void DropSnooze(int) override { settings_.VelSnoozeUntil.reset(); }
  void RecordRing(int, const RingSlot& slot, UtcMs at) override {
    rings.push_back({Now(), LastRungText(slot)});
    RecordRingIn(settings_, slot, at);
  }
  void Pause(unsigned milliseconds) override { trueNow_ += milliseconds; }  // events wait for its end

  WaitEnd WaitUntil(std::optional<UtcMs> instant, bool) override {
    if (trueNow_ >= nextEvent_) return Happen();
    const UtcMs arrival = instant ? trueNow_ + std::max<UtcMs>(0, *instant - Now()) : Never;
    const UtcMs until = std::min({arrival, nextEvent_, end_});
    if (until == arrival && Chance(0.2)) {  // an early look must not ring
      trueNow_ += Between(0, arrival - trueNow_);
      return WaitEnd::SafetyPoll;
    }
    trueNow_ = until;
    if (until == arrival) return WaitEnd::InstantCame;
    if (until == end_) return WaitEnd::Stop;
    return Happen();
  }

 private:
  WaitEnd Happen() {
    spans.push_back({spanStart_, Now()});
    if (Chance(0.7)) {
      ++sleeps;
      trueNow_ += LogUniform(2 * MsPerMinute, 3 * MsPerCalendarDay);
    } else {
      ++steps;
      const UtcMs size = Between(MsPerHour, 12 * MsPerHour);
      shift_ += Chance(0.5) ? size : -size;
    }
    spanStart_ = Now();
    nextEvent_ = trueNow_ + AwakeStretch();
    return WaitEnd::Replan;
  }

  UtcMs AwakeStretch() { return LogUniform(MsPerMinute, 2 * MsPerCalendarDay); }
  bool Chance(double p) { return std::uniform_real_distribution<double>(0, 1)(random_) < p; }
  UtcMs Between(UtcMs low, UtcMs high) { return std::uniform_int_distribution<UtcMs>(low, high)(random_); }
  UtcMs LogUniform(UtcMs low, UtcMs high) {
    const double exponent = std::uniform_real_distribution<double>(std::log(low), std::log(high))(random_);
    return static_cast<UtcMs>(std::exp(exponent));
  }

  UtcMs trueNow_;
  UtcMs end_;
  UtcMs shift_ = 0;
  UtcMs nextEvent_;
  UtcMs spanStart_;
  SettingsRecord settings_;
  ScheduleWatch watch_;
  std::mt19937_64 random_;
};

struct SoakCase {
  const char* zone;
  int hour;
  int minute;
  int days;
  int catchUpMinutes;
};

// The first minute at which the local clock reads the alarm's time or later.
UtcMs ExpectedStart(const TimeZoneRules& zone, std::int64_t day, int hour, int minute) {
  const UtcMs wall = day * MsPerCalendarDay + hour * MsPerHour + minute * MsPerMinute;
  UtcMs instant = wall - OffsetAt(zone, wall - MsPerCalendarDay) - 2 * MsPerHour;
  while (WallClockMs(zone.ToLocal(instant)) < wall) instant += MsPerMinute;
  return instant;
}

std::string DayRecord(std::int64_t day, int hour, int minute) {
  const LocalDateTime date = CivilFromDays(day);
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", date.year, date.month, date.day, hour, minute);
  return text;
}

void Soak(const SoakCase& c, unsigned seed) {
  const PosixTimeZone zone(c.zone);
  const std::int64_t firstDay = DaysFromCivil(2026, 1, 1);
  const std::int64_t lastDay = firstDay + 400;
  SettingsRecord settings;
  settings.VelActive = true;
  settings.VelWakeupTime = EncodeTime(c.hour, c.minute, 0, 0);
  settings.VelDays = c.days;
  settings.VelCatchUpMinutes = c.catchUpMinutes;
  const UtcMs start = ExpectedStart(zone, firstDay, 0, 0);
  SimulatedPc pc(start, ExpectedStart(zone, lastDay, 0, 0), settings, seed);
  FakePlayer player;
  AlarmLoop(player, pc, zone, pc).Run();
  pc.Finish();

  std::map<std::string, std::vector<UtcMs>> ringsByRecord;
  for (const Ring& ring : pc.rings) ringsByRecord[ring.record].push_back(ring.at);
  const UtcMs catchUpLimit = c.catchUpMinutes == 0 ? MsPerMinute - 1 : c.catchUpMinutes * MsPerMinute;
  int armed = 0, awake = 0, late = 0;
  // Clock steps carry the system clock days beyond the simulated span either way.
  UtcMs earliest = Never, latest = -Never;
  for (const Span& span : pc.spans) {
    earliest = std::min(earliest, span.from);
    latest = std::max(latest, span.to);
  }
  const std::int64_t firstSeen = WallClockMs(zone.ToLocal(earliest)) / MsPerCalendarDay - 1;
  const std::int64_t lastSeen = WallClockMs(zone.ToLocal(latest)) / MsPerCalendarDay + 1;
  for (std::int64_t day = firstSeen; day <= lastSeen; ++day) {
    const std::string record = DayRecord(day, c.hour, c.minute);
    const bool ticked = (c.days >> CivilFromDays(day).dayOfWeek & 1) != 0;
    const UtcMs alarm = ExpectedStart(zone, day, c.hour, c.minute);
    // A minute begun before the watch began (only a step back reaches one) keeps the exact rule.
    const UtcMs limit = alarm < start ? MsPerMinute - 1 : catchUpLimit;
    bool seen = false;
    for (const Span& span : pc.spans) seen = seen || (span.from <= alarm + limit && span.to >= alarm);
    const auto found = ringsByRecord.find(record);
    const std::vector<UtcMs> rang = found == ringsByRecord.end() ? std::vector<UtcMs>{} : found->second;
    armed += ticked;
    awake += ticked && seen;
    ASSERT_EQ(rang.size(), ticked && seen ? 1u : 0u) << c.zone << " " << record << " seed " << seed;
    if (rang.empty()) continue;
    EXPECT_GE(rang[0], alarm) << c.zone << " early on " << record;
    EXPECT_LE(rang[0], alarm + limit) << c.zone << " too late on " << record;
    late += rang[0] > alarm;
    ringsByRecord.erase(found);
  }
  EXPECT_TRUE(ringsByRecord.empty()) << c.zone << " rang for " << ringsByRecord.begin()->first;
  std::printf(
      "%-20s %02d:%02d days %3d: armed %3d, awake or resumed in time %3d, rang %3zu (late %3d); "
      "%d sleeps, %d clock steps\n",
      c.zone, c.hour, c.minute, c.days, armed, awake, pc.rings.size(), late, pc.sleeps, pc.steps);
}

}  // namespace

TEST(ScheduleSoak, FourHundredDaysOfSleepsAndClockStepsRingEachAwakeArmedDayOnce) {
  const auto began = std::chrono::steady_clock::now();
  const SoakCase cases[] = {
      {"America/New_York", 2, 30, EveryDay, 10},    {"Europe/Berlin", 2, 30, 0x3E, 10},  // Monday to Friday
      {"Australia/Lord_Howe", 2, 15, EveryDay, 10}, {"Australia/Lord_Howe", 1, 45, EveryDay, 0},
      {"Asia/Tokyo", 7, 0, EveryDay, 30},
  };
  unsigned seed = 20261207;
  for (const SoakCase& c : cases) Soak(c, seed++);
  const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - began);
  std::printf("soak run time: %lld ms\n", static_cast<long long>(took.count()));
}

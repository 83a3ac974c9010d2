// Clock changes while the alarm is armed, through the real DLL in the simulator. The
// clock of every Wine process moves with libfaketime's offset file, rewritten by a
// helper that waits for a line of the simulator's log; the machine's clock stays put.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "SimulatorRun.h"

namespace {
const std::string FakeTimeLibrary = "/usr/lib/x86_64-linux-gnu/faketime/libfaketimeMT.so.1";
const std::string OffsetFile = SOURCE_DIR "/build/faketime-offset";
const std::string LogFile = SOURCE_DIR "/build/clock-change.log";

// A Wine server started without the faked clock would keep its own timers' time.
void EndWineServer() { std::system("WINEPREFIX='" SOURCE_DIR "/build/wineprefix' wineserver -k 2>/dev/null"); }

// Every Wine process of the run on a clock offset by the file's seconds, in the host's
// time zone or in `zone` (Wine takes its zone from TZ).
class FakedClock {
 public:
  explicit FakedClock(const char* zone = nullptr) {
    EndWineServer();
    std::ofstream(OffsetFile) << "+0\n";
    if (zone) setenv("TZ", zone, 1);
    setenv("LD_PRELOAD", FakeTimeLibrary.c_str(), 1);
    setenv("FAKETIME_TIMESTAMP_FILE", OffsetFile.c_str(), 1);
    setenv("FAKETIME_NO_CACHE", "1", 1);
    setenv("FAKETIME_DONT_FAKE_MONOTONIC", "1", 1);
  }
  ~FakedClock() {
    for (const char* name :
         {"LD_PRELOAD", "FAKETIME_TIMESTAMP_FILE", "FAKETIME_NO_CACHE", "FAKETIME_DONT_FAKE_MONOTONIC", "TZ"})
      unsetenv(name);
    EndWineServer();
  }
  // Once the simulator's log has a line containing `text`, the clock moves by `offset`
  // (signed seconds, from the real clock).
  static void StepWhenLogged(const std::string& text, const std::string& offset) {
    StepsWhenLogged({{text, "echo " + offset}});
  }
  // The same in turn for each text: the clock is set to the given UTC instant.
  static void SetWhenLogged(const std::vector<std::pair<std::string, std::string>>& textAndUtc) {
    std::vector<std::pair<std::string, std::string>> steps;
    for (const auto& [text, utc] : textAndUtc)
      steps.push_back({text, "printf \"%+d\\n\" $(($(date -ud " + utc + " +%s) - $(env -u LD_PRELOAD date +%s)))"});
    StepsWhenLogged(steps);
  }

 private:
  // Each step's shell command prints the new offset once its text is logged.
  static void StepsWhenLogged(const std::vector<std::pair<std::string, std::string>>& steps) {
    std::remove(LogFile.c_str());
    std::string script;
    for (const auto& [text, offset] : steps)
      script += "until grep -qF \"" + text + "\" \"" + LogFile + "\" 2>/dev/null; do sleep 0.1; done; " + offset +
                " > \"" + OffsetFile + "\"; ";
    std::system(("timeout 300 sh -c '" + script + "' &").c_str());
  }
};

// Why the clock cannot be moved for this tier's programs, or nothing when it can. The
// emulator is a static program that loads no preloaded library, and the library here is
// the 64-bit one: the 32-bit tier cannot fake its clock.
std::string WhyNoFakedClock() {
  if (TargetFolder() != "win64") return "libfaketime cannot reach programs run under the emulator";
  if (!std::ifstream(FakeTimeLibrary).good()) return "faketime is not installed (scripts/install-deps)";
  return "";
}

// The time of day of a log line, "hh:mm:ss".
std::string TimeOfDay(const LogLine& line) {
  const int s = line.millisecondOfDay / 1000;
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", s / 3600, s / 60 % 60, s % 60);
  return text;
}

// The local minute `minutesAhead` from now, as --arm takes it.
std::string MinuteAhead(int minutesAhead) {
  const std::time_t then = std::time(nullptr) + 60 * minutesAhead;
  char text[8];
  std::strftime(text, sizeof text, "%H:%M", std::localtime(&then));
  return text;
}

const std::vector<std::string> Ringing = {"--reset-settings", "--snooze", "off",        "--no-restart", "off",
                                          "--stream",         "off",      "--playlist", "a.mp3",        "--log",
                                          "Z:" + LogFile};
}  // namespace

TEST(ClockChange, JumpOverTheAlarmMinuteRingsLateOnceWithinTheCatchUpTime) {
  if (const std::string why = WhyNoFakedClock(); !why.empty()) GTEST_SKIP() << why;
  const FakedClock clock;
  // Three minutes ahead, then the clock jumps 200 s once the worker has planned.
  FakedClock::StepWhenLogged("timer set", "+200");
  const SimulatorLog log =
      RunSimulator(With(Ringing, {"--arm", MinuteAhead(3), "--run-until", "Play button", "--give-up", "60"}));
  EXPECT_EQ(log.Starting("Play button").size(), 1u) << log.Text();
}

TEST(ClockChange, StepBackIntoTheRungMinuteDoesNotRingItAgain) {
  if (const std::string why = WhyNoFakedClock(); !why.empty()) GTEST_SKIP() << why;
  const FakedClock clock;
  // After the ring and its pause, back 20 s: the clock reads the alarm minute again.
  FakedClock::StepWhenLogged("keep awake released", "-20");
  const SimulatorLog log = RunSimulator(With(Ringing, {"--arm", "next", "--run", "180000"}), 250);
  const int released = log.IndexOf("debug output 'VelWakeup: keep awake released'");
  ASSERT_GE(released, 0) << log.Text();
  // A safety poll after the step proves the worker looked at the stepped clock.
  bool lookedAfterStep = false;
  for (std::size_t i = static_cast<std::size_t>(released) + 1; i < log.Lines().size(); ++i)
    lookedAfterStep |= log.Lines()[i].text == "debug output 'VelWakeup: wait ended: safety poll'";
  EXPECT_TRUE(lookedAfterStep) << log.Text();
  EXPECT_EQ(log.Starting("Play button").size(), 1u) << log.Text();
}

// New York, 1 November 2026: at 02:00 EDT the clocks go back to 01:00 EST, so 01:30
// comes twice. Only the first rings: as it rings the clock goes to 01:29:45 EST, and
// after the pause that follows a ring the second 01:30 has begun, within catch-up reach.
TEST(ClockChange, TheRepeatedAutumnHourRingsOnceAtItsFirstOccurrence) {
  if (const std::string why = WhyNoFakedClock(); !why.empty()) GTEST_SKIP() << why;
  const FakedClock clock("America/New_York");
  FakedClock::SetWhenLogged({{"timer set", "2026-11-01T05:29:45Z"}, {"keep awake requested", "2026-11-01T06:29:45Z"}});
  const std::string nextDay = "debug output 'VelWakeup: next ring 2026-11-02 01:30:00'";
  const SimulatorLog log =
      RunSimulator(With(Ringing, {"--arm", "01:30", "--run-until", nextDay, "--give-up", "150"}), 250);
  ASSERT_TRUE(log.Has(nextDay)) << log.Text();
  ASSERT_EQ(log.Starting("Play button").size(), 1u) << log.Text();
  // Planned after the pause that follows the ring (62 s), which the hour's step back
  // shortened by 15 s on the clock: inside the second 01:30, and it did not ring.
  const LogLine play = log.First("Play button"), planned = log.First(nextDay);
  EXPECT_LT(planned.millisecondOfDay - play.millisecondOfDay, 60000) << log.Text();
  EXPECT_GE(TimeOfDay(planned), "01:30:00") << log.Text();
}

// The fade counts its steps from the ring, not by the clock: a clock set back an hour
// just after the ring (a time sync on resume) must not hold the player down for that hour.
TEST(ClockChange, AClockSetBackDuringTheFadeDoesNotStallIt) {
  if (const std::string why = WhyNoFakedClock(); !why.empty()) GTEST_SKIP() << why;
  const FakedClock clock;
  FakedClock::StepWhenLogged("keep awake requested", "-3600");
  const SimulatorLog log = RunSimulator(
      With(Ringing, {"--arm", "now", "--volume", "off", "--set-value", "VelFadeSeconds", "dword", "4", "--set-value",
                     "VelFallbackSeconds", "dword", "0", "--run-until", "volume 128 ", "--give-up", "60"}));
  EXPECT_TRUE(log.Has("volume 128 ")) << log.Text();
}

// New York, 8 March 2026: at 02:00 EST the clocks go forward to 03:00 EDT, so 02:30
// never comes; it rings at the first minute after the jump.
TEST(ClockChange, AnAlarmInTheSkippedSpringHourRingsAtTheFirstMinuteAfterIt) {
  if (const std::string why = WhyNoFakedClock(); !why.empty()) GTEST_SKIP() << why;
  const FakedClock clock("America/New_York");
  FakedClock::SetWhenLogged({{"timer set", "2026-03-08T06:59:45Z"}});
  const SimulatorLog log = RunSimulator(With(Ringing, {"--arm", "02:30", "--run-until", "Play button"}), 250);
  ASSERT_TRUE(log.Has("Play button")) << log.Text();
  EXPECT_EQ(TimeOfDay(log.First("Play button")).substr(0, 5), "03:00") << log.Text();
}

// A snooze window nobody answers holds nothing up: the next day rings on time while it
// is still there (New York, 7 and 8 December 2026, 07:00 EST).
TEST(ClockChange, AnUnansweredSnoozeWindowDoesNotHoldUpTheNextDaysRing) {
  if (const std::string why = WhyNoFakedClock(); !why.empty()) GTEST_SKIP() << why;
  const FakedClock clock("America/New_York");
  FakedClock::SetWhenLogged({{"timer set", "2026-12-07T11:59:45Z"}, {"keep awake released", "2026-12-08T11:59:45Z"}});
  const std::string nextDay = "debug output 'VelWakeup: ring: alarm 2026-12-08 07:00'";
  const SimulatorLog log = RunSimulator(With(Ringing, {"--snooze", "on", "--arm", "07:00", "--run-until", nextDay,
                                                       "--give-up", "200", "--ui", "window Time to wakeup ?"}),
                                        300);
  ASSERT_TRUE(log.Has(nextDay)) << log.Text();
  EXPECT_EQ(log.Starting("Play button").size(), 2u) << log.Text();
  EXPECT_EQ(TimeOfDay(log.First(nextDay)).substr(0, 5), "07:00") << "on time\n" << log.Text();
  EXPECT_FALSE(log.Has("ui: click")) << "the first window was never answered";
}

// A clock set a quarter of an hour on, past the alarm three minutes ahead and its ten
// minutes of catch-up: nothing rings, and the missed-alarm window says when and why.
TEST(ClockChange, AJumpPastTheCatchUpTimeShowsTheMissedAlarmWindowNamingTheAlarmAndTime) {
  if (const std::string why = WhyNoFakedClock(); !why.empty()) GTEST_SKIP() << why;
  const FakedClock clock;
  FakedClock::StepWhenLogged("timer set", "+900");
  const std::string armed = MinuteAhead(3);
  const SimulatorLog log = RunSimulator(With(Ringing, {"--arm", armed, "--run-until", "ui: done", "--give-up", "90",
                                                       "--ui", "window Missed alarm; texts; click &OK; wait gone"}));
  ASSERT_TRUE(log.Has("ui: done")) << log.Text();
  bool told = false;
  for (const std::string& text : log.Starting("ui: text 'Alarm 1, "))
    told |= text.find(", " + armed + ". The clock moved past it'") != std::string::npos;
  EXPECT_TRUE(told) << log.Text();
  EXPECT_FALSE(log.Has("Play button")) << log.Text();
}

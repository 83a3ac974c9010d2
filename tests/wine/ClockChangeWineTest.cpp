// Clock changes while the alarm is armed, through the real DLL in the simulator. The
// clock of every Wine process moves with libfaketime's offset file, rewritten by a
// helper that waits for a line of the simulator's log; the machine's clock stays put.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>

#include "SimulatorRun.h"

namespace {
const std::string FakeTimeLibrary = "/usr/lib/x86_64-linux-gnu/faketime/libfaketimeMT.so.1";
const std::string OffsetFile = SOURCE_DIR "/build/faketime-offset";
const std::string LogFile = SOURCE_DIR "/build/clock-change.log";

// A Wine server started without the faked clock would keep its own timers' time.
void EndWineServer() { std::system("WINEPREFIX='" SOURCE_DIR "/build/wineprefix' wineserver -k 2>/dev/null"); }

// Every Wine process of the run on a clock offset by the file's seconds.
class FakedClock {
 public:
  FakedClock() {
    EndWineServer();
    std::ofstream(OffsetFile) << "+0\n";
    setenv("LD_PRELOAD", FakeTimeLibrary.c_str(), 1);
    setenv("FAKETIME_TIMESTAMP_FILE", OffsetFile.c_str(), 1);
    setenv("FAKETIME_NO_CACHE", "1", 1);
    setenv("FAKETIME_DONT_FAKE_MONOTONIC", "1", 1);
  }
  ~FakedClock() {
    for (const char* name : {"LD_PRELOAD", "FAKETIME_TIMESTAMP_FILE", "FAKETIME_NO_CACHE", "FAKETIME_DONT_FAKE_MONOTONIC"})
      unsetenv(name);
    EndWineServer();
  }
  // Once the simulator's log has a line containing `text`, the clock moves to `offset`.
  static void StepWhenLogged(const std::string& text, const std::string& offset) {
    std::remove(LogFile.c_str());
    std::system(("(timeout 200 sh -c 'until grep -qF \"" + text + "\" \"" + LogFile +
                 "\" 2>/dev/null; do sleep 0.1; done' && echo '" + offset + "' > '" + OffsetFile + "') &")
                    .c_str());
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

// The local minute `minutesAhead` from now, as --arm takes it.
std::string MinuteAhead(int minutesAhead) {
  const std::time_t then = std::time(nullptr) + 60 * minutesAhead;
  char text[8];
  std::strftime(text, sizeof text, "%H:%M", std::localtime(&then));
  return text;
}

const std::vector<std::string> Ringing = {"--reset-settings", "--snooze", "off", "--no-restart", "off", "--stream",
                                          "off", "--playlist", "a.mp3", "--log", "Z:" + LogFile};
}  // namespace

TEST(ClockChange, JumpOverTheAlarmMinuteRingsLateOnceWithinTheCatchUpTime) {
  if (const std::string why = WhyNoFakedClock(); !why.empty()) GTEST_SKIP() << why;
  const FakedClock clock;
  // Three minutes ahead, then the clock jumps 200 s once the worker has planned.
  FakedClock::StepWhenLogged("wait ended: re-plan", "+200");
  const SimulatorLog log = RunSimulator(With(Ringing, {"--arm", MinuteAhead(3), "--run", "25000"}));
  EXPECT_EQ(log.Starting("Play button").size(), 1u) << log.Text();
}

TEST(ClockChange, StepBackIntoTheRungMinuteDoesNotRingItAgain) {
  if (const std::string why = WhyNoFakedClock(); !why.empty()) GTEST_SKIP() << why;
  const FakedClock clock;
  // After the ring and its pause, back 20 s: the clock reads the alarm minute again.
  FakedClock::StepWhenLogged("keep awake released", "-20");
  const SimulatorLog log = RunSimulator(With(Ringing, {"--arm", "next", "--run", "150000"}), 250);
  const int released = log.IndexOf("debug output 'VelWakeup: keep awake released'");
  ASSERT_GE(released, 0) << log.Text();
  // A safety poll after the step proves the worker looked at the stepped clock.
  bool lookedAfterStep = false;
  for (std::size_t i = static_cast<std::size_t>(released) + 1; i < log.Lines().size(); ++i)
    lookedAfterStep |= log.Lines()[i].text == "debug output 'VelWakeup: wait ended: safety poll'";
  EXPECT_TRUE(lookedAfterStep) << log.Text();
  EXPECT_EQ(log.Starting("Play button").size(), 1u) << log.Text();
}

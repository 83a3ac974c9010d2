// Several alarms through the real DLL in the player simulator, set up in the registry as
// the Alarms window stores them: alarm n in the subkey Alarms\<n>.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "SimulatorRun.h"

namespace {
// A local minute as "HH:MM", and as the stored time of day (hex of the 8-byte double).
struct Minute {
  std::time_t at;
  std::string Arm() const {
    char text[8];
    std::strftime(text, sizeof text, "%H:%M", std::localtime(&at));
    return text;
  }
  std::string StoredTime() const {
    const std::tm* local = std::localtime(&at);
    const double time = (local->tm_hour * 60 + local->tm_min) / 1440.0;
    unsigned char bytes[sizeof time];
    std::memcpy(bytes, &time, sizeof time);
    std::string hex;
    for (unsigned char byte : bytes) {
      char digits[3];
      std::snprintf(digits, sizeof digits, "%02x", byte);
      hex += digits;
    }
    return hex;
  }
};

// The minute that rings at once (the next one when most of this one is gone, as --arm now).
Minute RingingMinute() {
  const std::time_t now = std::time(nullptr);
  return Minute{now % 60 >= 45 ? now / 60 * 60 + 60 : now / 60 * 60};
}

// Alarm `number` in its subkey, armed for `minute`, streaming `address`, no snooze window.
std::vector<std::string> AlarmIn(int number, const Minute& minute, const std::string& address) {
  const std::string key = "Alarms\\" + std::to_string(number) + "\\";
  return {"--set-value", key + "VelActive",     "dword",  "1",
          "--set-value", key + "VelWakeupTime", "binary", minute.StoredTime(),
          "--set-value", key + "VelURL",        "sz",     address,
          "--set-value", key + "VelStreaming",  "dword",  "1",
          "--set-value", key + "VelSnooze",     "dword",  "0",
          "--set-value", key + "VelNoRestart",  "dword",  "0"};
}

const std::vector<std::string> FirstAlarmOff = {
    "--reset-settings", "--active",       "off", "--snooze", "off", "--no-restart", "off",
    "--dismiss-boxes",  "--dump-settings"};
std::string RingOfAlarm(int number) { return "debug output 'VelWakeup: ring: alarm " + std::to_string(number) + ": "; }
}  // namespace

TEST(SeveralAlarms, TwoAlarmsAMinuteApartBothRingEachWithItsOwnAddress) {
  const Minute first = RingingMinute(), second{first.at + 60};
  const SimulatorLog log =
      RunSimulator(With({"--reset-settings", "--arm", first.Arm(), "--url", "first.m3u", "--stream", "on", "--snooze",
                         "off", "--no-restart", "off", "--run-until", RingOfAlarm(2), "--give-up", "200"},
                        AlarmIn(2, second, "second.m3u")),
                   300);
  ASSERT_TRUE(log.Has(RingOfAlarm(2))) << log.Text();
  const std::vector<std::string> added = log.Starting("playlist add '");
  ASSERT_EQ(added.size(), 2u) << log.Text();
  EXPECT_EQ(added[0].rfind("playlist add 'first.m3u'", 0), 0u) << added[0];
  EXPECT_EQ(added[1].rfind("playlist add 'second.m3u'", 0), 0u) << added[1];
  EXPECT_EQ(log.Starting("Play button").size(), 2u) << log.Text();
}

TEST(SeveralAlarms, AOneOffRingsOnceAndIsSwitchedOffInItsOwnKey) {
  std::vector<std::string> arguments = With(FirstAlarmOff, AlarmIn(3, RingingMinute(), "train.m3u"));
  arguments = With(arguments, {"--set-value", "Alarms\\3\\VelOnce", "dword", "1", "--run-until", RingOfAlarm(3),
                               "--give-up", "90"});
  const SimulatorLog log = RunSimulator(arguments);
  ASSERT_TRUE(log.Has(RingOfAlarm(3))) << log.Text();
  EXPECT_EQ(log.Starting("Play button").size(), 1u) << log.Text();
  EXPECT_EQ(log.Setting("Alarms\\3\\VelActive"), "REG_DWORD 4 bytes 0") << log.Text();
  EXPECT_EQ(log.Setting("VelActive"), "REG_DWORD 4 bytes 0") << "alarm 1 is left alone";
}

TEST(SeveralAlarms, AMalformedValueInOneAlarmsKeyIsItsDefaultThereAloneWithoutABoxOrAWrite) {
  std::vector<std::string> arguments = With(FirstAlarmOff, AlarmIn(3, RingingMinute(), "unused"));
  arguments = With(arguments, {"--set-value", "Alarms\\3\\VelURL", "dword", "5", "--delete-value",
                               "Alarms\\3\\VelVolume", "--run-until", RingOfAlarm(3), "--give-up", "90"});
  const SimulatorLog log = RunSimulator(arguments);
  ASSERT_TRUE(log.Has(RingOfAlarm(3))) << log.Text();
  EXPECT_FALSE(log.Has("message box")) << log.Text();
  // The address reads as its default, the empty text: one NUL byte goes to the player.
  EXPECT_TRUE(log.Has("playlist add '' (WM_COPYDATA code 100 bytes 1")) << log.Text();
  EXPECT_EQ(log.Setting("Alarms\\3\\VelURL"), "REG_DWORD 4 bytes 5") << "left as it was";
  EXPECT_EQ(log.Setting("Alarms\\3\\VelVolume"), "(missing)") << "a load writes nothing there";
  EXPECT_TRUE(log.Has("volume 255 ")) << "a missing switch is on, its default\n" << log.Text();
  EXPECT_EQ(log.Setting("VelURL"), "REG_SZ 1 bytes ''") << "alarm 1 keeps its own";
}

namespace {
const std::string OpenAlarms = "window " + ConfigDialogTitle + "; click All alarms...; window Alarms; ";
const std::string BackAndClose = "window Alarms; close; window " + ConfigDialogTitle + "; close";

SimulatorLog InAlarmsWindow(const std::vector<std::string>& settings, const std::string& steps) {
  return RunSimulator(With(With({"--reset-settings", "--history", "", "--arm", "07:30"}, settings),
                           {"--config", "--dismiss-boxes", "--run", "0", "--dump-settings", "--ui",
                            OpenAlarms + steps + BackAndClose}));
}

// "Next alarm: Tuesday 8 December, 06:45 (Work)" for the next 06:45 from now.
std::string NextAt0645Words(const std::string& label) {
  std::time_t day = std::time(nullptr);
  char hhmm[8];
  std::strftime(hhmm, sizeof hhmm, "%H:%M", std::localtime(&day));
  if (std::string(hhmm) >= "06:45") day += 24 * 3600;
  const std::tm local = *std::localtime(&day);
  char words[64];
  std::strftime(words, sizeof words, "%A ", &local);
  std::string text = "Next alarm: " + std::string(words) + std::to_string(local.tm_mday);
  std::strftime(words, sizeof words, " %B, 06:45", &local);
  return text + words + " (" + label + ")";
}
}  // namespace

TEST(AlarmsWindow, AnAlarmAddedThereIsStoredInItsOwnSubkeyAndAlarmOneKeepsItsValues) {
  const SimulatorLog log = InAlarmsWindow(
      {"--url", "first.m3u"}, "click &Add; window Alarm; click-at 500 120; type http://added.example/; click &OK; ");
  EXPECT_TRUE(log.Has("alarm subkey 2")) << log.Text();
  EXPECT_EQ(log.Setting("Alarms\\2\\VelURL"), "REG_SZ 22 bytes 'http://added.example/'") << log.Text();
  EXPECT_EQ(log.Setting("Alarms\\2\\VelActive"), "REG_DWORD 4 bytes 1");
  EXPECT_EQ(log.Setting("VelURL"), "REG_SZ 10 bytes 'first.m3u'") << "alarm 1 keeps its own";
  EXPECT_FALSE(log.Has("message box")) << log.Text();
}

TEST(AlarmsWindow, DeleteRemovesTheSubkeyAndIsRefusedForAlarmOne) {
  const Minute any{std::time(nullptr) + 3600};
  const SimulatorLog log = InAlarmsWindow(With(AlarmIn(2, any, "two"), AlarmIn(3, any, "three")),
                                          "state &Delete; key down; click &Delete; ");
  EXPECT_TRUE(log.Has("ui: '&Delete' unchecked, disabled")) << "alarm 1 is selected first\n" << log.Text();
  EXPECT_FALSE(log.Has("alarm subkey 2")) << log.Text();
  EXPECT_TRUE(log.Has("alarm subkey 3")) << log.Text();
  EXPECT_EQ(log.Setting("Alarms\\3\\VelURL"), "REG_SZ 6 bytes 'three'");
}

TEST(AlarmsWindow, TheNextRingLineNamesTheAlarmThatRingsFirstByItsLabel) {
  std::vector<std::string> work = AlarmIn(2, Minute{0}, "work.m3u");
  // 06:45 is 0.28125 of a day; alarm 1 is off.
  work = With(work, {"--set-value", "Alarms\\2\\VelWakeupTime", "binary", "000000000000d23f", "--set-value",
                     "Alarms\\2\\VelLabel", "sz", "Work", "--active", "off"});
  const SimulatorLog log = InAlarmsWindow(work, "state " + NextAt0645Words("Work") + "; ");
  EXPECT_TRUE(log.Has("ui: '" + NextAt0645Words("Work") + "'")) << log.Text();
}

TEST(SeveralAlarms, TheSnoozeWindowNamesTheAlarmThatRangByItsLabelAndAnswersForIt) {
  std::vector<std::string> arguments = With(FirstAlarmOff, AlarmIn(4, RingingMinute(), "work.m3u"));
  arguments =
      With(arguments, {"--set-value", "Alarms\\4\\VelSnooze", "dword", "1", "--set-value", "Alarms\\4\\VelLabel", "sz",
                       "Work", "--run-until", "debug output 'VelWakeup: snoozed until", "--give-up", "90", "--ui",
                       "window Time to wakeup ? (Work); click SNOOZE"});
  const SimulatorLog log = RunSimulator(arguments);
  ASSERT_TRUE(log.Has("ui: click SNOOZE")) << log.Text();
  const std::string snoozed = log.First("debug output 'VelWakeup: snoozed until").text;
  EXPECT_NE(snoozed.find("(alarm 4)"), std::string::npos) << snoozed;
  EXPECT_NE(log.Setting("Alarms\\4\\VelSnoozeUntil"), "(missing)") << log.Text();
  EXPECT_EQ(log.Setting("VelSnoozeUntil"), "(missing)") << "alarm 1 did not ring";
}

TEST(AlarmsWindow, AddWithTwentyAlarmsSaysSoAndAddsNothing) {
  std::vector<std::string> nineteen;
  for (int number = 2; number <= 20; ++number)
    nineteen = With(nineteen, {"--set-value", "Alarms\\" + std::to_string(number) + "\\VelActive", "dword", "0"});
  const SimulatorLog log = InAlarmsWindow(nineteen, "click &Add; wait log box owner; ");
  EXPECT_EQ(log.Starting("message box 'player-sim': 'There are 20 alarms already").size(), 1u) << log.Text();
  EXPECT_EQ(log.Starting("alarm subkey ").size(), 19u) << log.Text();
}

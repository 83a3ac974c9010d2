// What the alarm's windows promise, kept as a user meets it: the real DLL in the player
// simulator, rung in real time, answered through its windows, judged by what the player
// received, what the windows show and what the worker planned.
#include <gtest/gtest.h>

#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "SimulatorRun.h"

namespace {
const std::string SnoozeWindow = "window Time to wakeup ?";
const std::string OpenOptions = "window " + ConfigDialogTitle + "; click More alarm options...; window Alarm options; ";

std::string Formatted(const char* format, std::time_t at) {
  std::tm local{};
  localtime_r(&at, &local);
  char text[64];
  std::strftime(text, sizeof text, format, &local);
  return text;
}

// Armed for the present minute (the next one when most of it is gone): the worker rings
// within it at once. `TomorrowsPlan` is the start of the worker's trace of its plan for
// the next day; `PlannedFor` reads the minute the run armed.
const std::vector<std::string> ArmedNow = {"--reset-settings", "--arm", "now", "--no-restart", "off",
                                           "--stream",         "off"};

std::string TomorrowsPlan() {
  return "debug output 'VelWakeup: next ring " + Formatted("%Y-%m-%d ", std::time(nullptr) + 24 * 3600);
}

std::string PlannedFor(const SimulatorLog& log) {
  const std::string armed = log.First("settings written: armed for ").text;
  return TomorrowsPlan() + armed.substr(armed.size() - 5) + ":00'";
}

// The start of the log line of the plug-in's trace `text`.
std::string Trace(const std::string& text) { return "debug output 'VelWakeup: " + text; }

std::vector<int> VolumesAfter(const SimulatorLog& log, int index) {
  std::vector<int> volumes;
  for (int i = index + 1; i < static_cast<int>(log.Lines().size()); ++i) {
    const std::string& text = log.Lines()[i].text;
    if (text.rfind("volume ", 0) == 0 && text.find("lParam 122)") != std::string::npos)
      volumes.push_back(std::stoi(text.substr(7)));
  }
  return volumes;
}

// "Tuesday 8 December", the local date of `day` as the windows word it.
std::string DateWords(std::time_t day) {
  std::tm local{};
  localtime_r(&day, &local);
  return Formatted("%A ", day) + std::to_string(local.tm_mday) + Formatted(" %B", day);
}

// "Next alarm: Tuesday 8 December, 07:30", as the options window words a ring on the
// local date of `day` at `hhmm`.
std::string NextAlarmWords(std::time_t day, const std::string& hhmm) {
  return "Next alarm: " + DateWords(day) + ", " + hhmm;
}

// The start of the minute of `at` as the registry keeps an instant: "2026-12-08T05:45:00Z".
std::string UtcMinuteText(std::time_t at) {
  std::tm utc{};
  gmtime_r(&at, &utc);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:00Z", &utc);
  return text;
}
}  // namespace

TEST(Snooze, TheSnoozeLengthIsKeptThroughThePreferencesAndTheAlarmTimeStaysItsOwn) {
  // The preferences are open from the start and closed, unsaved, after the SNOOZE.
  const SimulatorLog log =
      RunSimulator(With(ArmedNow, {"--snooze", "on", "--set-value", "VelSnoozeSeconds", "dword", "60", "--config",
                                   "--dump-settings", "--run-until", TomorrowsPlan(), "--give-up", "300", "--ui",
                                   SnoozeWindow + "; click SNOOZE; wait log " + Trace("snoozed until") + "; window " +
                                       ConfigDialogTitle + "; close"}),
                   420);
  const std::vector<std::string> plays = log.Starting("Play button");
  ASSERT_EQ(plays.size(), 2u) << log.Text();
  const int snoozed = log.IndexOf("ui: click SNOOZE");
  const int again = log.IndexOf(Trace("ring: snooze"));
  ASSERT_GT(again, log.IndexOf("config returned")) << log.Text();
  // A minute's snooze rings within a minute of the press (and the post-ring pause), not 7 min 12 s later.
  const int waitedMs = log.Lines()[again].millisecondOfDay - log.Lines()[snoozed].millisecondOfDay;
  EXPECT_GT(waitedMs, 0) << log.Text();
  EXPECT_LT(waitedMs, 80000) << log.Text();
  EXPECT_TRUE(log.Has(PlannedFor(log))) << "tomorrow at the alarm's own minute\n" << log.Text();
  EXPECT_EQ(log.Setting("VelSnoozeUntil"), "(missing)") << "spent by its ring";
}

TEST(Disable, AFadeInterruptedByDisableLeavesTheTargetVolumeAndTheAlarmStaysArmed) {
  const SimulatorLog log =
      RunSimulator(With(ArmedNow, {"--snooze", "on", "--volume", "on", "--set-value", "VelFadeSeconds", "dword", "60",
                                   "--dump-settings", "--run-until", TomorrowsPlan(), "--give-up", "240", "--ui",
                                   SnoozeWindow + "; click DISABLE"}),
                   360);
  const int disabled = log.IndexOf("ui: click DISABLE");
  ASSERT_GE(disabled, 0) << log.Text();
  const std::vector<int> volumes = VolumesAfter(log, disabled);
  ASSERT_FALSE(volumes.empty()) << log.Text();
  EXPECT_EQ(volumes.back(), 255) << log.Text();
  EXPECT_TRUE(log.Has(PlannedFor(log))) << "tomorrow rings\n" << log.Text();
  EXPECT_EQ(log.Setting("VelActive"), "REG_DWORD 4 bytes 1");
}

TEST(RingSession, QuitWithTheSnoozeWindowUpClosesItAndEndsAtOnce) {
  const SimulatorLog log = RunSimulator(With(ArmedNow, {"--snooze", "on", "--dump-settings", "--run-until", "ui: done",
                                                        "--give-up", "150", "--ui", SnoozeWindow}),
                                        240);
  ASSERT_TRUE(log.Has("ui: done")) << log.Text();
  EXPECT_LT(log.NumberAfter("quit returned after "), 1000 * SlowdownFactor()) << log.Text();
  EXPECT_TRUE(log.Has("module gone after unload")) << "nothing of the ring runs on\n" << log.Text();
  EXPECT_FALSE(log.Has("volume 50")) << "closing at quit answers nothing";
  EXPECT_EQ(log.Setting("VelActive"), "REG_DWORD 4 bytes 1");
}

TEST(AlarmOptionsNextRing, SundaysOnlyAndSkipNameTheSundayAfterAsTheWorkerPlansIt) {
  // The Sunday that would ring next at 07:30, then the one a week later.
  const std::time_t now = std::time(nullptr);
  std::time_t sunday = now;
  for (int days = 0; days < 7; ++days, sunday = now + days * 86400)
    if (Formatted("%w", sunday) == "0" && (days > 0 || Formatted("%H:%M", now) < "07:30")) break;
  const std::time_t weekLater = sunday + 7 * 86400;
  const std::string words = NextAlarmWords(weekLater, "07:30");
  const std::string plan = Trace("next ring " + Formatted("%Y-%m-%d", weekLater) + " 07:30:00'");
  const SimulatorLog log =
      RunSimulator({"--reset-settings", "--history", "", "--arm", "07:30", "--set-value", "VelDays", "dword", "1",
                    "--config", "--run-until", plan, "--give-up", "90", "--ui",
                    OpenOptions + "click &Skip next alarm; state " + words + "; click &OK; window " +
                        ConfigDialogTitle + "; close"});
  EXPECT_TRUE(log.Has("ui: '" + words + "'")) << log.Text();
  EXPECT_TRUE(log.Has("run until: '" + plan + "' seen")) << log.Text();
}

TEST(AlarmOptionsNextRing, AMinuteBegunBeforeTheSaveIsNamedAsTheWorkerPlansIt) {
  // Armed for the minute two minutes ago: begun before the worker watched it, so it is
  // not caught up; both the worker and the window name tomorrow's.
  const std::time_t begun = std::time(nullptr) / 60 * 60 - 120;
  const std::string plan = Trace("next ring " + Formatted("%Y-%m-%d %H:%M:00", begun + 24 * 3600) + "'");
  const std::string words = NextAlarmWords(begun + 24 * 3600, Formatted("%H:%M", begun));
  const SimulatorLog log = RunSimulator({"--reset-settings", "--history", "", "--arm", Formatted("%H:%M", begun),
                                         "--config", "--run-until", "ui: done", "--give-up", "90", "--ui",
                                         "wait log " + plan + "; " + OpenOptions + "state " + words +
                                             "; click &Cancel; window " + ConfigDialogTitle + "; close"});
  EXPECT_TRUE(log.Has("ui: '" + words + "'")) << log.Text();
  EXPECT_FALSE(log.Has("Play button")) << log.Text();
}

TEST(AlarmOptionsTry, TryItNowPlaysTheAddressTypedButNotSaved) {
  const SimulatorLog log = RunSimulator(
      {"--reset-settings",
       "--history",
       "",
       "--arm",
       "07:30",
       "--url",
       "saved",
       "--stream",
       "on",
       "--no-restart",
       "off",
       "--snooze",
       "off",
       "--config",
       "--dump-settings",
       "--run-until",
       "ui: done",
       "--give-up",
       "90",
       "--ui",
       "window " + ConfigDialogTitle + "; click-at 500 120; type .typed; " + OpenOptions +
           "click &Try it now; wait log Play button; click &Cancel; window " + ConfigDialogTitle + "; close"});
  EXPECT_TRUE(log.Has("playlist add 'saved.typed'")) << log.Text();
  EXPECT_EQ(log.Setting("VelURL"), "REG_SZ 6 bytes 'saved'") << "nothing saved";
}

TEST(AlarmOptionsOk, AVanishedFallbackFileIsToldAndTheOtherOptionsAreSaved) {
  const SimulatorLog log = RunSimulator(
      {"--reset-settings", "--history", "", "--arm", "07:30", "--set-value", "VelFallbackFile", "sz",
       "C:\\gone\\wake.mp3", "--config", "--dismiss-boxes", "--run", "0", "--dump-settings", "--ui",
       OpenOptions + "click T&ue; click &OK; wait log message box; window " + ConfigDialogTitle + "; close"});
  const std::vector<std::string> boxes = log.Starting("message box 'player-sim': 'The options are saved, but the");
  ASSERT_EQ(boxes.size(), 1u) << log.Text();
  EXPECT_NE(boxes[0].find("C:\\gone\\wake.mp3"), std::string::npos) << boxes[0];
  EXPECT_EQ(log.Setting("VelDays"), "REG_DWORD 4 bytes 123") << log.Text();  // every day but Tuesday
}

TEST(Snooze, ASnoozeKeptInTheRegistryRingsInARestartedPlayerWhateverTheDays) {
  // The player was closed after SNOOZE; started again within the snooze's minute, on a
  // day the alarm does not ring.
  const SimulatorLog log =
      RunSimulator(With(ArmedNow, {"--snooze", "off", "--set-value", "VelDays", "dword", "0", "--set-value",
                                   "VelSnoozeUntil", "sz", UtcMinuteText(std::time(nullptr)), "--dump-settings",
                                   "--run-until", Trace("ring: snooze"), "--give-up", "60"}));
  ASSERT_TRUE(log.Has(Trace("ring: snooze"))) << log.Text();
  EXPECT_EQ(log.Starting("Play button").size(), 1u) << log.Text();
  EXPECT_EQ(log.Setting("VelSnoozeUntil"), "(missing)") << "spent by its ring";
}

TEST(MissedAlarm, RingsPlannedWhileThePlayerWasClosedAreToldInOneWindowAtTheNextStart) {
  // Alarm 1 was planned for two hours ago and alarm 2 for three, by a player closed since.
  const std::time_t now = std::time(nullptr) / 60 * 60;
  auto words = [](int number, const std::string& label, std::time_t planned) {
    return "Alarm " + std::to_string(number) + ": " + label + ", " + DateWords(planned) + ", " +
           Formatted("%H:%M", planned) + ". The player was not running";
  };
  const SimulatorLog log =
      RunSimulator({"--reset-settings",
                    "--arm",
                    Formatted("%H:%M", now - 2 * 3600),
                    "--set-value",
                    "VelLabel",
                    "sz",
                    "Work",
                    "--set-value",
                    "VelPlannedRing",
                    "sz",
                    UtcMinuteText(now - 2 * 3600),
                    "--set-value",
                    "Alarms\\2\\VelLabel",
                    "sz",
                    "Gym",
                    "--set-value",
                    "Alarms\\2\\VelPlannedRing",
                    "sz",
                    UtcMinuteText(now - 3 * 3600),
                    "--dump-settings",
                    "--run-until",
                    "ui: done",
                    "--give-up",
                    "90",
                    "--ui",
                    "window Missed alarm; wait log " + Trace("missed: alarm 2") + "; texts; click &OK; wait gone"});
  EXPECT_TRUE(log.Has("ui: text '" + words(1, "Work", now - 2 * 3600) + "\\n" + words(2, "Gym", now - 3 * 3600) + "'"))
      << log.Text();
  EXPECT_FALSE(log.Has("ui: text '&Power options...'")) << "the PC did not sleep through them\n" << log.Text();
  EXPECT_FALSE(log.Has("Play button")) << log.Text();
  // Tomorrow's ring is planned in its place, so the miss is told once.
  EXPECT_EQ(log.Setting("VelPlannedRing").find(Formatted("%Y-%m-%d", now - 2 * 3600)), std::string::npos) << log.Text();
}

TEST(RingLimit, ARingNobodyAnswersIsPausedAfterItsLimitAndTheWindowClosesLeavingTheAlarmArmed) {
  const SimulatorLog log =
      RunSimulator(With(ArmedNow, {"--snooze", "on", "--playlist", "a.mp3", "--set-value", "VelRingMinutes", "dword",
                                   "1", "--dump-settings", "--run-until", Trace("ring ended by DISABLE"), "--give-up",
                                   "300", "--ui", SnoozeWindow}),
                   420);
  const int paused = log.IndexOf("Pause button (WM_COMMAND wParam 40046): paused");
  ASSERT_GE(paused, 0) << log.Text();
  const int played = log.IndexOf("Play button");
  EXPECT_GE(log.Lines()[paused].millisecondOfDay - log.Lines()[played].millisecondOfDay, 60000) << log.Text();
  EXPECT_GT(log.IndexOf(Trace("ring ended by DISABLE")), paused) << "the window closed by itself\n" << log.Text();
  EXPECT_EQ(log.Setting("VelActive"), "REG_DWORD 4 bytes 1") << "tomorrow rings as usual";
  EXPECT_EQ(log.Setting("VelSnoozeUntil"), "(missing)");
}

TEST(AlarmOptionsWakeGuarantee, TheSoundAndWakeBoxesWriteTheirValuesAndTheReadinessLineFollows) {
  const std::string soundBox = "Ma&ke sure Windows' sound is on (at least 30 %)";
  const SimulatorLog log = RunSimulator(
      {"--reset-settings", "--history", "", "--arm", "07:30", "--config", "--run", "0", "--dump-settings", "--ui",
       OpenOptions + "state " + soundBox + "; click " + soundBox + "; click Wake the PC f&rom sleep for the alarm; " +
           "wait text Waking from sleep is turned off in these options; click &OK; window " + ConfigDialogTitle +
           "; close"});
  EXPECT_TRUE(log.Has("ui: '" + soundBox + "' checked, enabled")) << "on by default\n" << log.Text();
  EXPECT_TRUE(log.Has("ui: done")) << log.Text();
  EXPECT_EQ(log.Setting("VelSystemSound"), "REG_DWORD 4 bytes 0") << log.Text();
  EXPECT_EQ(log.Setting("VelSystemVolumeMin"), "REG_DWORD 4 bytes 30") << log.Text();
  EXPECT_EQ(log.Setting("VelWakeFromSleep"), "REG_DWORD 4 bytes 0") << log.Text();
  EXPECT_EQ(log.Setting("VelRingMinutes"), "REG_DWORD 4 bytes 0") << log.Text();
}

TEST(SystemSound, WithoutAPlaybackDeviceTheRingPlaysAsUsualAndATraceSaysWhy) {
  // Wine here has no sound device: neither Core Audio nor the mixer finds one.
  const std::string told = Trace("system sound: no playback device");
  const SimulatorLog log = RunSimulator(With(ArmedNow, {"--snooze", "off", "--playlist", "a.mp3", "--dismiss-boxes",
                                                        "--run-until", told, "--give-up", "60"}));
  ASSERT_TRUE(log.Has(told)) << log.Text();
  // Asked once the player has its commands: the device's answer never holds up the music.
  const int played = log.IndexOf("Play button");
  ASSERT_GE(played, 0) << log.Text();
  EXPECT_LT(played, log.IndexOf(told)) << log.Text();
  EXPECT_FALSE(log.Has("message box")) << log.Text();
}

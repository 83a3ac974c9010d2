// The alarm options through the real DLL in the player simulator: the window behind the
// configuration dialog's link, and what a ring does with the options.
#include <gtest/gtest.h>

#include <cctype>
#include <ctime>
#include <string>
#include <vector>

#include "SimulatorRun.h"

namespace {
const std::string OpenOptions = "window " + ConfigDialogTitle + "; click More alarm options...; window Alarm options; ";
const std::string BackToDialog = "; window " + ConfigDialogTitle + "; close";
const std::vector<std::string> OptionNames = {"VelDays",        "VelSkipDate",        "VelSnoozeSeconds",
                                              "VelFadeSeconds", "VelFallbackSeconds", "VelFallbackFile"};

SimulatorLog InOptionsWindow(const std::string& steps) {
  return RunSimulator({"--reset-settings", "--history", "", "--arm", "07:30", "--snooze", "off", "--config", "--run",
                       "100", "--dump-settings", "--ui", OpenOptions + steps + BackToDialog});
}

// Armed for the current minute; the worker rings on its first look. The run lasts until
// the player logs a line starting with `until`.
SimulatorLog Ring(const std::vector<std::string>& extra, const std::string& until) {
  return RunSimulator(With({"--reset-settings", "--arm", "now", "--snooze", "off", "--no-restart", "off", "--run-until",
                            until, "--give-up", "90"},
                           extra));
}

int LocalDateNumber(std::time_t at) {
  std::tm local{};
  localtime_r(&at, &local);
  return (local.tm_year + 1900) * 10000 + (local.tm_mon + 1) * 100 + local.tm_mday;
}

long long DwordOf(const std::string& setting) {
  const std::string prefix = "REG_DWORD 4 bytes ";
  return setting.rfind(prefix, 0) == 0 ? std::stoll(setting.substr(prefix.size())) : -1;
}

std::vector<int> VolumesSet(const SimulatorLog& log) {
  std::vector<int> volumes;
  for (const std::string& line : log.Starting("volume "))
    if (line.find("lParam 122") != std::string::npos && std::isdigit(static_cast<unsigned char>(line[7])))
      volumes.push_back(std::stoi(line.substr(7)));
  return volumes;
}
}  // namespace

TEST(AlarmOptionsWindow, CancelAndTheCloseBoxWriteNoOption) {
  const SimulatorLog log =
      InOptionsWindow("click T&ue; click &Skip next alarm; click &Cancel; " + OpenOptions + "click Su&n; close");
  ASSERT_EQ(log.Starting("ui: window Alarm options").size(), 2u) << log.Text();
  EXPECT_TRUE(log.Has("config returned")) << log.Text();
  for (const std::string& name : OptionNames) EXPECT_EQ(log.Setting(name), "(missing)") << name << "\n" << log.Text();
}

TEST(AlarmOptionsWindow, OkWritesEveryOptionWithItsType) {
  const SimulatorLog log = InOptionsWindow(
      "click T&ue; click &Skip next alarm; click-at 290 158; key down; click-at 290 186; key down; "
      "click-at 290 242; type C:\\windows\\win.ini; click &OK");
  EXPECT_EQ(log.Setting("VelDays"), "REG_DWORD 4 bytes 123") << log.Text();  // every day but Tuesday (bit 2)
  const std::time_t now = std::time(nullptr);
  const long long skipped = DwordOf(log.Setting("VelSkipDate"));
  EXPECT_GE(skipped, LocalDateNumber(now)) << log.Setting("VelSkipDate");
  EXPECT_LE(skipped, LocalDateNumber(now + 8 * 24 * 3600)) << log.Setting("VelSkipDate");
  EXPECT_EQ(log.Setting("VelSnoozeSeconds"), "REG_DWORD 4 bytes 600");
  EXPECT_EQ(log.Setting("VelFadeSeconds"), "REG_DWORD 4 bytes 15");
  EXPECT_EQ(log.Setting("VelFallbackSeconds"), "REG_DWORD 4 bytes 30");
  EXPECT_EQ(log.Setting("VelFallbackFile"), "REG_SZ 19 bytes 'C:\\windows\\win.ini'");
}

TEST(AlarmOptionsWindow, KeyboardAloneUnticksDaysAndConfirms) {
  const SimulatorLog log = InOptionsWindow("alt u; key tab; key space; alt o");
  // Alt+U toggles Tuesday; Tab moves from it to Wednesday, which the space bar unticks.
  EXPECT_EQ(log.Setting("VelDays"), "REG_DWORD 4 bytes 115") << log.Text();
  EXPECT_EQ(log.Setting("VelSnoozeSeconds"), "REG_DWORD 4 bytes 432");
}

TEST(AlarmOptionsWindow, TryItNowRingsAtOnceWithItsSnoozeWindowWithoutRecordingARing) {
  const SimulatorLog log = RunSimulator(
      {"--reset-settings", "--history", "", "--arm", "07:30", "--snooze", "on", "--no-restart", "off", "--stream",
       "off", "--playlist", "a.mp3", "--config", "--run", "100", "--dump-settings", "--ui",
       OpenOptions + "click &Try it now; window Time to wakeup ?; click DISABLE; window Alarm options; click &Cancel" +
           BackToDialog});
  const int tried = log.IndexOf("ui: click &Try it now");
  const int played = log.IndexOf("Play button (WM_COMMAND wParam 40045): playing 'a.mp3'");
  ASSERT_GE(tried, 0) << log.Text();
  EXPECT_GT(played, tried) << log.Text();
  EXPECT_GT(log.IndexOf("ui: click DISABLE"), played) << log.Text();
  EXPECT_EQ(log.Setting("VelLastRung"), "(missing)") << log.Text();
  EXPECT_EQ(log.Setting("VelActive"), "REG_DWORD 4 bytes 1");
}

TEST(AlarmRing, RingsOnATickedDayOnlyAndNotOnTheOthers) {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  if (local.tm_hour == 23 && local.tm_min == 59) now += 60;  // the ring would fall on tomorrow
  localtime_r(&now, &local);
  const int today = 1 << local.tm_wday;
  const SimulatorLog ticked =
      Ring({"--playlist", "a.mp3", "--set-value", "VelDays", "dword", std::to_string(today)}, "Play button");
  ASSERT_TRUE(ticked.Has("Play button")) << ticked.Text();  // the same run, on a ticked day, rings
  // The worker's plan for a later day proves it looked at today and let it pass.
  const std::string planned = "debug output 'VelWakeup: next ring ";
  const SimulatorLog unticked =
      RunSimulator({"--reset-settings", "--arm", "now", "--snooze", "off", "--playlist", "a.mp3", "--set-value",
                    "VelDays", "dword", std::to_string(127 & ~today), "--run-until", planned, "--give-up", "60"});
  EXPECT_TRUE(unticked.Has(planned)) << unticked.Text();
  EXPECT_FALSE(unticked.Has("Play button")) << unticked.Text();
}

TEST(AlarmRing, FadeRisesFromATenthOfThePlayersVolumeToItInOrder) {
  const SimulatorLog log = Ring({"--volume", "off", "--stream", "off", "--playlist", "a.mp3", "--set-value",
                                 "VelFadeSeconds", "dword", "2", "--set-value", "VelFallbackSeconds", "dword", "0"},
                                "volume 128 ");
  EXPECT_TRUE(log.Has("volume asked: 128")) << log.Text();
  const std::vector<int> volumes = VolumesSet(log);
  ASSERT_GE(volumes.size(), 3u) << log.Text();
  EXPECT_EQ(volumes.front(), 12);
  EXPECT_EQ(volumes.back(), 128);
  for (std::size_t i = 1; i < volumes.size(); ++i) EXPECT_GT(volumes[i], volumes[i - 1]) << log.Text();
  EXPECT_LT(log.IndexOf("volume 12 "), log.IndexOf("Play button")) << "the player starts low";
}

TEST(AlarmRing, SnoozeStopsTheFadeBeforeItTurnsThePlayerDown) {
  const SimulatorLog log =
      Ring({"--snooze", "on", "--volume", "off", "--stream", "off", "--playlist", "a.mp3", "--set-value",
            "VelFadeSeconds", "dword", "20", "--ui", "window Time to wakeup ?; wait log volume 13 ; click SNOOZE"},
           "ui: done");
  const std::vector<int> volumes = VolumesSet(log);
  ASSERT_GE(volumes.size(), 3u) << log.Text();  // the fade was rising when the answer came
  EXPECT_EQ(volumes.back(), 50) << log.Text();  // and nothing raised the volume after it
  EXPECT_TRUE(log.Has("quit returned")) << log.Text();
}

TEST(AlarmRing, SilentStreamGetsTheFallbackFileAddedAndPlayed) {
  const std::string stream = "http://radio.example/dead";
  const SimulatorLog log =
      Ring({"--stream", "on", "--url", stream, "--silent-entry", stream, "--set-value", "VelFallbackSeconds", "dword",
            "1", "--set-value", "VelFallbackFile", "sz", "C:\\windows\\win.ini"},
           "Play button (WM_COMMAND wParam 40045): playing 'C:");
  const int added = log.IndexOf("playlist add 'C:\\windows\\win.ini'");
  ASSERT_GT(added, log.IndexOf("position asked: 0 ms")) << log.Text();
  EXPECT_GT(log.IndexOf("position 2 (WM_USER wParam 2 lParam 121; positions count from 1: 'C:\\windows\\win.ini')"),
            added);
  EXPECT_TRUE(log.Has("Play button (WM_COMMAND wParam 40045): playing 'C:\\windows\\win.ini'")) << log.Text();
  EXPECT_FALSE(log.Has("debug output 'Velmora Wakeup: the alarm tone")) << "the file comes before any tone";
}

TEST(AlarmRing, SilentStreamWithoutAFileSoundsTheTone) {
  const std::string stream = "http://radio.example/dead";
  const SimulatorLog log = Ring({"--stream", "on", "--url", stream, "--silent-entry", stream, "--set-value",
                                 "VelFallbackSeconds", "dword", "1"},
                                "debug output 'Velmora Wakeup: the alarm tone");
  EXPECT_TRUE(log.Has("debug output 'Velmora Wakeup: the alarm tone cannot sound: no sound device")) << log.Text();
  EXPECT_FALSE(log.Has("playlist add 'C:")) << log.Text();
}

TEST(AlarmRing, MalformedOptionsMeanTheirDefaultsSilentlyAndStayAsTheyAre) {
  const SimulatorLog log = Ring({"--dismiss-boxes",
                                 "--stream",
                                 "off",
                                 "--volume",
                                 "on",
                                 "--playlist",
                                 "a.mp3",
                                 "--set-value",
                                 "VelDays",
                                 "sz",
                                 "weekdays",
                                 "--set-value",
                                 "VelFadeSeconds",
                                 "binary",
                                 "0a000000",
                                 "--set-value",
                                 "VelSnoozeSeconds",
                                 "dword",
                                 "5",
                                 "--dump-settings"},
                                "Play button");
  // Every day rings, without a fade: straight to full volume.
  EXPECT_EQ(VolumesSet(log), std::vector<int>{255}) << log.Text();
  EXPECT_TRUE(log.Has("Play button")) << log.Text();
  EXPECT_FALSE(log.Has("message box")) << log.Text();
  EXPECT_EQ(log.Setting("VelDays"), "REG_SZ 9 bytes 'weekdays'");
  EXPECT_EQ(log.Setting("VelSnoozeSeconds"), "REG_DWORD 4 bytes 5");
  EXPECT_EQ(log.Setting("VelFallbackFile"), "(missing)");
}

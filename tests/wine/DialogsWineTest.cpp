// The two windows the user sees, driven as a user would through the real DLL in the
// player simulator: the configuration dialog and the snooze window.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "SimulatorRun.h"

namespace {
const std::string Active = "Plugin active";
const std::string Volume = "Boost volume to MAX!! :-)";
const std::string NoRestart = "Just boost volume, do not restart (curent song)";
const std::string Snooze = "Snooze option (sets volume to 19%)";
const std::string Stream = "Stream this mp3/playlist/URL";

// The configure callback run once, with the given user steps inside the dialog.
SimulatorLog Configure(const std::vector<std::string>& settings, const std::string& steps) {
  return RunSimulator(With(With({"--reset-settings", "--history", ""}, settings),
                           {"--config", "--run", "0", "--dump-settings", "--dump-history", "--ui",
                            "window " + ConfigDialogTitle + "; " + steps}));
}

std::string States(const std::vector<std::string>& boxes) {
  std::string steps;
  for (const std::string& box : boxes) steps += "state " + box + "; ";
  return steps;
}

// What the state steps found, in their order: "checked, enabled", ...
std::vector<std::string> StatesShown(const SimulatorLog& log) {
  std::vector<std::string> states;
  for (const std::string& line : log.Starting("ui: '")) states.push_back(line.substr(line.rfind("' ") + 2));
  return states;
}

const std::string On = "checked, enabled", Off = "unchecked, enabled";
}  // namespace

TEST(ConfigurationDialog, OpensShowingTheRecordExactlyWithEveryBoxEnabled) {
  const SimulatorLog log =
      Configure({"--arm", "07:30", "--no-restart", "on", "--stream", "on", "--volume", "off", "--snooze", "off"},
                States({Active, Volume, NoRestart, Snooze, Stream}) + "close");
  EXPECT_EQ(StatesShown(log), (std::vector<std::string>{On, Off, On, Off, On})) << log.Text();
  EXPECT_TRUE(log.Has("config returned"));
}

TEST(ConfigurationDialog, MouseOnNoRestartInterlocksVolumeAndStreamButTheSpaceBarDoesNot) {
  const SimulatorLog log = Configure({"--no-restart", "off", "--stream", "on", "--volume", "off"},
                                     "click " + NoRestart + "; " + States({Volume, Stream}) + "click " + NoRestart +
                                         "; " + States({Volume, Stream}) + "key space; " +
                                         States({NoRestart, Volume, Stream}) + "close");
  // Volume and Stream after each click, then all three after the space bar.
  EXPECT_EQ(StatesShown(log),
            (std::vector<std::string>{"checked, disabled", "unchecked, disabled", Off, Off, On, Off, Off}))
      << log.Text();
}

TEST(ConfigurationDialog, SaveWritesHistoryThenAllSevenSettingsAndCloses) {
  const SimulatorLog log = Configure({"--arm", "07:30", "--url", "http://radio.example/new", "--history",
                                      "HTTP://radio.example/old|b.mp3", "--no-restart", "off"},
                                     "click " + Snooze + "; click &Save settings");
  EXPECT_TRUE(log.Has("config returned")) << log.Text();
  EXPECT_EQ(log.Setting("VelURL"), "REG_SZ 25 bytes 'http://radio.example/new'");
  EXPECT_EQ(log.Setting("VelWakeupTime"), "REG_BINARY 8 bytes 000000000000d43f = 0.3125");
  EXPECT_EQ(log.Setting("VelActive"), "REG_DWORD 4 bytes 1");
  EXPECT_EQ(log.Setting("VelSnooze"), "REG_DWORD 4 bytes 0");  // clicked off
  EXPECT_EQ(log.Setting("VelNoRestart"), "REG_DWORD 4 bytes 0");
  EXPECT_EQ(
      log.First("history file").text,
      "history file 62 bytes '\xEF\xBB\xBFhttp://radio.example/new\\r\\nHTTP://radio.example/old\\r\\nb.mp3\\r\\n'");
}

TEST(ConfigurationDialog, SavingAnAddressDifferingOnlyInCaseAddsNoHistoryEntry) {
  const SimulatorLog log = Configure({"--url", "http://radio.example/OLD", "--history", "a|http://radio.example/old"},
                                     "click &Save settings");
  EXPECT_EQ(log.First("history file").text,
            "history file 32 bytes '\xEF\xBB\xBF"
            "a\\r\\nhttp://radio.example/old\\r\\n'");
}

TEST(ConfigurationDialog, CloseBoxWritesNothing) {
  const SimulatorLog log =
      Configure({"--volume", "on", "--history", "a"}, "click " + Volume + "; click " + Active + "; close");
  EXPECT_TRUE(log.Has("config returned"));
  EXPECT_EQ(log.Setting("VelVolume"), "REG_DWORD 4 bytes 1");
  EXPECT_EQ(log.Setting("VelActive"), "REG_DWORD 4 bytes 1");
  EXPECT_EQ(log.First("history file").text, "history file 3 bytes 'a\\r\\n'");
}

TEST(SnoozeWindow, SnoozeLowersTheVolumeAndTheAlarmDoesNotRingAgainThisMinute) {
  const SimulatorLog log =
      RunSimulator({"--reset-settings", "--arm", "now", "--snooze", "on", "--no-restart", "off", "--stream", "off",
                    "--run-until", "volume 50", "--give-up", "60", "--ui", "window Time to wakeup ?; click SNOOZE"});
  const int play = log.IndexOf("Play button"), click = log.IndexOf("ui: click SNOOZE");
  ASSERT_GE(play, 0) << log.Text();
  EXPECT_LT(play, click);
  EXPECT_GT(log.IndexOf("volume 50 (WM_USER wParam 50 lParam 122)"), click) << log.Text();
  // The snooze's own instant, minutes away, leaves this minute rung once.
  EXPECT_EQ(log.Starting("Play button").size(), 1u) << log.Text();
}

namespace {
// Unticks "Plugin active", so that the save stores VelActive 0.
const std::string SaveThenClose = "window " + ConfigDialogTitle + "; click " + Active +
                                  "; click &Save settings; wait log message box; wait gone";

// The alarm is saved first; the history's failure is told afterwards, naming the file,
// and the dialog closes as after any save.
void ExpectSavedThenHistoryRefused(const SimulatorLog& log, const std::string& historyPath) {
  const std::vector<std::string> boxes = log.Starting("message box 'player-sim': 'Cannot create file \"");
  ASSERT_EQ(boxes.size(), 1u) << log.Text();
  EXPECT_NE(boxes[0].find(historyPath + "\". "), std::string::npos) << boxes[0];
  EXPECT_TRUE(log.Has("config returned")) << log.Text();
  EXPECT_EQ(log.Setting("VelActive"), "REG_DWORD 4 bytes 0") << "the alarm is saved";
}
}  // namespace

TEST(ConfigurationDialog, WriteProtectedHistoryFileIsToldAfterTheAlarmIsSaved) {
  const std::string history = DIST_DIR "/" + TargetFolder() + "/velhistory.ini";
  RunSimulator({"--reset-settings", "--history", "kept.mp3", "--run", "0"});
  const ImmutablePath lock(history);
  if (!lock.Held()) GTEST_SKIP() << "this file system cannot make files immutable (chattr +i)";
  const SimulatorLog log = RunSimulator(
      {"--config", "--dismiss-boxes", "--run", "0", "--dump-settings", "--dump-history", "--ui", SaveThenClose});
  ExpectSavedThenHistoryRefused(log, "\\dist\\" + TargetFolder() + "\\velhistory.ini");
  EXPECT_EQ(log.First("history file").text, "history file 10 bytes 'kept.mp3\\r\\n'");
}

TEST(ConfigurationDialog, FolderWhereNothingCanBeCreatedSavesTheAlarmAndLeavesNoStrayFile) {
  const std::string folder = DIST_DIR "/../build/locked-player-" + TargetFolder();
  const std::string dist = DIST_DIR "/" + TargetFolder();
  std::system(("rm -rf '" + folder + "' && mkdir -p '" + folder + "' && cp " + dist + "/player-sim.exe " + dist +
               "/gen_Rousa.dll '" + folder + "'")
                  .c_str());
  {
    const ImmutablePath lock(folder);
    if (!lock.Held()) GTEST_SKIP() << "this file system cannot make folders immutable (chattr +i)";
    const SimulatorLog log = RunSimulator({"--reset-settings", "--config", "--dismiss-boxes", "--run", "0",
                                           "--dump-settings", "--ui", SaveThenClose},
                                          150, "Z:" + folder + "/player-sim.exe");
    ExpectSavedThenHistoryRefused(log, "\\build\\locked-player-" + TargetFolder() + "\\velhistory.ini");
  }
  EXPECT_EQ(std::system(("test $(ls '" + folder + "' | wc -l) -eq 2").c_str()), 0) << "no temporary file left";
  std::system(("rm -rf '" + folder + "'").c_str());
}

TEST(ConfigurationDialog, LocatedFileAlreadyListedIsAddedAgainAtTheHeadAndSaved) {
  // Wine's own file-open dialog, driven through its name box and Open button.
  const std::string dll = WindowsPath(DIST_DIR "/" + TargetFolder() + "/gen_Rousa.dll");
  const SimulatorLog log = Configure({"--history", dll + "|b.mp3"}, "click Locate file; window Open; field 1148 " +
                                                                        dll + "; press 1; window " + ConfigDialogTitle +
                                                                        "; close");
  const std::string expected = "'\xEF\xBB\xBF" + dll + "\\r\\n" + dll + "\\r\\nb.mp3\\r\\n'";
  EXPECT_NE(log.First("history file").text.find(expected), std::string::npos) << log.Text();
}

TEST(ConfigurationDialog, CancelledLocateChangesNothing) {
  const SimulatorLog log = Configure({"--history", "a|b"}, "click Locate file; window Open; press 2; window " +
                                                               ConfigDialogTitle + "; state " + Active + "; close");
  EXPECT_TRUE(log.Has("ui: '" + Active + "'")) << log.Text();
  EXPECT_EQ(log.First("history file").text, "history file 6 bytes 'a\\r\\nb\\r\\n'");
}

// The "Alarm clock" submenu in the player's menus and the sleep timer, through the real DLL
// in the player simulator: what the menus show, what choosing an item stores, what the
// player receives, and the player's window procedure handed back at quit.
#include <gtest/gtest.h>

#include <cctype>
#include <chrono>
#include <ctime>
#include <string>
#include <thread>
#include <vector>

#include "SimulatorRun.h"

namespace {
const std::string Item = "ui: menu item 'Alarm clock > ";
const std::string Ready = "wait log init returned; ";  // the menus have our items from init on
const std::vector<std::string> PlayingSong = {"--reset-settings", "--playlist", "song.mp3", "--state", "playing"};
const std::vector<std::string> ArmedForWork = {"--reset-settings", "--arm",       "06:45",   "--set-value",
                                               "VelLabel",         "sz",          "Work",    "--dismiss-boxes",
                                               "--dump-settings",  "--run-until", "ui: done"};

// The local date the alarm of 06:45 rings next, yyyymmdd.
std::string NextDateOf0645() {
  std::time_t now = std::time(nullptr);
  const std::tm* local = std::localtime(&now);
  if (local->tm_hour * 60 + local->tm_min >= 6 * 60 + 45) now += 24 * 3600;
  char text[9];
  std::strftime(text, sizeof text, "%Y%m%d", std::localtime(&now));
  return text;
}

// The menu lines of one `menu open` step: those after the `index`-th "ui: menu open".
std::vector<std::string> ItemsOfOpening(const SimulatorLog& log, int index) {
  std::vector<std::string> items;
  int opening = -1;
  for (const LogLine& line : log.Lines()) {
    if (line.text.rfind("ui: menu open", 0) == 0) ++opening;
    if (opening == index && line.text.rfind(Item, 0) == 0) items.push_back(line.text.substr(Item.size()));
  }
  return items;
}

bool HasItem(const std::vector<std::string>& items, const std::string& start) {
  for (const std::string& item : items)
    if (item.rfind(start, 0) == 0) return true;
  return false;
}

int VolumeOf(const std::string& line) { return std::stoi(line.substr(std::string("volume ").size())); }
}  // namespace

TEST(PlayerMenu, BothMenusShowTheNextAlarmTheSwitchesAndTheSleepTimer) {
  const SimulatorLog log = RunSimulator(With(ArmedForWork, {"--ui", Ready + "menu open main; menu open options"}));
  for (int opening : {0, 1}) {
    const std::vector<std::string> items = ItemsOfOpening(log, opening);
    ASSERT_FALSE(items.empty()) << log.Text();
    EXPECT_NE(items[0].find(", 06:45 (Work)' id 41800 grayed"), std::string::npos) << items[0];
    EXPECT_EQ(items[0].rfind("Next alarm: ", 0), 0u) << items[0];
    EXPECT_TRUE(HasItem(items, "Alarm on' id 41801 checked")) << log.Text();
    EXPECT_TRUE(HasItem(items, "Skip next alarm' id 41802")) << log.Text();
    EXPECT_FALSE(HasItem(items, "Skip next alarm' id 41802 checked")) << log.Text();
    EXPECT_TRUE(HasItem(items, "Sleep timer' id ")) << log.Text();
    EXPECT_TRUE(HasItem(items, "Sleep timer > 30 minutes' id 41810")) << "the last length first\n" << log.Text();
    for (const char* length : {"15 minutes", "45 minutes", "60 minutes", "90 minutes", "At the end of this track"})
      EXPECT_TRUE(HasItem(items, std::string("Sleep timer > ") + length + "' id ")) << length << "\n" << log.Text();
    EXPECT_TRUE(HasItem(items, "Sleep timer > Off' id 41831 checked")) << log.Text();
    EXPECT_TRUE(HasItem(items, "Alarm settings...' id 41803")) << log.Text();
  }
  EXPECT_TRUE(log.Has("window procedure after quit: the player's own")) << log.Text();
  EXPECT_TRUE(log.Has("module gone after unload")) << log.Text();
}

TEST(PlayerMenu, APlayerWithoutMenusGetsNothingAndKeepsItsWindowProcedure) {
  const SimulatorLog log = RunSimulator(With(ArmedForWork, {"--no-menus", "--ui", Ready + "menu open main"}));
  ASSERT_TRUE(log.Has("ui: done")) << log.Text();
  EXPECT_TRUE(log.Has("menu asked: wParam 0 (WM_USER lParam 281), answer none")) << log.Text();
  EXPECT_FALSE(log.Has("ui: menu item 'Alarm clock")) << log.Text();
  EXPECT_TRUE(log.Has("window procedure after quit: the player's own")) << log.Text();
}

TEST(PlayerMenu, SkipNextAlarmStoresTheSkippedDateAndTheLineNamesTheRingAfter) {
  const std::string dateBefore = NextDateOf0645();
  const SimulatorLog log = RunSimulator(
      With(ArmedForWork, {"--ui", Ready + "menu open main; menu pick Alarm clock > Skip next alarm; menu open main"}));
  // A run across 06:45 may have skipped either day; any other run only the one date.
  const std::string dateAfter = NextDateOf0645();
  const std::string stored = log.Setting("VelSkipDate");
  const std::vector<std::string> before = ItemsOfOpening(log, 0), after = ItemsOfOpening(log, 1);
  ASSERT_FALSE(before.empty() || after.empty()) << log.Text();
  EXPECT_NE(before[0], after[0]) << "the line names the ring after the skipped one\n" << log.Text();
  EXPECT_NE(after[0].find(", 06:45 (Work)"), std::string::npos) << after[0];
  EXPECT_TRUE(HasItem(after, "Skip next alarm' id 41802 checked")) << log.Text();
  EXPECT_TRUE(stored == "REG_DWORD 4 bytes " + dateBefore || stored == "REG_DWORD 4 bytes " + dateAfter)
      << stored << "\n"
      << log.Text();

  const std::string skipped = NextDateOf0645();
  const SimulatorLog again = RunSimulator(
      With(ArmedForWork, {"--set-value", "VelSkipDate", "dword", skipped, "--ui",
                          Ready + "menu open main; menu pick Alarm clock > Skip next alarm; menu open main"}));
  const std::vector<std::string> skippedItems = ItemsOfOpening(again, 0), unskipped = ItemsOfOpening(again, 1);
  ASSERT_FALSE(skippedItems.empty() || unskipped.empty()) << again.Text();
  EXPECT_TRUE(HasItem(skippedItems, "Skip next alarm' id 41802 checked")) << again.Text();
  EXPECT_FALSE(HasItem(unskipped, "Skip next alarm' id 41802 checked")) << again.Text();
  EXPECT_EQ(unskipped[0], before[0]) << again.Text();
  EXPECT_EQ(again.Setting("VelSkipDate"), "REG_DWORD 4 bytes 0") << again.Text();
}

TEST(PlayerMenu, AlarmOnSwitchesTheAlarmsThatWereOnOffAndTheSameOnesOnAgain) {
  const SimulatorLog log = RunSimulator(
      With(ArmedForWork, {"--set-value", "Alarms\\2\\VelActive", "dword", "1", "--set-value", "Alarms\\3\\VelActive",
                          "dword", "0", "--ui",
                          Ready + "menu pick Alarm clock > Alarm on; menu open main; menu pick Alarm clock > Alarm on; "
                                  "menu open main"}));
  const std::vector<std::string> off = ItemsOfOpening(log, 0), on = ItemsOfOpening(log, 1);
  ASSERT_FALSE(off.empty() || on.empty()) << log.Text();
  EXPECT_EQ(off[0], "Alarm is off' id 41800 grayed") << log.Text();
  EXPECT_TRUE(HasItem(off, "Alarm on' id 41801") && !HasItem(off, "Alarm on' id 41801 checked")) << log.Text();
  EXPECT_TRUE(HasItem(on, "Alarm on' id 41801 checked")) << log.Text();
  EXPECT_EQ(log.Setting("VelActive"), "REG_DWORD 4 bytes 1") << log.Text();
  EXPECT_EQ(log.Setting("Alarms\\2\\VelActive"), "REG_DWORD 4 bytes 1") << log.Text();
  EXPECT_EQ(log.Setting("Alarms\\3\\VelActive"), "REG_DWORD 4 bytes 0") << "was off before\n" << log.Text();
}

TEST(PlayerMenu, AlarmSettingsOpensTheConfigurationDialog) {
  const SimulatorLog log = RunSimulator(
      With(ArmedForWork,
           {"--ui", Ready + "menu pick Alarm clock > Alarm settings...; window " + ConfigDialogTitle + "; close"}));
  EXPECT_TRUE(log.Has("ui: done")) << log.Text();
}

TEST(PlayerMenu, AnotherSubclassAfterOursKeepsTheChainAndThePlayersCommandsAfterQuit) {
  const SimulatorLog log = RunSimulator({"--reset-settings", "--active", "off", "--playlist", "song.mp3",
                                         "--after-unload", "20000", "--run-until", "ui: wait log quit returned", "--ui",
                                         Ready + "subclass; menu open main; menu pick Play; wait log quit returned; "
                                                 "menu open main; menu pick Stop; menu pick "
                                                 "Play"});
  ASSERT_TRUE(log.Has("ui: done")) << log.Text();
  EXPECT_TRUE(HasItem(ItemsOfOpening(log, 0), "Alarm on")) << "ours under the other's\n" << log.Text();
  EXPECT_TRUE(log.Has("window procedure after quit: the other plug-in's")) << log.Text();
  const int quit = log.IndexOf("quit returned");
  EXPECT_LT(log.IndexOf("Play button"), quit) << log.Text();
  int afterQuit = 0;
  for (size_t i = static_cast<size_t>(quit); i < log.Lines().size(); ++i) {
    const std::string& text = log.Lines()[i].text;
    if (text.rfind("ui: menu item 'Alarm clock", 0) == 0) ADD_FAILURE() << "our items left in the menu: " << text;
    if (text.rfind("Stop button", 0) == 0 || text.rfind("Play button", 0) == 0) ++afterQuit;
  }
  EXPECT_EQ(afterQuit, 2) << "the player's commands still reach it through the chain\n" << log.Text();
  EXPECT_TRUE(log.Has("exit 0")) << log.Text();
}

TEST(SleepTimer, OneMinuteFadesOutStopsThePlayerAndSetsTheVolumeBack) {
  const SimulatorLog log = RunSimulator(With(
      PlayingSong,
      {"--active",  "off", "--set-value", "VelSleepMinutes",
       "dword",     "1",   "--set-value", "VelSleepFadeSeconds",
       "dword",     "3",   "--set-value", "VelSleepAction",
       "dword",     "1",   "--run-until", "debug output 'VelWakeup: the PC stays on",
       "--give-up", "120", "--ui",        Ready + "menu pick Alarm clock > Sleep timer > 1 minute; menu open main"}));
  const std::vector<std::string> items = ItemsOfOpening(log, 0);
  EXPECT_TRUE(HasItem(items, "Sleep timer (1 min left)' id ")) << log.Text();
  EXPECT_TRUE(HasItem(items, "Sleep timer (1 min left) > 1 minute' id 41810 checked")) << log.Text();
  const int stop = log.IndexOf("Stop button (WM_COMMAND wParam 40047): stopped");
  ASSERT_GE(stop, 0) << log.Text();
  EXPECT_GE(log.First("Stop button").millisecondOfDay - log.First("ui: menu pick").millisecondOfDay, 60000)
      << log.Text();
  std::vector<int> fade;
  int restored = -1;
  for (size_t i = 0; i < log.Lines().size(); ++i) {
    const std::string& text = log.Lines()[i].text;
    if (text.rfind("volume ", 0) != 0 || !std::isdigit(static_cast<unsigned char>(text[7])))
      continue;  // set, not asked
    if (static_cast<int>(i) < stop) fade.push_back(VolumeOf(text));
    if (static_cast<int>(i) > stop && restored < 0) restored = VolumeOf(text);
  }
  ASSERT_GE(fade.size(), 5u) << log.Text();
  for (size_t i = 1; i < fade.size(); ++i) EXPECT_LE(fade[i], fade[i - 1]) << log.Text();
  EXPECT_EQ(fade.back(), 0) << "silent before Stop\n" << log.Text();
  EXPECT_GT(fade.front(), 0) << log.Text();
  EXPECT_EQ(restored, fade.front()) << "back where the fade began\n" << log.Text();
  EXPECT_TRUE(log.Has("debug output 'VelWakeup: the PC stays on: no alarm is armed to wake it'")) << log.Text();
}

TEST(SleepTimer, AtTheEndOfTheTrackTheFadeEndsWithTheTrack) {
  const SimulatorLog log = RunSimulator(
      With(PlayingSong, {"--active", "off", "--track-seconds", "8", "--set-value", "VelSleepFadeSeconds", "dword", "2",
                         "--run-until", "debug output 'VelWakeup: sleep timer ran out", "--give-up", "60", "--ui",
                         Ready + "menu pick Alarm clock > Sleep timer > At the end of this track; menu open main"}));
  EXPECT_TRUE(HasItem(ItemsOfOpening(log, 0),
                      "Sleep timer (end of this track) > At the end of this track' id 41830 "
                      "checked"))
      << log.Text();
  EXPECT_TRUE(log.Has("track length asked: 8 s")) << log.Text();
  EXPECT_TRUE(log.Has("Stop button (WM_COMMAND wParam 40047): stopped")) << log.Text();
  EXPECT_TRUE(log.Has("debug output 'VelWakeup: sleep timer ran out: player stopped'")) << log.Text();
}

// The minute after this one, as "HH:MM", once 35 seconds of this one are gone: its ring comes
// within the patience of one user step.
std::string MinuteComingSoon() {
  std::time_t now = std::time(nullptr);
  const std::time_t from = now % 60 <= 40 ? now / 60 * 60 + 35 : now / 60 * 60 + 95;
  if (now < from) std::this_thread::sleep_for(std::chrono::seconds(from - now));
  now = from / 60 * 60 + 60;
  char text[8];
  std::strftime(text, sizeof text, "%H:%M", std::localtime(&now));
  return text;
}

TEST(SleepTimer, ARingCancelsItAndRingsAsUsual) {
  const std::vector<std::string> playingWithAlarm =
      With(PlayingSong, {"--arm", MinuteComingSoon(), "--snooze", "off", "--no-restart", "off", "--stream", "off",
                         "--set-value", "VelSleepMinutes", "dword", "3", "--run-until", "ui: done", "--give-up", "90"});
  const SimulatorLog log = RunSimulator(
      With(playingWithAlarm,
           {"--ui", Ready + "menu pick Alarm clock > Sleep timer > 3 minutes; wait log Play button; menu open main"}));
  ASSERT_TRUE(log.Has("ui: done")) << log.Text();
  const int cancelled = log.IndexOf("debug output 'VelWakeup: sleep timer cancelled by a ring'");
  ASSERT_GE(cancelled, 0) << log.Text();
  EXPECT_LT(cancelled, log.IndexOf("Play button")) << log.Text();
  EXPECT_FALSE(log.Has("Stop button")) << log.Text();
  const std::vector<std::string> items = ItemsOfOpening(log, 0);
  EXPECT_TRUE(HasItem(items, "Sleep timer' id ")) << log.Text();
  EXPECT_TRUE(HasItem(items, "Sleep timer > Off' id 41831 checked")) << log.Text();
}

TEST(SleepTimer, TheOptionsWindowStoresWhetherThePCThenSleeps) {
  const SimulatorLog log = RunSimulator(
      {"--reset-settings", "--dismiss-boxes", "--dump-settings", "--run-until", "ui: done", "--ui",
       Ready + "config; window " + ConfigDialogTitle +
           "; click More alarm options...; window Alarm options; "
           "click After the sleep timer, &let the PC sleep until the alarm wakes it; click &OK; wait gone; window " +
           ConfigDialogTitle + "; close"});
  ASSERT_TRUE(log.Has("ui: done")) << log.Text();
  EXPECT_EQ(log.Setting("VelSleepAction"), "REG_DWORD 4 bytes 1") << log.Text();
}

// The plug-in's windows as a screen reader and a keyboard-only user meet them, through the
// real DLL in the player simulator: what Active Accessibility tells of every control, the
// events raised as the focus and the values move, and the keys that reach everything.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SimulatorRun.h"

namespace {
const std::string Config = "window " + ConfigDialogTitle + "; ";
const std::string Accessible = "ui: accessible ";

// The objects of every `accessible` step, indentation removed.
std::vector<std::string> Objects(const SimulatorLog& log) {
  std::vector<std::string> objects;
  for (const std::string& line : log.Starting(Accessible)) {
    const std::string object = line.substr(Accessible.size());
    objects.push_back(object.substr(object.find_first_not_of(' ')));
  }
  return objects;
}

bool Has(const std::vector<std::string>& objects, const std::string& start) {
  for (const std::string& object : objects)
    if (object.rfind(start, 0) == 0) return true;
  return false;
}

// Objects a screen reader would read out with no name: every shown control needs one;
// only the panels that group them may go unnamed.
std::vector<std::string> UnnamedShown(const std::vector<std::string>& objects) {
  std::vector<std::string> unnamed;
  for (const std::string& object : objects) {
    if (object.find(" '' ") == std::string::npos || object.rfind("grouping ", 0) == 0) continue;
    if (object.find("invisible") == std::string::npos) unnamed.push_back(object);
  }
  return unnamed;
}

std::vector<std::string> Stops(const SimulatorLog& log) {
  std::vector<std::string> stops;
  for (const std::string& line : log.Starting("ui: tab ")) stops.push_back(line.substr(std::string("ui: tab ").size()));
  return stops;
}

// Whether a focus event naming `stop` was heard between the step before the `index`-th
// tab stop and that stop.
bool FocusHeardBefore(const SimulatorLog& log, int index, const std::string& stop) {
  int stopsSeen = -1;
  bool heard = false;
  for (const LogLine& line : log.Lines()) {
    if (line.text.rfind("screen reader: focus " + stop, 0) == 0) heard = true;
    if (line.text.rfind("ui: tab ", 0) != 0) continue;
    if (++stopsSeen == index) return heard;
    heard = false;
  }
  return false;
}

const std::vector<std::string> SnoozeRing = {"--reset-settings",
                                             "--arm",
                                             "now",
                                             "--snooze",
                                             "on",
                                             "--no-restart",
                                             "off",
                                             "--stream",
                                             "off",
                                             "--playlist",
                                             "a.mp3",
                                             "--screen-reader"};
}  // namespace

TEST(ScreenReader, TheConfigurationDialogNamesEveryControlItsRoleAndStateAndTheClockItsTime) {
  const SimulatorLog log = RunSimulator(
      {"--reset-settings", "--arm", "07:30", "--url", "http://radio.example/morning.m3u", "--config", "--run", "0",
       "--screen-reader", "--ui", Config + "accessible; tab-to Start time; key up; accessible; tab-cycle; close"});
  ASSERT_TRUE(log.Has("ui: done")) << log.Text();
  const std::vector<std::string> objects = Objects(log);
  for (const char* expected : {
           "dialog 'Velmora Software - Winamp wakeup plugin' [normal]",
           "check button 'Plugin active' [focused, checked, focusable] action 'Uncheck'",
           "static text 'Start time' [read only]",
           "clock 'Start time' value '7:30 AM' [focusable] key 'Alt+T'",
           "check button 'Boost volume to MAX!! :-)' [checked, focusable] action 'Uncheck'",
           "combo box 'Stream this mp3/playlist/URL' value 'http://radio.example/morning.m3u' [focusable]",
           "push button 'Locate file' [focusable] action 'Press'",
           "static text 'This plugin is free of charge.' [read only]",
           "link 'More alarm options...' [focusable, linked] action 'Jump'",
           "push button 'Save settings' [focusable] action 'Press' key 'Alt+S'",
       })
    EXPECT_TRUE(Has(objects, expected)) << expected << "\n" << log.Text();
  EXPECT_EQ(UnnamedShown(objects), std::vector<std::string>{}) << log.Text();

  // The clock's value follows its time, and the change is told.
  EXPECT_GT(log.IndexOf("screen reader: value clock 'Start time' value '7:31 AM'"), log.IndexOf("ui: key up"))
      << log.Text();
  EXPECT_TRUE(Has(objects, "clock 'Start time' value '7:31 AM' [focused, focusable] key 'Alt+T'")) << log.Text();

  // Tab reads the window as the eye does, and every stop is announced.
  const std::vector<std::string> expectedStops = {"check button 'Boost volume to MAX!! :-)'",
                                                  "check button 'Just boost volume, do not restart (curent song)'",
                                                  "check button 'Snooze option (sets volume to 19%)'",
                                                  "check button 'Stream this mp3/playlist/URL'",
                                                  "combo box 'Stream this mp3/playlist/URL'",
                                                  "push button 'Shoutcast'",
                                                  "push button 'Locate file'",
                                                  "link 'Visit my homepage'",
                                                  "link 'Donate via paypal'",
                                                  "link 'More alarm options...'",
                                                  "link 'All alarms...'",
                                                  "push button 'Save settings'",
                                                  "check button 'Plugin active'",
                                                  "clock 'Start time'"};
  const std::vector<std::string> stops = Stops(log);
  EXPECT_EQ(stops, expectedStops) << log.Text();
  for (std::size_t i = 0; i < stops.size(); ++i)
    EXPECT_TRUE(FocusHeardBefore(log, static_cast<int>(i), stops[i])) << stops[i] << "\n" << log.Text();
}

TEST(Keyboard, KeysAloneSwitchTheAlarmOffOpenAndCloseTheOptionsAndSave) {
  const SimulatorLog log = RunSimulator(
      {"--reset-settings", "--arm", "07:30", "--config", "--run", "0", "--screen-reader", "--dump-settings", "--ui",
       Config +
           "key space; tab-to More alarm options...; key enter; window Alarm options; focus; key escape; "
           "wait gone; " +
           Config + "focus; alt t; focus; key enter; wait gone"});
  ASSERT_TRUE(log.Has("ui: done")) << log.Text();
  EXPECT_TRUE(log.Has("screen reader: state check button 'Plugin active' [focused, focusable] action 'Check'"))
      << log.Text();
  EXPECT_TRUE(log.Has("ui: focus check button 'Mon'")) << "the options open with the focus on their first box\n"
                                                       << log.Text();
  // Escape closes the options as their close box does; the focus comes back to the link.
  EXPECT_TRUE(log.Has("ui: focus link 'More alarm options...'")) << log.Text();
  EXPECT_EQ(log.Setting("VelDays"), "(missing)") << log.Text();
  // The label's accelerator takes the focus to its clock, where Enter presses "Save settings":
  // the alarm is stored switched off, and the dialog closes.
  EXPECT_TRUE(log.Has("ui: focus clock 'Start time'")) << log.Text();
  EXPECT_TRUE(log.Has("config returned")) << log.Text();
  EXPECT_EQ(log.Setting("VelActive"), "REG_DWORD 4 bytes 0") << log.Text();
}

TEST(ScreenReader, TheAlarmsAlarmAndOptionsWindowsNameEveryControlAndEscapeClosesEach) {
  const SimulatorLog log = RunSimulator(
      {"--reset-settings", "--arm", "07:30", "--config", "--run", "0", "--ui",
       Config +
           "tab-to All alarms...; key enter; window Alarms; accessible; key enter; window Alarm 1; accessible; "
           "key escape; wait gone; window Alarms; key escape; wait gone; " +
           Config +
           "tab-to More alarm options...; key enter; window Alarm options; accessible; key escape; wait gone; " +
           Config + "key escape; wait gone"});
  ASSERT_TRUE(log.Has("ui: done")) << log.Text();
  EXPECT_TRUE(log.Has("config returned")) << log.Text();
  const std::vector<std::string> objects = Objects(log);
  for (const char* expected : {
           "dialog 'Alarms' [normal]",
           "list item '7:30 AM, Every day, ",
           "check button '7:30 AM, Every day, ",
           "push button 'Close' [focusable] action 'Press' key 'Alt+C'",
           "dialog 'Alarm 1' [normal]",
           "clock 'Start time' value '7:30 AM' [focused, focusable] key 'Alt+T'",
           "combo box 'Label' [focusable] key 'Alt+L'",
           "push button 'OK' [focusable] action 'Press' key 'Alt+O'",
           "dialog 'Alarm options' [normal]",
           "check button 'Mon' [focused, checked, focusable] action 'Uncheck' key 'Alt+M'",
           "combo box 'Snooze length' value '",
           "combo box 'Fallback file' [focusable] key 'Alt+E'",
           "combo box 'Make sure Windows' sound is on (at least 30 %)' value '30 %' [focusable]",
           "push button 'Power options...' [focusable] action 'Press' key 'Alt+P'",
       })
    EXPECT_TRUE(Has(objects, expected)) << expected << "\n" << log.Text();
  EXPECT_EQ(UnnamedShown(objects), std::vector<std::string>{}) << log.Text();
}

TEST(Keyboard, TheSnoozeWindowIsAnnouncedReachedWithTabAndSnoozedWithS) {
  const SimulatorLog log = RunSimulator(With(SnoozeRing, {"--run-until", "volume 50", "--give-up", "80", "--ui",
                                                          "window Time to wakeup ?; accessible; tab-cycle; key s"}));
  ASSERT_TRUE(log.Has("volume 50")) << log.Text();
  EXPECT_TRUE(log.Has("screen reader: show dialog 'Time to wakeup ?'")) << log.Text();
  const std::vector<std::string> objects = Objects(log);
  EXPECT_TRUE(Has(objects, "push button 'SNOOZE' [focused, focusable] action 'Press'")) << log.Text();
  EXPECT_TRUE(Has(objects, "push button 'DISABLE' [focusable] action 'Press'")) << log.Text();
  EXPECT_TRUE(Has(objects, "clock 'Time' value '")) << log.Text();
  EXPECT_EQ(Stops(log), (std::vector<std::string>{"push button 'DISABLE'", "push button 'SNOOZE'"})) << log.Text();
  EXPECT_GT(log.IndexOf("volume 50 (WM_USER wParam 50 lParam 122)"), log.IndexOf("ui: key s")) << log.Text();
}

TEST(Keyboard, DInTheSnoozeWindowDisablesTheRing) {
  const SimulatorLog log = RunSimulator(With(SnoozeRing, {"--run-until", "ui: done", "--give-up", "80", "--ui",
                                                          "window Time to wakeup ?; key d; wait gone"}));
  ASSERT_TRUE(log.Has("ui: done")) << log.Text();
  EXPECT_FALSE(log.Has("volume 50")) << "D is not snooze\n" << log.Text();
  EXPECT_EQ(log.Starting("Play button").size(), 1u) << log.Text();
}

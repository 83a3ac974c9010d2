// Names outside the ANSI code page through the real DLL in the simulator: typed into the
// address box, saved, kept in the history across a restart, and played by the player's
// wide enqueue message; addresses in the code page still travel as they always did.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "SimulatorRun.h"

namespace {
const std::string Mark = "\xEF\xBB\xBF";
const std::string Morning = "C:\\\xE9\x9F\xB3\xE6\xA5\xBD\\\xE6\x9C\x9D.mp3";  // C:\音楽\朝.mp3
const std::string MusicalNote = "\xF0\x9F\x8E\xB5";                            // beyond 16 bits: two UTF-16 units
const std::string InDialog = "window " + ConfigDialogTitle + "; click-at 500 120; type ";

// Armed for the current minute, from the settings a previous run left; the run ends
// once the player plays something.
SimulatorLog RingWithSavedSettings(const std::vector<std::string>& extra = {}) {
  return RunSimulator(
      With({"--arm", "now", "--snooze", "off", "--run-until", "Play button", "--give-up", "60"}, extra));
}

std::string WideAdd(const std::string& name, int entries) {
  return "playlist add wide '" + name + "' (WM_USER lParam 1100, title null, length " + "0) (" +
         std::to_string(entries) + " entries)";
}
}  // namespace

TEST(AnyName, JapaneseNameTypedIsSavedKeptInTheHistoryAndPlayedByTheWideMessage) {
  const SimulatorLog typed =
      RunSimulator({"--reset-settings", "--history", "", "--no-restart", "off", "--stream", "on", "--config", "--run",
                    "0", "--dump-settings", "--dump-history", "--ui", InDialog + Morning + "; click &Save settings"});
  EXPECT_EQ(typed.First("history file").text, "history file 22 bytes '" + Mark + Morning + "\\r\\n'") << typed.Text();
  // What an older version, reading the value in ANSI, gets: the code page's substitutes.
  EXPECT_EQ(typed.Setting("VelURL"), "REG_SZ 12 bytes 'C:\\??\\?.mp3'");

  const SimulatorLog rung = RingWithSavedSettings();
  EXPECT_TRUE(rung.Has("version asked: 0x5666 (WM_USER lParam 0)")) << rung.Text();
  EXPECT_TRUE(rung.Has(WideAdd(Morning, 1))) << rung.Text();
  EXPECT_TRUE(rung.Has("Play button (WM_COMMAND wParam 40045): playing '" + Morning + "'")) << rung.Text();
  EXPECT_FALSE(rung.Has("playlist add '")) << "no copy-data message as well";

  // The restarted dialog shows the saved name, takes a character beyond 16 bits after it,
  // and keeps the earlier entry read back from the file.
  const SimulatorLog again = RunSimulator(
      {"--config", "--run", "0", "--dump-history", "--ui", InDialog + MusicalNote + "; click &Save settings"});
  EXPECT_EQ(again.First("history file").text,
            "history file 45 bytes '" + Mark + Morning + MusicalNote + "\\r\\n" + Morning + "\\r\\n'")
      << again.Text();
}

TEST(AnyName, APlayerOlderThanFivePointZeroGetsTheCopyDataMessageWithSubstitutes) {
  RunSimulator({"--reset-settings", "--history", "", "--no-restart", "off", "--stream", "on", "--config", "--run", "0",
                "--ui", InDialog + Morning + "; click &Save settings"});
  const SimulatorLog rung = RingWithSavedSettings({"--player-version", "8337"});  // 0x2091
  EXPECT_TRUE(rung.Has("playlist add 'C:\\??\\?.mp3' (WM_COPYDATA code 100 bytes 12 NUL-terminated) (1 entries)"))
      << rung.Text();
  EXPECT_FALSE(rung.Has("playlist add wide")) << rung.Text();
}

TEST(AnyName, AnAddressInTheCodePageTravelsByCopyDataByteForByte) {
  // "Grüße" is in the Western code page: its ANSI bytes go as they always did, unasked.
  const SimulatorLog rung = RunSimulator({"--reset-settings", "--arm", "now", "--snooze", "off", "--no-restart", "off",
                                          "--volume", "off", "--url",
                                          "C:\\Musik\\Gr\xC3\xBC\xC3\x9F"
                                          "e.mp3",
                                          "--run-until", "Play button", "--give-up", "60"});
  EXPECT_EQ(rung.Starting("playlist add"),
            std::vector<std::string>{"playlist add 'C:\\Musik\\Gr\xFC\xDF"
                                     "e.mp3' (WM_COPYDATA code 100 bytes 19 NUL-terminated) (1 entries)"})
      << rung.Text();
  EXPECT_FALSE(rung.Has("version asked")) << "the player sees the same messages as before";
}

TEST(AnyName, JapaneseFallbackFileTypedInTheOptionsPlaysByTheWideMessage) {
  // A real file, since the fallback must exist: under build/, apart for each tier.
  const std::string folder = SOURCE_DIR "/build/" + TargetFolder() + "-\xE6\x9C\x9D";
  std::system(("rm -rf '" + folder + "' && mkdir -p '" + folder + "'").c_str());
  std::ofstream(folder + "/\xE9\x9F\xB3.mp3") << "ring";
  const std::string file = WindowsPath(folder + "/\xE9\x9F\xB3.mp3");
  const std::string stream = "http://radio.example/dead";
  const SimulatorLog chosen = RunSimulator(
      {"--reset-settings", "--history", "", "--config", "--run", "0", "--dump-settings", "--ui",
       "window " + ConfigDialogTitle + "; click More alarm options...; window Alarm options; click-at 290 242; type " +
           file + "; click &OK; window " + ConfigDialogTitle + "; close"});
  ASSERT_TRUE(chosen.Has("config returned")) << chosen.Text();
  const SimulatorLog rung = RunSimulator({"--arm",          "now",
                                          "--snooze",       "off",
                                          "--no-restart",   "off",
                                          "--stream",       "on",
                                          "--url",          stream,
                                          "--silent-entry", stream,
                                          "--set-value",    "VelFallbackSeconds",
                                          "dword",          "1",
                                          "--run-until",    "Play button (WM_COMMAND wParam 40045): playing 'Z:",
                                          "--give-up",      "90"});
  EXPECT_TRUE(rung.Has(WideAdd(file, 2))) << rung.Text();
  EXPECT_TRUE(rung.Has("Play button (WM_COMMAND wParam 40045): playing '" + file + "'")) << rung.Text();
}

TEST(AnyName, AVanishedJapaneseFallbackFileIsNamedAsItIsInTheMessage) {
  const SimulatorLog log = RunSimulator(
      {"--reset-settings", "--history", "", "--config", "--dismiss-boxes", "--run", "0", "--ui",
       "window " + ConfigDialogTitle + "; click More alarm options...; window Alarm options; click-at 290 242; type " +
           Morning + "; click &OK; wait log message box; window " + ConfigDialogTitle + "; close"});
  const std::vector<std::string> boxes = log.Starting("message box 'player-sim': 'The options are saved, but the");
  ASSERT_EQ(boxes.size(), 1u) << log.Text();
  EXPECT_NE(boxes[0].find(Morning), std::string::npos) << boxes[0];
}

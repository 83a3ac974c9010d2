// The wake-up as the player sees it: the exact messages, in order, for each setting.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SimulatorRun.h"

namespace {

// Armed for the current minute with the given switches; the worker fires on its first
// pass. The run ends once `last` (the wake-up's last message) has been logged; whatever
// the worker sends after it still arrives before quit returns, since quit waits for it.
SimulatorLog WakeUp(const std::vector<std::string>& extra, const std::string& last = "Play button") {
  return RunSimulator(
      With({"--reset-settings", "--arm", "now", "--snooze", "off", "--run-until", last, "--give-up", "60"}, extra));
}

// The player's lines about the plug-in's commands, in the order they arrived.
std::vector<std::string> Commands(const SimulatorLog& log) {
  std::vector<std::string> commands;
  for (const LogLine& line : log.Lines())
    for (const char* kind :
         {"volume", "status asked", "playlist", "position", "start playback", "Play button", "unknown", "copydata"})
      if (line.text.rfind(kind, 0) == 0) commands.push_back(line.text);
  return commands;
}

}  // namespace

TEST(WakeUp, StreamPathSendsVolumeAddressLengthPositionAndPlayWithExactParameters) {
  const SimulatorLog log =
      WakeUp({"--no-restart", "off", "--url", "http://radio.example/stream", "--playlist", "first.mp3|second.mp3"});
  EXPECT_EQ(Commands(log),
            (std::vector<std::string>{
                "volume 255 (WM_USER wParam 255 lParam 122)",
                "playlist add 'http://radio.example/stream' (WM_COPYDATA code 100 bytes 28 NUL-terminated) (3 entries)",
                "playlist length asked: 3 (WM_USER lParam 124)",
                "position 3 (WM_USER wParam 3 lParam 121; positions count from 1: 'http://radio.example/stream')",
                "Play button (WM_COMMAND wParam 40045): playing 'http://radio.example/stream'"}))
      << log.Text();
}

TEST(WakeUp, EmptyAddressTravelsAsASingleNulByte) {
  const SimulatorLog log = WakeUp({"--no-restart", "off", "--volume", "off"});
  EXPECT_EQ(log.Starting("playlist add"),
            std::vector<std::string>{"playlist add '' (WM_COPYDATA code 100 bytes 1 NUL-terminated) (1 entries)"});
}

TEST(WakeUp, ExpandableAddressIsHandedOverUnexpanded) {
  const SimulatorLog log = WakeUp({"--no-restart", "off", "--set-value", "VelURL", "expand_sz", "%WINDIR%\\alarm.mp3"});
  EXPECT_TRUE(log.Has("playlist add '%WINDIR%\\alarm.mp3'")) << log.Text();
}

TEST(WakeUp, WithoutStreamAndMaxVolumeOnlyThePlayButton) {
  const SimulatorLog log = WakeUp({"--no-restart", "off", "--stream", "off", "--volume", "off", "--playlist", "a"});
  EXPECT_EQ(Commands(log), std::vector<std::string>{"Play button (WM_COMMAND wParam 40045): playing 'a'"});
}

TEST(WakeUp, FreshInstallTakesTheNoRestartPathAndLeavesAPlayingSongAlone) {
  const SimulatorLog log = WakeUp({"--state", "playing", "--url", "http://never.example/"}, "status asked");
  EXPECT_EQ(Commands(log), (std::vector<std::string>{"volume 255 (WM_USER wParam 255 lParam 122)",
                                                     "status asked: playing (WM_USER lParam 104, answer 1)"}))
      << log.Text();
}

TEST(WakeUp, NoRestartStartsPlaybackWhenPausedOrStopped) {
  for (const char* state : {"paused", "stopped"}) {
    const SimulatorLog log = WakeUp({"--state", state, "--volume", "off"}, "start playback");
    const int answer = std::string(state) == "paused" ? 3 : 0;
    EXPECT_EQ(Commands(log),
              (std::vector<std::string>{"status asked: " + std::string(state) + " (WM_USER lParam 104, answer " +
                                            std::to_string(answer) + ")",
                                        "start playback (WM_USER lParam 102)"}))
        << log.Text();
  }
}

TEST(WakeUp, DisarmedAlarmSendsNothingUntilTheUserArmsIt) {
  // The same running worker wakes the player once the dialog saves "active": it was
  // watching all along, and sent nothing before.
  // Armed for the coming minute: the save comes before it, or inside it, either way in time.
  const SimulatorLog log =
      WakeUp({"--active", "off", "--arm", "next", "--give-up", "150", "--no-restart", "off", "--config", "--ui",
              "window " + ConfigDialogTitle + "; click Plugin active; click &Save settings"});
  const std::vector<std::string> commands = Commands(log);
  ASSERT_FALSE(commands.empty()) << log.Text();
  EXPECT_GT(log.IndexOf(commands.front()), log.IndexOf("ui: click &Save settings")) << log.Text();
}

TEST(WakeUp, WithoutThePlayersWindowCommandsGoNowhereAndNothingBreaks) {
  // The snooze window comes after the wake-up's commands: it proves they were sent.
  const SimulatorLog log = WakeUp({"--no-player-window", "--no-restart", "off", "--snooze", "on", "--ui",
                                   "window Time to wakeup ?; click DISABLE"},
                                  "ui: done");
  ASSERT_TRUE(log.Has("ui: done")) << log.Text();
  EXPECT_TRUE(Commands(log).empty()) << log.Text();
  EXPECT_LT(log.NumberAfter("quit returned after "), 10000);
  EXPECT_TRUE(log.Has("exit 0"));
}

TEST(WakeUp, WindowIsFoundByClassWhenTheHeaderHoldsNone) {
  const SimulatorLog log = WakeUp({"--parent-zero", "--no-restart", "off", "--stream", "off"});
  EXPECT_TRUE(log.Has("volume 255")) << log.Text();
  EXPECT_TRUE(log.Has("Play button")) << log.Text();
}

// Load, export, quit and unload as the player does them, including the awkward moments:
// quitting while the worker pauses or waits for the player's own thread.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SimulatorRun.h"

namespace {
// Far below the 62 s post-wake pause a broken quit would wait out, far above a slow start.
constexpr long long PromptQuitMs = 10000;

const std::vector<std::string> ArmedNow = {"--reset-settings", "--arm", "now",      "--snooze", "off",
                                           "--no-restart",     "off",   "--stream", "off"};
}  // namespace

TEST(Lifecycle, LoadingAloneReadsNoRegistryStartsNoWorkerAndUnloadsCleanly) {
  // What runs under the loader's lock must not touch the registry or start a thread:
  // the alarm is made by the export's first call.
  const SimulatorLog log =
      RunSimulator({"--reset-settings", "--export-calls", "0", "--after-unload", "100", "--dump-settings"});
  ASSERT_TRUE(log.Has("export not called")) << log.Text();
  EXPECT_TRUE(log.Has("no settings key")) << log.Text();
  EXPECT_TRUE(log.Has("module gone after unload")) << log.Text();
  EXPECT_FALSE(log.Has("debug output")) << log.Text();
  EXPECT_FALSE(log.Has("message box")) << log.Text();
}

TEST(Lifecycle, ExportHandsTheSameHeaderEveryTime) {
  const SimulatorLog log = RunSimulator({"--reset-settings", "--export-calls", "2", "--run", "0"});
  const std::vector<std::string> exports = log.Starting("export: ");
  ASSERT_EQ(exports.size(), 2u) << log.Text();
  EXPECT_EQ(exports[0], exports[1]);
  EXPECT_NE(exports[0].find("version 16, description 'Velmora Wakeup by Orvik'"), std::string::npos) << exports[0];
  EXPECT_TRUE(log.Has("init returned 0"));
}

TEST(Lifecycle, QuitRightAfterAWakeUpDoesNotWaitOutThePostWakePause) {
  const SimulatorLog log = RunSimulator(With(ArmedNow, {"--run-until", "Play button", "--give-up", "60"}));
  ASSERT_TRUE(log.Has("Play button")) << log.Text();
  EXPECT_LT(log.NumberAfter("quit returned after "), PromptQuitMs);
  EXPECT_TRUE(log.Has("module gone after unload"));
}

TEST(Lifecycle, QuitWhileTheWorkerWaitsForThePlayersThreadDoesNotDeadlock) {
  // The player's thread is busy while the alarm fires, so the worker sits in its send;
  // the quit callback's wait must let that send through.
  const SimulatorLog log = RunSimulator(With(ArmedNow, {"--stall", "3000", "--run", "0"}), 90);
  ASSERT_TRUE(log.Has("quit returned after ")) << log.Text();
  EXPECT_LT(log.IndexOf("quit called"), log.IndexOf("volume 255")) << log.Text();
  EXPECT_LT(log.IndexOf("Play button"), log.IndexOf("quit returned after ")) << log.Text();
  EXPECT_LT(log.NumberAfter("quit returned after "), PromptQuitMs);
}

TEST(Lifecycle, UnloadWithoutQuitKeepsTheCodeLoadedWhileTheWorkerRuns) {
  // Unloaded during the post-wake pause: the worker's thread still runs the plug-in's code.
  const SimulatorLog log = RunSimulator(With(ArmedNow, {"--run-until", "Play button", "--give-up", "60", "--no-quit"}));
  EXPECT_TRUE(log.Has("quit skipped"));
  EXPECT_TRUE(log.Has("module still mapped after unload")) << log.Text();
  EXPECT_TRUE(log.Has("exit 0")) << log.Text();
}

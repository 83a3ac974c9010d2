// Errors that cost only themselves, through the real DLL in the simulator: one bad
// registry value, the error box's owner, and a quit called from inside a player command.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "SimulatorRun.h"

namespace {
const std::string DialogTitle = "Velmora Software - Winamp wakeup plugin";
}

TEST(ContainedErrors, OneBadValueFallsBackAloneAndASaveRepairsIt) {
  const SimulatorLog log = RunSimulator({"--reset-settings",
                                         "--arm",
                                         "07:30",
                                         "--active",
                                         "off",
                                         "--volume",
                                         "off",
                                         "--snooze",
                                         "off",
                                         "--set-value",
                                         "VelURL",
                                         "dword",
                                         "5",
                                         "--history",
                                         "",
                                         "--config",
                                         "--dismiss-boxes",
                                         "--run",
                                         "0",
                                         "--dump-settings",
                                         "--ui",
                                         "window " + DialogTitle + "; click &Save settings"});
  // The first message only, once: the load at start-up; the save then stores good values.
  EXPECT_EQ(log.Starting("message box "),
            std::vector<std::string>{"message box 'player-sim': 'Invalid data type for 'VelURL''"})
      << log.Text();
  EXPECT_EQ(log.Setting("VelURL"), "REG_SZ 1 bytes ''");
  EXPECT_EQ(log.Setting("VelWakeupTime"), "REG_BINARY 8 bytes 000000000000d43f = 0.3125");
  EXPECT_EQ(log.Setting("VelActive"), "REG_DWORD 4 bytes 0");
  EXPECT_EQ(log.Setting("VelVolume"), "REG_DWORD 4 bytes 0");
  EXPECT_EQ(log.Setting("VelSnooze"), "REG_DWORD 4 bytes 0");
  EXPECT_EQ(log.Setting("VelStreaming"), "REG_DWORD 4 bytes 1");
}

TEST(ContainedErrors, BoxOfAnErrorInTheDialogIsOwnedByTheDialog) {
  const std::string folder = SOURCE_DIR "/build/owner-test-settings-" + TargetFolder();
  std::system(("chattr -i '" + folder + "/velhistory.ini' 2>/dev/null; rm -rf '" + folder + "' && mkdir -p '" + folder +
               "' && touch '" + folder + "/velhistory.ini'")
                  .c_str());
  if (std::system(("chattr +i '" + folder + "/velhistory.ini' 2>/dev/null").c_str()) != 0)
    GTEST_SKIP() << "this file system cannot make files immutable (chattr +i)";
  const SimulatorLog log =
      RunSimulator({"--reset-settings", "--settings-folder", "Z:" + folder, "--config", "--dismiss-boxes", "--run", "0",
                    "--ui", "window " + DialogTitle + "; click &Save settings; wait log box owner; close"});
  std::system(("chattr -i '" + folder + "/velhistory.ini'").c_str());
  ASSERT_TRUE(log.Has("message box 'player-sim': 'Cannot create file")) << log.Text();
  EXPECT_EQ(log.Starting("box owner "), std::vector<std::string>{"box owner '" + DialogTitle + "'"});
}

TEST(ContainedErrors, QuitCalledInsideACommandOfTheWorkerReturns) {
  // Without a bound, quit waits for the worker and the worker for this very handler.
  const SimulatorLog log = RunSimulator({"--reset-settings", "--arm", "now", "--snooze", "off", "--no-restart", "off",
                                         "--stream", "off", "--quit-inside", "122", "--call-limit", "30000",
                                         "--run-until", "quit returned", "--give-up", "60"});
  const int volume = log.IndexOf("volume 255"), quit = log.IndexOf("quit called");
  ASSERT_GE(volume, 0) << log.Text();
  EXPECT_EQ(quit, volume + 1) << "quit called inside the volume command";
  EXPECT_TRUE(log.Has("quit returned after ")) << log.Text();
  EXPECT_TRUE(log.Has("exit 0"));
}

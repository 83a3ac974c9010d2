// The history file in the folder the player names for its settings, through the real
// DLL in the simulator: locked program folders, folder names outside the ANSI code
// page or beyond 260 characters, the portable layout, and lists of earlier versions.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "SimulatorRun.h"

namespace {
const std::string Active = "Plugin active";
const std::string SaveSteps = "window " + ConfigDialogTitle + "; click " + Active + "; click &Save settings";

std::string Shell(const std::string& command) { return std::to_string(std::system(command.c_str())); }

// A fresh folder under build/, given as the Linux path.
// Under build/, apart for each tier: the two tiers run side by side.
std::string FreshFolder(const std::string& name) {
  const std::string base = SOURCE_DIR "/build/" + TargetFolder() + "-";
  const std::string folder = base + name;
  Shell("chattr -R -i '" + base + name.substr(0, name.find('/')) + "' 2>/dev/null; rm -rf '" + folder +
        "' && mkdir -p '" + folder + "'");
  return folder;
}

std::string FileBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream bytes;
  bytes << file.rdbuf();
  return file ? bytes.str() : "(missing)";
}

void WriteFile(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

SimulatorLog SaveWithSettingsFolder(const std::string& folder, const std::vector<std::string>& extra = {},
                                    const std::string& program = "player-sim.exe") {
  return RunSimulator(With({"--reset-settings", "--url", "http://radio.example/new", "--history", "",
                            "--settings-folder", WindowsPath(folder), "--config", "--dismiss-boxes", "--run", "0",
                            "--dump-settings", "--ui", SaveSteps},
                           extra),
                      150, program);
}

void ExpectSaved(const SimulatorLog& log) {
  EXPECT_FALSE(log.Has("message box")) << log.Text();
  EXPECT_EQ(log.Setting("VelActive"), "REG_DWORD 4 bytes 0") << "the click reached the registry";
  EXPECT_EQ(log.Setting("VelURL"), "REG_SZ 25 bytes 'http://radio.example/new'");
}
}  // namespace

TEST(PlayerSettingsFolder, LockedProgramFolderSavesIntoTheSettingsFolder) {
  const std::string program = FreshFolder("locked-install/player");
  const std::string dist = DIST_DIR "/" + TargetFolder();
  Shell("cp '" + dist + "/player-sim.exe' '" + dist + "/gen_Rousa.dll' '" + program + "'");
  const std::string settings = FreshFolder("locked-install-settings");
  const ImmutablePath lock(program);
  if (!lock.Held()) GTEST_SKIP() << "this file system cannot make folders immutable (chattr +i)";
  const SimulatorLog log = SaveWithSettingsFolder(settings, {}, WindowsPath(program) + "\\player-sim.exe");
  ExpectSaved(log);
  for (const char* name : {"VelWakeupTime", "VelVolume", "VelStreaming", "VelSnooze", "VelNoRestart"})
    EXPECT_FALSE(log.Setting(name).empty()) << name;
  EXPECT_EQ(FileBytes(settings + "/velhistory.ini"), "\xEF\xBB\xBFhttp://radio.example/new\r\n");
  EXPECT_EQ(FileBytes(program + "/velhistory.ini"), "(missing)");
}

class UnusualFolderName : public ::testing::TestWithParam<std::string> {};

TEST_P(UnusualFolderName, SavesThere) {
  const std::string settings = FreshFolder(GetParam());
  const SimulatorLog log = SaveWithSettingsFolder(settings);
  ExpectSaved(log);
  EXPECT_EQ(FileBytes(settings + "/velhistory.ini"), "\xEF\xBB\xBFhttp://radio.example/new\r\n") << log.Text();
}

std::string DeepFolder() {
  std::string name = "deep-settings";
  while (name.size() < 300) name += "/a-folder-name-of-thirty-chars";
  return name;
}

INSTANTIATE_TEST_SUITE_P(OutsideAnsiOrBeyond260, UnusualFolderName,
                         ::testing::Values(std::string("settings-\xCE\xA9\xCE\xBB\xE6\x97\xA5\xE6\x9C\xAC"),
                                           DeepFolder()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                           return info.index == 0 ? std::string("GreekAndJapanese") : std::string("Deep");
                         });

TEST(PlayerSettingsFolder, PortableLayoutWritesExactlyWhatTheProgramFolderGot) {
  const SimulatorLog log = RunSimulator(
      {"--reset-settings", "--arm", "07:30", "--url", "http://radio.example/new", "--history",
       "HTTP://radio.example/old|b.mp3", "--settings-folder", WindowsPath(DIST_DIR "/" + TargetFolder()), "--config",
       "--run", "0", "--dump-history", "--ui", "window " + ConfigDialogTitle + "; click &Save settings"});
  EXPECT_EQ(
      log.First("history file").text,
      "history file 62 bytes '\xEF\xBB\xBFhttp://radio.example/new\\r\\nHTTP://radio.example/old\\r\\nb.mp3\\r\\n'")
      << log.Text();
}

TEST(PlayerSettingsFolder, ListBesideTheProgramIsReadUntilTheSettingsFolderHasOne) {
  const std::string settings = FreshFolder("migrating-settings");
  const SimulatorLog log = SaveWithSettingsFolder(settings, {"--history", "old.mp3|older.mp3", "--dump-history"});
  ExpectSaved(log);
  EXPECT_EQ(FileBytes(settings + "/velhistory.ini"),
            "\xEF\xBB\xBFhttp://radio.example/new\r\nold.mp3\r\nolder.mp3\r\n");
  EXPECT_EQ(log.First("history file").text, "history file 20 bytes 'old.mp3\\r\\nolder.mp3\\r\\n'") << "left as it was";
}

TEST(PlayerSettingsFolder, FolderThatDoesNotExistMeansTheProgramFolder) {
  const SimulatorLog log = SaveWithSettingsFolder(SOURCE_DIR "/build/no-such-settings-folder", {"--dump-history"});
  ExpectSaved(log);
  EXPECT_EQ(log.First("history file").text, "history file 29 bytes '\xEF\xBB\xBFhttp://radio.example/new\\r\\n'");
}

TEST(PlayerSettingsFolder, FolderAllowingNoNewFileGetsTheExistingFileChangedInPlace) {
  const std::string settings = FreshFolder("no-new-files-settings");
  WriteFile(settings + "/velhistory.ini", "kept.mp3\r\n");
  const ImmutablePath lock(settings);
  if (!lock.Held()) GTEST_SKIP() << "this file system cannot make folders immutable (chattr +i)";
  const SimulatorLog log = SaveWithSettingsFolder(settings);
  ExpectSaved(log);
  EXPECT_EQ(FileBytes(settings + "/velhistory.ini"), "\xEF\xBB\xBFhttp://radio.example/new\r\nkept.mp3\r\n");
}

// The registry store as the loaded DLL uses it: defaults, re-creation, and the error
// box for every value of the wrong kind.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "SimulatorRun.h"

namespace {

const char* const Switches[] = {"VelActive", "VelVolume", "VelStreaming", "VelSnooze", "VelNoRestart"};

// The double behind "setting VelWakeupTime REG_BINARY 8 bytes <hex> = <value>".
double StoredWakeUp(const SimulatorLog& log) {
  const std::string setting = log.Setting("VelWakeupTime");
  const std::size_t equals = setting.find(" = ");
  if (equals == std::string::npos) ADD_FAILURE() << setting;
  return equals == std::string::npos ? NAN : std::stod(setting.substr(equals + 3));
}

}  // namespace

TEST(SettingsStore, CleanRegistryGetsAllSevenDefaultsArmedForOneMinusNow) {
  const SimulatorLog log = RunSimulator({"--reset-settings", "--dump-settings", "--run", "0"});
  for (const char* name : Switches) EXPECT_EQ(log.Setting(name), "REG_DWORD 4 bytes 1") << name;
  EXPECT_EQ(log.Setting("VelURL"), "REG_SZ 1 bytes ''");
  EXPECT_EQ(log.Setting("VelWakeupTime").substr(0, 19), "REG_BINARY 8 bytes ");

  // Stored as t - 2.0 with t the local time of day at load: between -2 and -1.
  const double stored = StoredWakeUp(log);
  EXPECT_GT(stored, -2.0);
  EXPECT_LE(stored, -1.0);
  const double loadedAt = log.First("loaded").millisecondOfDay / 86400000.0;
  EXPECT_NEAR(stored + 2.0, loadedAt, 10.0 / 86400.0) << log.Text();
}

TEST(SettingsStore, DeletedValueIsRecreatedAndTheOthersKeepTheirContent) {
  RunSimulator({"--reset-settings", "--url", "http://kept.example/", "--stream", "off", "--run", "0"});
  const SimulatorLog log = RunSimulator(
      {"--delete-value", "VelVolume", "--delete-value", "VelURL", "--volume", "off", "--dump-settings", "--run", "0"});
  EXPECT_EQ(log.Setting("VelVolume"), "REG_DWORD 4 bytes 1");  // deleted after being switched off
  EXPECT_EQ(log.Setting("VelURL"), "REG_SZ 1 bytes ''");
  EXPECT_EQ(log.Setting("VelStreaming"), "REG_DWORD 4 bytes 0");
}

struct WrongValue {
  const char* name;
  const char* type;
  const char* data;
  const char* message;
};

void PrintTo(const WrongValue& value, std::ostream* out) {
  *out << value.name << " as " << value.type << " '" << value.data << "'";
}

class WrongKindOfValue : public ::testing::TestWithParam<WrongValue> {};

TEST_P(WrongKindOfValue, ShowsItsMessageOnceAndStartsNoAlarm) {
  const WrongValue& bad = GetParam();
  // Armed for this minute: a worker, had one started before the box, would have woken
  // the player at once.
  const SimulatorLog log =
      RunSimulator({"--reset-settings", "--arm", "now", "--snooze", "off", "--no-restart", "off", "--set-value",
                    bad.name, bad.type, bad.data, "--dismiss-boxes", "--run-until", "message box", "--give-up", "60"});
  EXPECT_EQ(log.Starting("message box "),
            std::vector<std::string>{std::string("message box 'player-sim': '") + bad.message + "'"});
  EXPECT_FALSE(log.Has("Play button")) << log.Text();
  EXPECT_FALSE(log.Has("volume")) << log.Text();
  EXPECT_LT(log.NumberAfter("quit returned after "), 500);
  EXPECT_TRUE(log.Has("exit 0"));
}

INSTANTIATE_TEST_SUITE_P(
    EachRule, WrongKindOfValue,
    ::testing::Values(WrongValue{"VelURL", "dword", "5", "Invalid data type for 'VelURL'"},
                      WrongValue{"VelActive", "binary", "01000000", "Invalid data type for 'VelActive'"},
                      WrongValue{"VelActive", "binary", "0100000000000000", "Failed to get data for 'VelActive'"},
                      WrongValue{"VelWakeupTime", "binary", "00000000", "Invalid data type for 'VelWakeupTime'"},
                      WrongValue{"VelWakeupTime", "sz", "07:30", "Invalid data type for 'VelWakeupTime'"},
                      WrongValue{"VelNoRestart", "sz", "1", "Invalid data type for 'VelNoRestart'"}),
    [](const ::testing::TestParamInfo<WrongValue>& info) {
      return std::string(info.param.name) + "_" + info.param.type + "_" + std::to_string(info.index);
    });

TEST(SettingsStore, NotANumberWakeUpTimeLoadsWithoutAnError) {
  // A stored NaN passes the type and size checks; the load must take it as it is (an
  // error box would be shown, and closed, before init returns).
  const SimulatorLog log = RunSimulator({"--reset-settings", "--set-value", "VelWakeupTime", "binary",
                                         "000000000000f87f", "--dismiss-boxes", "--run", "0"});
  EXPECT_TRUE(log.Has("init returned 0")) << log.Text();
  EXPECT_FALSE(log.Has("message box")) << log.Text();
}

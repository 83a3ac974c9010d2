#pragma once
// The simulator's command line. Tests and the demo script build these options, so the
// names and meanings stay as they are.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/player-sim/ArmMinute.h"
#include "tools/player-sim/PlayerState.h"
#include "tools/player-sim/SettingsWriter.h"

struct SimOptions {
  bool help = false;
  std::string pluginPath;  // empty: gen_Rousa.dll beside the simulator
  int exportCalls = 1;
  bool callConfig = false;
  unsigned long stallMs = 0;
  unsigned long runMs = 3000;
  std::string runUntil;               // non-empty: the run period ends when a line starting so is logged
  unsigned long giveUpSeconds = 120;  // ... or after this long
  bool callQuit = true;
  unsigned long afterUnloadMs = 0;
  unsigned long callLimitMs = 120000;  // 0: no limit
  bool dismissBoxes = false;
  bool screenReader = false;  // log the accessibility events of the plug-in's windows
  std::string uiSteps;        // a user's steps at the plug-in's windows (UiScript.h)

  std::vector<std::string> playlist;
  PlayState state = PlayState::stopped;
  std::optional<std::int32_t> position;
  bool playerWindowFindable = true;
  bool fillParentWindow = true;
  std::vector<std::string> silentEntries;  // their play position never moves
  std::optional<int> trackSeconds;         // every entry's length, when given
  std::wstring settingsFolder;             // the answer to WM_USER 335 and 1335; empty: none
  long playerVersion = 0x5666;             // the answer to WM_USER lParam 0
  std::optional<long> quitInside;          // the WM_USER lParam whose handling calls quit
  bool menusAnswered = true;               // WM_USER lParam 281 answers the player's menus

  bool resetSettings = false;
  std::optional<ArmRequest> arm;
  std::optional<std::string> url;
  std::optional<bool> streaming;
  std::optional<bool> maxVolume;
  std::optional<bool> snooze;
  std::optional<bool> noRestart;
  std::optional<bool> active;
  std::vector<RawSettingEdit> rawEdits;
  std::vector<RawSettingEdit> configEdits;  // applied right before config; implies --config
  bool dumpSettings = false;
  std::vector<std::string> history;  // velhistory.ini beside the simulator, when given
  bool historyGiven = false;
  bool historyReadOnly = false;
  bool dumpHistory = false;

  std::string logPath;
  bool reportCpu = false;
  bool reportMemory = false;
};

class OptionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Throws OptionError saying what is wrong with the command line.
SimOptions ParseOptions(int argc, char** argv);

const char* UsageText();

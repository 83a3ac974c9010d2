// player-sim: stands in for the Winamp player so that the plug-in can be demonstrated
// and tested without it. Its options and log lines are read by the tests.
#include <windows.h>

#include <cstdio>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "alarm/SettingsRecord.h"
#include "tools/player-sim/AbnormalEnd.h"
#include "tools/player-sim/BoxDismisser.h"
#include "tools/player-sim/DebugOutput.h"
#include "tools/player-sim/ExitCodes.h"
#include "tools/player-sim/LogText.h"
#include "tools/player-sim/PlayerWindow.h"
#include "tools/player-sim/PluginSession.h"
#include "tools/player-sim/ScreenReader.h"
#include "tools/player-sim/SettingsDump.h"
#include "tools/player-sim/SettingsWriter.h"
#include "tools/player-sim/SimHistory.h"
#include "tools/player-sim/SimLog.h"
#include "tools/player-sim/SimOptions.h"
#include "tools/player-sim/UiScript.h"

namespace {
constexpr const char* PluginFileName = "gen_Rousa.dll";

void WriteSettings(SimLog& log, const SimOptions& options) {
  SettingsWriter settings(log);
  if (options.resetSettings) settings.DeleteKey();
  if (options.arm) {
    const ClockMinute minute = ChooseArmMinute(*options.arm, [&log](unsigned long wait) {
      log.Line(Format("waiting %lu ms for the next minute", wait));
    });
    settings.Arm(minute.hour, minute.minute);
  }
  if (options.url) settings.WriteText(SettingNames::URL, *options.url);
  if (options.streaming) settings.WriteFlag(SettingNames::Streaming, *options.streaming);
  if (options.maxVolume) settings.WriteFlag(SettingNames::Volume, *options.maxVolume);
  if (options.snooze) settings.WriteFlag(SettingNames::Snooze, *options.snooze);
  if (options.noRestart) settings.WriteFlag(SettingNames::NoRestart, *options.noRestart);
  if (options.active) settings.WriteFlag(SettingNames::Active, *options.active);
  settings.Apply(options.rawEdits);
}

int Simulate(SimLog& log, const SimOptions& options) {
  ReportCrashes(log);
  LogDebugOutput(log);
  // A plug-in that cannot be loaded is reported in the log, never by a system box.
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX | SEM_NOGPFAULTERRORBOX);
  WriteSettings(log, options);
  if (options.historyGiven) PrepareHistory(log, options.history, options.historyReadOnly);
  PlayerState initialState(options.playlist, options.state, options.position);
  initialState.SetSilentEntries(options.silentEntries);
  initialState.SetTrackSeconds(options.trackSeconds);
  PlayerWindow player(log, std::move(initialState), options.playerWindowFindable);
  player.AnswerSettingsFolder(options.settingsFolder);
  player.AnswerVersion(options.playerVersion);
  if (!options.menusAnswered) player.Menus().Withhold();
  std::optional<BoxDismisser> dismisser;
  if (options.dismissBoxes) dismisser.emplace(log);
  std::optional<ScreenReaderEvents> screenReader;
  if (options.screenReader) screenReader.emplace(log);
  std::optional<UiScript> user;
  if (!options.uiSteps.empty()) user.emplace(log, player, options.uiSteps);
  const int exitCode = PluginSession(log, player, options,
                                     options.pluginPath.empty() ? BesideSimulator(PluginFileName) : options.pluginPath)
                           .Run();
  if (options.afterUnloadMs > 0) {
    log.Line(Format("after unload %lu ms", options.afterUnloadMs));
    player.HandleMessagesFor(options.afterUnloadMs);
  }
  if (options.dumpSettings) DumpSettings(log);
  if (options.dumpHistory) DumpHistory(log);
  return exitCode;
}
}  // namespace

int main(int argc, char** argv) {
  try {
    SimOptions options;
    try {
      options = ParseOptions(argc, argv);
    } catch (const OptionError& error) {
      std::fprintf(stderr, "player-sim: %s\n\n%s", error.what(), UsageText());
      return ExitBadCommandLine;
    }
    if (options.help) {
      std::fputs(UsageText(), stdout);
      return ExitNormal;
    }
    std::unique_ptr<SimLog> log;
    try {
      log = std::make_unique<SimLog>(options.logPath);
    } catch (const std::exception& error) {
      std::fprintf(stderr, "player-sim: %s\n", error.what());
      return ExitSimulatorFailed;
    }
    int exitCode = ExitSimulatorFailed;
    try {
      exitCode = Simulate(*log, options);
    } catch (const std::exception& error) {
      log->Line(Format("simulator failed: %s", error.what()));
    } catch (...) {
      log->Line("simulator failed: unknown exception");
    }
    log->Line(Format("exit %d", exitCode));
    return exitCode;
  } catch (...) {
    std::fputs("player-sim: unexpected failure\n", stderr);
    return ExitSimulatorFailed;
  }
}

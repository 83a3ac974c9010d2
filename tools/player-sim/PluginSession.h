#pragma once
// One life of the plug-in as the player gives it: load, export, header filled in,
// init, (config), run, quit, unload; each step logged, each call into the plug-in
// bounded by the call limit.
#include <windows.h>

#include <functional>
#include <string>

#include "plugin/PluginHeader.h"
#include "runtime/MonotonicClock.h"
#include "runtime/NonCopyable.h"

class PlayerWindow;
class SimLog;
struct SimOptions;

class PluginSession : NonCopyable {
 public:
  PluginSession(SimLog& log, PlayerWindow& player, const SimOptions& options, std::string pluginPath);
  // A module still loaded here had its quit skipped by an error: its threads may still
  // run, so it stays mapped until the process ends rather than being freed under them.
  ~PluginSession() = default;

  // Returns the exit code: 0, or 2 when the plug-in could not be loaded or started.
  int Run();

 private:
  bool Load();
  PluginHeader* CallExport();
  bool Start(PluginHeader& header);
  void Configure(PluginHeader& header);
  // Logs around the call; `calling` runs right before it (the user's config step waits for that).
  void CallConfig(PluginHeader& header, const std::function<void()>& calling = {});
  void ServeConfigRequests(PluginHeader& header);
  void RunPeriod();
  void RunUntilLogged();
  void Stop(PluginHeader& header);
  void Unload();

  SimLog& log_;
  PlayerWindow& player_;
  const SimOptions& options_;
  std::string path_;
  std::string loadedPath_;
  HMODULE module_ = nullptr;
  MonotonicClock::time_point loadBegan_;
  bool quitCalled_ = false;
  unsigned long workingSetBeforeLoad_ = 0;
};

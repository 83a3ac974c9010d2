#include "tools/player-sim/PluginSession.h"

#include <psapi.h>

#include <utility>
#include <vector>

#include "runtime/SystemError.h"
#include "tools/player-sim/AbnormalEnd.h"
#include "tools/player-sim/CallLimit.h"
#include "tools/player-sim/ExitCodes.h"
#include "tools/player-sim/LogText.h"
#include "tools/player-sim/PlayerWindow.h"
#include "tools/player-sim/SettingsWriter.h"
#include "tools/player-sim/SimLog.h"
#include "tools/player-sim/SimOptions.h"

namespace {
using Clock = MonotonicClock;

long long MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

// User plus kernel time of the whole process, in milliseconds (to 0.1 microsecond).
double ProcessCpuMilliseconds() {
  FILETIME created, exited, kernel, user;
  if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) return 0;
  const auto ticks = [](const FILETIME& time) {
    return (static_cast<long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
  };
  return static_cast<double>(ticks(kernel) + ticks(user)) / 10000.0;
}

// The process's working set in KiB, 0 when it cannot be read.
unsigned long WorkingSetKiB() {
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof counters;
  if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) return 0;
  return static_cast<unsigned long>(counters.WorkingSetSize / 1024);
}

std::string ModuleFileName(HMODULE module) {
  std::vector<char> name(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameA(module, name.data(), static_cast<DWORD>(name.size()));
    if (length == 0) return std::string();
    if (length < name.size()) return std::string(name.data(), length);
    name.resize(name.size() * 2);
  }
}
}  // namespace

PluginSession::PluginSession(SimLog& log, PlayerWindow& player, const SimOptions& options, std::string pluginPath)
    : log_(log), player_(player), options_(options), path_(std::move(pluginPath)) {}

int PluginSession::Run() {
  if (!Load()) {
    player_.ConfigCalls().Close("the plug-in is not loaded");
    return ExitPluginNotStarted;
  }
  PluginHeader* header = CallExport();
  if (!header || !Start(*header)) {
    player_.ConfigCalls().Close("the plug-in did not start");
    log_.Line("quit skipped");
    Unload();
    return ExitPluginNotStarted;
  }
  if (options_.quitInside) player_.RunInsideHandling(*options_.quitInside, [this, header] { Stop(*header); });
  ServeConfigRequests(*header);
  if (options_.callConfig) Configure(*header);
  RunPeriod();
  Stop(*header);
  Unload();
  return ExitNormal;
}

bool PluginSession::Load() {
  workingSetBeforeLoad_ = WorkingSetKiB();
  loadBegan_ = Clock::now();
  DWORD error;
  {
    CallLimit limit(log_, "LoadLibrary", options_.callLimitMs);
    module_ = LoadLibraryA(path_.c_str());
    error = GetLastError();
  }
  if (!module_) {
    log_.Line(Format("load failed: %s: %s", path_.c_str(), SystemErrorText(error).c_str()));
    return false;
  }
  ReportCrashes(log_);
  loadedPath_ = ModuleFileName(module_);
  log_.Line("loaded " + Quoted(path_));
  return true;
}

PluginHeader* PluginSession::CallExport() {
  // Through void*: the export's real type is not the generic FARPROC.
  const auto exported =
      reinterpret_cast<PluginExportFunction>(reinterpret_cast<void*>(GetProcAddress(module_, PluginExportName)));
  if (!exported) {
    log_.Line("export missing");
    return nullptr;
  }
  if (options_.exportCalls == 0) {
    log_.Line("export not called");
    return nullptr;
  }
  PluginHeader* header = nullptr;
  for (int call = 0; call < options_.exportCalls; ++call) {
    {
      CallLimit limit(log_, PluginExportName, options_.callLimitMs);
      header = exported();
    }
    if (!header) {
      log_.Line("export returned no header");
      return nullptr;
    }
    log_.Line(Format("export: header at %s, version %d, description %s", HexAddress(header).c_str(), header->version,
                     header->description ? Quoted(header->description).c_str() : "(none)"));
  }
  header->parentWindow = options_.fillParentWindow ? player_.Handle() : nullptr;
  header->moduleInstance = module_;
  log_.Line(Format("header filled: parent window %s, module instance %s", HexAddress(header->parentWindow).c_str(),
                   HexAddress(header->moduleInstance).c_str()));
  return header;
}

bool PluginSession::Start(PluginHeader& header) {
  if (!header.init) {
    log_.Line("init missing");
    return false;
  }
  int result;
  {
    CallLimit limit(log_, "init", options_.callLimitMs);
    result = header.init();
  }
  log_.Line(Format("init returned %d (%lld ms after load began)", result, MillisecondsSince(loadBegan_)));
  if (options_.reportMemory)
    log_.Line(Format("working set %lu KiB before load, %lu KiB after init", workingSetBeforeLoad_, WorkingSetKiB()));
  // A player does not keep a plug-in whose init failed; it unloads it without quit.
  return result == 0;
}

void PluginSession::Configure(PluginHeader& header) {
  if (!header.config) {
    log_.Line("config missing");
    return;
  }
  if (!options_.configEdits.empty()) SettingsWriter(log_).Apply(options_.configEdits);
  CallConfig(header);
}

void PluginSession::CallConfig(PluginHeader& header, const std::function<void()>& calling) {
  log_.Line("config called");
  if (calling) calling();
  {
    CallLimit limit(log_, "config", options_.callLimitMs);
    header.config();
  }
  log_.Line("config returned");
}

void PluginSession::ServeConfigRequests(PluginHeader& header) {
  if (!header.config) {
    player_.ConfigCalls().Refuse("the plug-in has no config");
    return;
  }
  player_.ConfigCalls().Serve([this, &header](const std::function<void()>& calling) { CallConfig(header, calling); });
}

void PluginSession::RunPeriod() {
  if (options_.stallMs > 0) {
    log_.Line(Format("stall %lu ms", options_.stallMs));
    Sleep(options_.stallMs);
  }
  const auto began = Clock::now();
  const double cpuBefore = ProcessCpuMilliseconds();
  if (options_.runUntil.empty()) {
    log_.Line(Format("run %lu ms", options_.runMs));
    player_.HandleMessagesFor(options_.runMs);
  } else {
    RunUntilLogged();
  }
  if (options_.reportCpu) {
    log_.Line(Format("cpu %.3f ms in %lld ms", ProcessCpuMilliseconds() - cpuBefore, MillisecondsSince(began)));
  }
}

void PluginSession::RunUntilLogged() {
  const std::string& awaited = options_.runUntil;
  log_.Line(Format("run until %s, giving up after %lu s", Quoted(awaited).c_str(), options_.giveUpSeconds));
  const auto began = Clock::now();
  player_.HandleMessagesFor(options_.giveUpSeconds * 1000, [&] { return log_.HasLine(awaited); });
  const char* outcome = log_.HasLine(awaited) ? "seen" : "not seen";
  log_.Line(Format("run until: %s %s after %lld ms", Quoted(awaited).c_str(), outcome, MillisecondsSince(began)));
}

void PluginSession::Stop(PluginHeader& header) {
  if (quitCalled_) return;  // already, from inside a message's handling
  quitCalled_ = true;
  player_.ConfigCalls().Close("the plug-in has been shut down");
  if (!options_.callQuit) {
    log_.Line("quit skipped");
    return;
  }
  if (!header.quit) {
    log_.Line("quit missing");
    return;
  }
  log_.Line("quit called");
  const auto began = Clock::now();
  {
    CallLimit limit(log_, "quit", options_.callLimitMs);
    header.quit();
  }
  log_.Line(Format("quit returned after %lld ms", MillisecondsSince(began)));
  log_.Line(std::string("window procedure after quit: ") + player_.WindowProcedureOwner());
}

void PluginSession::Unload() {
  BOOL freed;
  DWORD error;
  {
    CallLimit limit(log_, "FreeLibrary", options_.callLimitMs);
    freed = FreeLibrary(module_);
    error = GetLastError();
  }
  if (!freed) {
    log_.Line("unload failed: " + SystemErrorText(error));
  } else {
    log_.Line("unloaded");
  }
  module_ = nullptr;
  const bool mapped = !loadedPath_.empty() && GetModuleHandleA(loadedPath_.c_str()) != nullptr;
  log_.Line(mapped ? "module still mapped after unload" : "module gone after unload");
}

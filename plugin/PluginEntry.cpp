// The module's entry points: the load and unload notifications, the export the player
// looks for, and the three callbacks of the plug-in header. Nothing thrown here may
// reach the player.
#include <windows.h>

#include "plugin/AlarmClock.h"
#include "plugin/Configuration.h"
#include "plugin/PluginHeader.h"
#include "runtime/ControlClass.h"
#include "runtime/ErrorBox.h"

namespace {

PluginHeader header;  // static storage: zero-filled until the export first runs

TGPFWinAmpGenericPlugin* GetGeneralPlugin() {
  if (!alarmClock) alarmClock = new AlarmClock(nullptr);
  return alarmClock->GeneralPlugin;
}

int InitCallback() {
  int answer = 0;
  ShowingErrors([&] {
    TGPFWinAmpGenericPlugin* plugin = GetGeneralPlugin();
    if (plugin->OnInit) answer = plugin->OnInit(plugin);
  });
  return answer;
}

void ConfigCallback() {
  ShowingErrors([] {
    TGPFWinAmpGenericPlugin* plugin = GetGeneralPlugin();
    RunConfiguration(*alarmClock);
    if (plugin->OnConfig) plugin->OnConfig(plugin);
  });
}

void QuitCallback() {
  ShowingErrors([] {
    TGPFWinAmpGenericPlugin* plugin = GetGeneralPlugin();
    if (plugin->OnQuit) plugin->OnQuit(plugin);
  });
}

}  // namespace

extern "C" __declspec(dllexport) PluginHeader* winampGetGeneralPurposePlugin() {
  ShowingErrors([] {
    TGPFWinAmpGenericPlugin* plugin = GetGeneralPlugin();
    header.version = PluginHeaderVersion;
    header.description = plugin->Description().c_str();
    header.init = &InitCallback;
    header.config = &ConfigCallback;
    header.quit = &QuitCallback;
    plugin->SetPluginHeader(&header);
  });
  return &header;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
  // The alarm is made by the export's first call, which the player makes right after
  // the load: under the loader's lock nothing may read the registry, start a thread or
  // show a box.
  if (reason == DLL_PROCESS_DETACH) {
    // The worker is not touched: it holds this module loaded while it runs, so an
    // unload only gets here once it has ended (or the process is ending).
    delete alarmClock;
    alarmClock = nullptr;
    // A module unloaded while the process goes on must leave no class pointing at it.
    if (!reserved) UnregisterControlClass();
  }
  return TRUE;
}

#include "core/DataModule.h"

#include "core/SettingsStore.h"
#include "runtime/ErrorBox.h"
#include "runtime/Exception.h"

Tdata* data = nullptr;

namespace {
TMyThread* worker = nullptr;  // owned here; ended and destroyed by the quit callback

// A player may call quit while it handles a message the worker sent: the worker then
// waits for that handler and the handler for the worker. Quit stops waiting after this.
constexpr DWORD QuitWaitMs = 5000;
}

Tdata::Tdata(TComponent* owner)
    : TComponent(owner),
      WinampControl(new TGPFWinAmpControl(this)),
      GeneralPlugin(new TGPFWinAmpGenericPlugin(this)),
      settingsChanged_(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {
  WinampControl->SetWindowClassName("Winamp v1.x");
  GeneralPlugin->SetDescription("Velmora Wakeup by Orvik");
  GeneralPlugin->OnInit = [this](TComponent* sender) { return GeneralPluginInit(sender); };
  GeneralPlugin->OnQuit = [this](TComponent* sender) { GeneralPluginQuit(sender); };
  WinampControl->SetPlugin(GeneralPlugin);
  ShowingErrors([this] { DataModuleCreate(this); }, "Unknown error while starting the alarm");
}

SettingsRecord Tdata::Settings() const {
  LockHolder hold(settingsLock_);
  return settings_;
}

void Tdata::ReplaceSettings(const SettingsRecord& settings) {
  {
    LockHolder hold(settingsLock_);
    settings_ = settings;
  }
  SetEvent(settingsChanged_.Get());
}

void Tdata::SetWakeUp(TTime wakeUp) {
  LockHolder hold(settingsLock_);
  settings_.VelWakeUp = wakeUp;
  settings_.VelSnoozed = true;
  SetEvent(settingsChanged_.Get());
}

void Tdata::RecordRing(const std::string& lastRung) {
  {
    LockHolder hold(settingsLock_);
    settings_.VelLastRung = lastRung;
    settings_.VelSnoozed = false;
  }
  // Kept for a player restarted within the ringing minute. A registry that refuses it
  // must not stop the ring under way: this run still remembers it.
  try {
    SaveLastRung(lastRung);
  } catch (const std::exception&) {
  }
}

void Tdata::ApplyAlarmOptions(const SettingsRecord& options) {
  LockHolder hold(settingsLock_);
  settings_.VelDays = options.VelDays;
  settings_.VelSkipDate = options.VelSkipDate;
  settings_.VelSnoozeSeconds = options.VelSnoozeSeconds;
  settings_.VelFadeSeconds = options.VelFadeSeconds;
  settings_.VelFallbackSeconds = options.VelFallbackSeconds;
  settings_.VelFallbackFile = options.VelFallbackFile;
  SetEvent(settingsChanged_.Get());
}

void Tdata::RequestTrialRing(const SettingsRecord& settings) {
  if (!worker) return;
  worker->RequestTrialRing(settings);
  SetEvent(settingsChanged_.Get());  // the worker's wait ends and it takes the trial at once
}

void Tdata::Disarm() {
  LockHolder hold(settingsLock_);
  settings_.VelPluginActive = false;
  SetEvent(settingsChanged_.Get());
}

void Tdata::LoadSettings() {
  // Read into a copy, outside the lock: the registry is slow next to a worker's pass.
  SettingsRecord fresh = Settings();
  fresh.VelSnoozed = false;  // the stored wake-up time replaces a snoozed one
  const ScopeGuard publish([&] { ReplaceSettings(fresh); });  // also what was read before a failure
  ::LoadSettings(fresh);
}

void Tdata::DataModuleCreate(TComponent*) {
  if (!settingsChanged_) throw Exception("Cannot create the alarm's settings signal");
  LoadSettings();
  worker = new TMyThread(*WinampControl, *WinampControl, *this, *this);
}

int Tdata::GeneralPluginInit(TComponent*) { return 0; }

void Tdata::GeneralPluginQuit(TComponent*) {
  if (!worker) return;
  // The wait handles the player's messages meanwhile. A worker still running after it
  // is left to end on its own: it holds this module loaded until then, and its object,
  // which it runs on, is not freed under it.
  if (worker->Stop(QuitWaitMs)) delete worker;
  worker = nullptr;
}

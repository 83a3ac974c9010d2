#include "plugin/AlarmClock.h"

#include "plugin/SettingsStore.h"
#include "runtime/ErrorBox.h"
#include "runtime/Exception.h"

AlarmClock* alarmClock = nullptr;

namespace {
AlarmWorker* worker = nullptr;  // owned here; ended and destroyed by the quit callback

// A player may call quit while it handles a message the worker sent: the worker then
// waits for that handler and the handler for the worker. Quit stops waiting after this.
constexpr DWORD QuitWaitMs = 5000;
}

AlarmClock::AlarmClock(TComponent* owner)
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

SettingsRecord AlarmClock::Settings() const {
  LockHolder hold(settingsLock_);
  return settings_;
}

void AlarmClock::ReplaceSettings(const SettingsRecord& settings) {
  {
    LockHolder hold(settingsLock_);
    settings_ = settings;
  }
  SetEvent(settingsChanged_.Get());
}

void AlarmClock::SetWakeUp(TTime wakeUp) {
  LockHolder hold(settingsLock_);
  settings_.VelWakeupTime = wakeUp;
  settings_.VelSnoozed = true;
  SetEvent(settingsChanged_.Get());
}

void AlarmClock::RecordRing(const std::string& lastRung) {
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

void AlarmClock::ApplyAlarmOptions(const SettingsRecord& options) {
  LockHolder hold(settingsLock_);
  settings_.VelDays = options.VelDays;
  settings_.VelSkipDate = options.VelSkipDate;
  settings_.VelSnoozeSeconds = options.VelSnoozeSeconds;
  settings_.VelFadeSeconds = options.VelFadeSeconds;
  settings_.VelFallbackSeconds = options.VelFallbackSeconds;
  settings_.VelFallbackFile = options.VelFallbackFile;
  SetEvent(settingsChanged_.Get());
}

void AlarmClock::RequestTrialRing(const SettingsRecord& settings) {
  if (!worker) return;
  worker->RequestTrialRing(settings);
  SetEvent(settingsChanged_.Get());  // the worker's wait ends and it takes the trial at once
}

void AlarmClock::Disarm() {
  LockHolder hold(settingsLock_);
  settings_.VelActive = false;
  SetEvent(settingsChanged_.Get());
}

void AlarmClock::LoadSettings() {
  // Read into a copy, outside the lock: the registry is slow next to a worker's pass.
  SettingsRecord fresh = Settings();
  fresh.VelSnoozed = false;  // the stored wake-up time replaces a snoozed one
  const ScopeGuard publish([&] { ReplaceSettings(fresh); });  // also what was read before a failure
  ::LoadSettings(fresh);
}

void AlarmClock::DataModuleCreate(TComponent*) {
  if (!settingsChanged_) throw Exception("Cannot create the alarm's settings signal");
  LoadSettings();
  worker = new AlarmWorker(*WinampControl, *WinampControl, *this, *this);
}

int AlarmClock::GeneralPluginInit(TComponent*) { return 0; }

void AlarmClock::GeneralPluginQuit(TComponent*) {
  if (!worker) return;
  // The wait handles the player's messages meanwhile. A worker still running after it
  // is left to end on its own: it holds this module loaded until then, and its object,
  // which it runs on, is not freed under it.
  if (worker->Stop(QuitWaitMs)) delete worker;
  worker = nullptr;
}

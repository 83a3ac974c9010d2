#include "core/DataModule.h"

#include "core/AlarmWorker.h"
#include "core/SettingsStore.h"
#include "runtime/ErrorBox.h"

Tdata* data = nullptr;

namespace {
TMyThread* worker = nullptr;  // owned here; ended and destroyed by the quit callback
}

Tdata::Tdata(TComponent* owner)
    : TComponent(owner), WinampControl(new TGPFWinAmpControl(this)), GeneralPlugin(new TGPFWinAmpGenericPlugin(this)) {
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
  LockHolder hold(settingsLock_);
  settings_ = settings;
}

void Tdata::SetWakeUp(TTime wakeUp) {
  LockHolder hold(settingsLock_);
  settings_.VelWakeUp = wakeUp;
  settings_.VelSnoozed = true;
}

void Tdata::RecordRing(const std::string& lastRung) {
  std::lock_guard<std::mutex> hold(settingsLock_);
  settings_.VelLastRung = lastRung;
  settings_.VelSnoozed = false;
}

void Tdata::Disarm() {
  LockHolder hold(settingsLock_);
  settings_.VelPluginActive = false;
}

void Tdata::LoadSettings() {
  // Read into a copy, outside the lock: the registry is slow next to a worker's pass.
  SettingsRecord fresh = Settings();
  fresh.VelSnoozed = false;  // the stored wake-up time replaces a snoozed one
  try {
    ::LoadSettings(fresh);
  } catch (...) {
    ReplaceSettings(fresh);
    throw;
  }
  ReplaceSettings(fresh);
}

void Tdata::DataModuleCreate(TComponent*) {
  LoadSettings();
  worker = new TMyThread();
  worker->DataModule = this;
  worker->Start();
}

int Tdata::GeneralPluginInit(TComponent*) { return 0; }

void Tdata::GeneralPluginQuit(TComponent*) {
  delete worker;  // requests the end and waits for it, handling the player's messages meanwhile
  worker = nullptr;
}

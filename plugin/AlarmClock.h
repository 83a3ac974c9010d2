#pragma once
// The plug-in's one data module: owns the player remote control and the plug-in
// component, holds the settings record, and starts and stops the alarm worker.
#include "plugin/AlarmWorker.h"
#include "plugin/GenericPlugin.h"
#include "alarm/SettingsRecord.h"
#include "dialogs/SnoozeWindow.h"
#include "player/WinAmpControl.h"
#include "runtime/Lock.h"
#include "runtime/ScopedHandles.h"

class AlarmClock : public TComponent, public AlarmRecord, public SnoozeTarget {
 public:
  // Builds the components, then runs DataModuleCreate; an error there is shown in the
  // application's error box and leaves the alarm unstarted.
  explicit AlarmClock(TComponent* owner);

  TGPFWinAmpControl* const WinampControl;
  TGPFWinAmpGenericPlugin* const GeneralPlugin;

  // A copy of the record taken under its lock. The worker reads the record on its own
  // thread while the player's thread reloads it.
  SettingsRecord Settings() const override;
  // Re-reads the record from the registry; on an error every readable field still
  // takes its new value and the first error passes on.
  void LoadSettings();
  HANDLE ChangedEvent() const override { return settingsChanged_.Get(); }

  // What the snooze window changes: the player's volume and the in-memory record.
  void SetVolume(std::uint8_t volume) override { WinampControl->SetVolume(volume); }
  void SetWakeUp(TTime wakeUp) override;
  void Disarm() override;
  // The worker rang: the once-a-day record, and the snooze it rang for is spent.
  void RecordRing(const std::string& lastRung) override;

  // The alarm options' fields of `options` into the record.
  void ApplyAlarmOptions(const SettingsRecord& options);
  // A ring at once on the worker's thread, as the alarm would ring with `settings`,
  // that leaves the schedule alone.
  void RequestTrialRing(const SettingsRecord& settings);

  void DataModuleCreate(TComponent* sender);
  int GeneralPluginInit(TComponent* sender);
  void GeneralPluginQuit(TComponent* sender);

 private:
  void ReplaceSettings(const SettingsRecord& settings);

  ScopedHandle settingsChanged_;
  mutable Lock settingsLock_;
  SettingsRecord settings_;
};

// The module's single data module, created on first use.
extern AlarmClock* alarmClock;

#pragma once
// The plug-in's one alarm: owns the player remote control and the plug-in component,
// holds the settings and the ring record (last ring, snooze) in memory, and starts and
// stops the alarm worker. Everything that changes the alarm goes through here, which
// writes the registry and tells the worker; nothing reads the registry over it again.
#include "alarm/NextRing.h"
#include "alarm/SettingsRecord.h"
#include "plugin/AlarmWorker.h"
#include "plugin/GenericPlugin.h"
#include "plugin/RingSession.h"
#include "player/WinAmpControl.h"
#include "runtime/Lock.h"
#include "runtime/ScopedHandles.h"

class AlarmClock : public TComponent, public AlarmRecord, public RingAnswers {
 public:
  // Builds the components, reads the settings (writing the defaults of the seven
  // original values) and starts the worker; an error there is shown in the
  // application's error box and leaves the alarm unstarted.
  explicit AlarmClock(TComponent* owner);

  TGPFWinAmpControl* const WinampControl;
  TGPFWinAmpGenericPlugin* const GeneralPlugin;

  // The worker's view.
  SettingsRecord Settings() const override;
  HANDLE ChangedEvent() const override { return settingsChanged_.Get(); }
  UtcMs WatchedSince(const SettingsRecord& settings, UtcMs now) override;
  void RecordRing(const RingSlot& slot, UtcMs now) override;
  void DropSnooze() override;

  // The snooze window's answers, from the ring's thread.
  void Snooze(UtcMs pressed) override;
  void EndRing() override;

  // "Save settings": the seven values of `fromDialog` into the registry, then here. A
  // pending snooze stays unless the alarm is switched off.
  void SaveDialogSettings(const SettingsRecord& fromDialog);
  // The alarm options' "OK": their values into the registry, then here.
  void SaveAlarmOptions(const SettingsRecord& options);
  // When `shown` (a window's settings, saved or not) would ring next at `now`, with
  // this alarm's ring record and the worker's watch, exactly as the worker plans.
  // Without `countSnooze` a pending snooze is left out.
  std::optional<RingSlot> NextRingOf(SettingsRecord shown, UtcMs now, bool countSnooze) const;
  // A ring at once on the worker's thread, as the alarm would ring with `settings`,
  // that leaves the schedule alone.
  void RequestTrialRing(const SettingsRecord& settings);

  int GeneralPluginInit(TComponent* sender);
  void GeneralPluginQuit(TComponent* sender);

 private:
  void Start();
  // Changes the record under the lock and tells the worker.
  template <typename Change>
  void Update(const Change& change);
  // Clears the snooze in memory and in the registry (a registry that refuses is traced:
  // the memory alone still keeps it from ringing in this run).
  void ForgetSnooze();

  ScopedHandle settingsChanged_;
  mutable Lock settingsLock_;
  SettingsRecord settings_;
  ScheduleWatch watch_;
};

// The module's one alarm clock, created on the export's first call.
extern AlarmClock* alarmClock;

#pragma once
// The plug-in's alarms: owns the player remote control and the plug-in component, holds
// every alarm's settings and ring record (last ring, snooze) in memory, and starts and
// stops the alarm worker. Everything that changes an alarm goes through here, which
// writes the registry and tells the worker; nothing reads the registry over it again.
#include <vector>

#include "alarm/AlarmList.h"
#include "alarm/WakeReadiness.h"
#include "player/WinAmpControl.h"
#include "plugin/AlarmWorker.h"
#include "plugin/GenericPlugin.h"
#include "plugin/MissedNotice.h"
#include "plugin/PlayerMenu.h"
#include "plugin/PlayerSleepTimer.h"
#include "plugin/RingSession.h"
#include "runtime/Lock.h"
#include "runtime/ScopedHandles.h"

class AlarmClock : public TComponent, public AlarmRecord, public RingAnswers {
 public:
  // Builds the components, reads the alarms (writing the defaults of alarm 1's seven
  // original values) and starts the worker; an error there is shown in the
  // application's error box and leaves the alarm unstarted.
  explicit AlarmClock(TComponent* owner);

  TGPFWinAmpControl* const WinampControl;
  TGPFWinAmpGenericPlugin* const GeneralPlugin;

  // Alarm 1, the configuration dialog's.
  SettingsRecord Settings() const;
  // A number every alarm shares (the settings table's Registry and Global rows).
  int SharedNumber(int SettingsRecord::*field) const;

  // The worker's view.
  AlarmList Alarms() const override;
  HANDLE ChangedEvent() const override { return settingsChanged_.Get(); }
  UtcMs WatchedSince(int number, const SettingsRecord& settings, UtcMs now) override;
  void RecordRing(int number, const RingSlot& slot, UtcMs now) override;
  void DropSnooze(int number) override;
  void RecordPlan(int number, std::optional<UtcMs> ring) override;
  void ReportMissed(int number, UtcMs planned, MissReason reason) override;
  void NoteWakeRefused(bool refused) override { wakeRefused_ = refused; }
  // Whether this PC will wake for an alarm, as Windows and the worker's last timer say.
  PowerFacts Power() const;

  // The snooze window's answers, from the ring's thread, for the alarm that rang.
  void Snooze(int number, UtcMs pressed) override;
  void EndRing(int number) override;

  // "Save settings": alarm 1's seven values of `fromDialog` into the registry, then here.
  // A pending snooze stays unless the alarm is switched off.
  void SaveDialogSettings(const SettingsRecord& fromDialog);
  // The alarm options' "OK": alarm 1's options into the registry, then here.
  void SaveAlarmOptions(const SettingsRecord& options);
  // A value for every alarm (the settings table's Global rows) into the main key, then here.
  void SaveGlobalNumber(int SettingsRecord::*field, const char* name, int value);
  // The "Alarm" window's "OK" and the Alarms window's switches: all of alarm `number`'s values.
  void SaveAlarm(int number, const SettingsRecord& settings);
  // A new alarm with the lowest free number, or 0 when there are MaxAlarms already.
  int AddAlarm(const SettingsRecord& settings);
  // Alarm `number` and its subkey gone; alarm 1 stays.
  void DeleteAlarm(int number);
  // When alarm `number` with `shown` (a window's settings, saved or not) would ring next
  // at `now`, with that alarm's ring record and the worker's watch, exactly as the worker
  // plans. Without `countSnooze` a pending snooze is left out.
  std::optional<RingSlot> NextRingOf(int number, SettingsRecord shown, UtcMs now, bool countSnooze) const;
  // The next ring over every alarm, as the worker plans it.
  std::optional<AlarmRing> NextAlarm(UtcMs now) const;
  // A ring at once on the worker's thread, as the alarm would ring with `settings`,
  // that leaves the schedule alone.
  void RequestTrialRing(const SettingsRecord& settings);

  int GeneralPluginInit(TComponent* sender);
  void GeneralPluginQuit(TComponent* sender);

 private:
  struct WatchedAlarm {
    NumberedAlarm alarm;
    ScheduleWatch watch;
  };

  void Start();
  // Changes alarm `number` under the lock, when it exists, and tells the worker; false
  // when there is no such alarm.
  template <typename Change>
  bool Update(int number, const Change& change);
  WatchedAlarm* Find(int number);
  const WatchedAlarm* Find(int number) const;
  // Clears alarm `number`'s snooze in memory and in the registry (a registry that refuses
  // is traced: the memory alone still keeps it from ringing in this run).
  void ForgetSnooze(int number);

  ScopedHandle settingsChanged_;
  std::unique_ptr<MissedNotice> missed_;
  PlayerSleepTimer sleepTimer_{*this};
  std::unique_ptr<PlayerMenu> menu_;  // from init to quit
  volatile bool wakeRefused_ = false;
  mutable Lock settingsLock_;
  std::vector<WatchedAlarm> alarms_;  // alarm 1 first, then by number
};

// The module's one alarm clock, created on the export's first call.
extern AlarmClock* alarmClock;

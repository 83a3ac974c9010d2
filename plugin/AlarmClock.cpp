#include "plugin/AlarmClock.h"

#include <algorithm>

#include "alarm/SettingsTable.h"
#include "alarm/Snooze.h"
#include "dialogs/AlarmListText.h"
#include "plugin/PowerState.h"
#include "plugin/SettingsStore.h"
#include "plugin/SystemTimeZone.h"
#include "runtime/DebugTrace.h"
#include "runtime/ErrorBox.h"
#include "runtime/Exception.h"
#include "runtime/NumberText.h"

AlarmClock* alarmClock = nullptr;

namespace {
AlarmWorker* worker = nullptr;  // owned here; ended and destroyed by the quit callback

// A player may call quit while it handles a message the worker sent: the worker then
// waits for that handler and the handler for the worker. Quit stops waiting after this.
constexpr DWORD QuitWaitMs = 5000;

// The ring record is kept for a player restarted meanwhile. A registry that refuses it
// must not stop the ring under way: this run still remembers it.
template <typename Write>
void KeepInRegistry(const char* what, const Write& write) {
  try {
    write();
  } catch (const std::exception& error) {
    DebugTrace(std::string(what) + " not stored: " + error.what());
  }
}

// Alarm 1's traces name no number, as they did before there were several.
std::string OfAlarm(int number) { return number == FirstAlarm ? "" : " (alarm " + ZeroPadded(number) + ")"; }
std::string AlarmNumbered(int number) { return number == FirstAlarm ? "" : ZeroPadded(number) + ": "; }

// What a window hands back replaces an alarm's settings; the ring record and the global
// values stay the alarm clock's.
void TakeSettings(SettingsRecord& alarm, const SettingsRecord& edited) {
  for (SettingOwner owner : EditedOwners) CopyValues(owner, edited, alarm);
}
}  // namespace

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
  ShowingErrors([this] { Start(); }, "Unknown error while starting the alarm");
}

void AlarmClock::Start() {
  if (!settingsChanged_) throw Exception("Cannot create the alarm's settings signal");
  {
    // Whatever could be read is kept, also when a value fails; the failure is shown.
    AlarmList loaded;
    const ScopeGuard publish([&] {
      LockHolder hold(settingsLock_);
      for (NumberedAlarm& alarm : loaded) alarms_.push_back(WatchedAlarm{std::move(alarm), ScheduleWatch()});
    });
    LoadAlarms(loaded);
  }
  missed_ = std::make_unique<MissedNotice>();
  worker = new AlarmWorker(*WinampControl, *WinampControl, *this, *this);
}

AlarmClock::WatchedAlarm* AlarmClock::Find(int number) {
  for (WatchedAlarm& watched : alarms_)
    if (watched.alarm.number == number) return &watched;
  return nullptr;
}

const AlarmClock::WatchedAlarm* AlarmClock::Find(int number) const {
  return const_cast<AlarmClock*>(this)->Find(number);
}

template <typename Change>
bool AlarmClock::Update(int number, const Change& change) {
  {
    LockHolder hold(settingsLock_);
    WatchedAlarm* watched = Find(number);
    if (!watched) return false;
    change(watched->alarm.settings);
  }
  SetEvent(settingsChanged_.Get());
  return true;
}

SettingsRecord AlarmClock::Settings() const {
  LockHolder hold(settingsLock_);
  return alarms_.empty() ? SettingsRecord() : alarms_.front().alarm.settings;
}

int AlarmClock::SharedNumber(int SettingsRecord::*field) const {
  static const SettingsRecord defaults;
  LockHolder hold(settingsLock_);
  return (alarms_.empty() ? defaults : alarms_.front().alarm.settings).*field;
}

AlarmList AlarmClock::Alarms() const {
  LockHolder hold(settingsLock_);
  AlarmList alarms;
  for (const WatchedAlarm& watched : alarms_) alarms.push_back(watched.alarm);
  return alarms;
}

UtcMs AlarmClock::WatchedSince(int number, const SettingsRecord& settings, UtcMs now) {
  LockHolder hold(settingsLock_);
  WatchedAlarm* watched = Find(number);
  return watched ? watched->watch.Observe(settings, now) : now;
}

std::optional<RingSlot> AlarmClock::NextRingOf(int number, SettingsRecord shown, UtcMs now, bool countSnooze) const {
  UtcMs since = now;
  {
    LockHolder hold(settingsLock_);
    if (const WatchedAlarm* watched = Find(number)) {
      const SettingsRecord& current = watched->alarm.settings;
      shown.VelLastRung = current.VelLastRung;
      shown.VelSnoozeUntil = current.VelSnoozeUntil;
      shown.VelCatchUpMinutes = current.VelCatchUpMinutes;
      since = watched->watch.SinceFor(shown, now);
    }
    if (!countSnooze) shown.VelSnoozeUntil.reset();
  }
  if (SnoozeIsStale(shown, now)) shown.VelSnoozeUntil.reset();
  return NextRing(shown, now, SystemTimeZone(), since);
}

std::optional<AlarmRing> AlarmClock::NextAlarm(UtcMs now) const {
  AlarmList alarms;
  std::vector<UtcMs> since;
  {
    LockHolder hold(settingsLock_);
    for (const WatchedAlarm& watched : alarms_) {
      alarms.push_back(watched.alarm);
      if (SnoozeIsStale(alarms.back().settings, now)) alarms.back().settings.VelSnoozeUntil.reset();
      since.push_back(watched.watch.SinceFor(watched.alarm.settings, now));
    }
  }
  return EarliestRing(alarms, now, SystemTimeZone(), since);
}

void AlarmClock::RecordRing(int number, const RingSlot& slot, UtcMs now) {
  sleepTimer_.CancelByRing();
  RingRecorded recorded;
  {
    LockHolder hold(settingsLock_);
    WatchedAlarm* watched = Find(number);
    if (!watched) return;
    recorded = RecordRingIn(watched->alarm.settings, slot, now);
  }
  DebugTrace(std::string("ring: ") + (slot.snoozed ? "snooze " : "alarm ") + AlarmNumbered(number) +
             LastRungText(slot));
  RecordPlan(number, std::nullopt);
  if (!slot.snoozed) KeepInRegistry("last ring", [&] { SaveLastRung(number, LastRungText(slot)); });
  if (recorded.snoozeSpent) KeepInRegistry("snooze", [&] { SaveSnoozeUntil(number, std::nullopt); });
  if (recorded.switchedOff) KeepInRegistry("one-off alarm off", [&] { SaveActive(number, false); });
}

void AlarmClock::RecordPlan(int number, std::optional<UtcMs> ring) {
  {
    // Not a change the worker must plan again for: it is the plan.
    LockHolder hold(settingsLock_);
    if (WatchedAlarm* watched = Find(number)) watched->alarm.settings.VelPlannedRing = ring;
  }
  KeepInRegistry("planned ring", [&] { SavePlannedRing(number, ring); });
}

void AlarmClock::ReportMissed(int number, UtcMs planned, MissReason reason) {
  std::string label;
  {
    LockHolder hold(settingsLock_);
    if (const WatchedAlarm* watched = Find(number)) label = watched->alarm.settings.VelLabel;
  }
  if (missed_)
    missed_->Add(MissedRingText(number, label, planned, MissReasonText(reason), SystemTimeZone()),
                 reason == MissReason::Asleep);
}

PowerFacts AlarmClock::Power() const {
  PowerFacts facts = ReadPowerFacts();
  facts.timerRefused = wakeRefused_;
  return facts;
}

void AlarmClock::DropSnooze(int number) {
  DebugTrace("snooze past its catch-up time: dropped" + OfAlarm(number));
  ForgetSnooze(number);
}

void AlarmClock::ForgetSnooze(int number) {
  bool had = false;
  Update(number, [&](SettingsRecord& s) {
    had = s.VelSnoozeUntil.has_value();
    s.VelSnoozeUntil.reset();
  });
  if (had) KeepInRegistry("snooze", [&] { SaveSnoozeUntil(number, std::nullopt); });
}

void AlarmClock::Snooze(int number, UtcMs pressed) {
  std::optional<UtcMs> until;
  Update(number, [&](SettingsRecord& s) {
    // An alarm switched off meanwhile is not brought back by its last ring's window; a
    // one-off one switched itself off and still snoozes.
    if (s.VelActive || s.VelOnce) s.VelSnoozeUntil = until = SnoozeUntil(pressed, s.VelSnoozeSeconds, SystemTimeZone());
  });
  if (!until) return;
  DebugTrace("snoozed until " + UtcText(*until) + OfAlarm(number));
  KeepInRegistry("snooze", [&] { SaveSnoozeUntil(number, until); });
}

void AlarmClock::EndRing(int number) {
  DebugTrace("ring ended by DISABLE" + OfAlarm(number));
  ForgetSnooze(number);
}

void AlarmClock::SaveDialogSettings(const SettingsRecord& fromDialog) {
  SaveSettings(fromDialog);
  Update(FirstAlarm, [&](SettingsRecord& s) { CopyValues(SettingOwner::Dialog, fromDialog, s); });
  if (!fromDialog.VelActive) ForgetSnooze(FirstAlarm);
}

void AlarmClock::SaveAlarmOptions(const SettingsRecord& options) {
  ::SaveAlarmOptions(options);
  Update(FirstAlarm, [&](SettingsRecord& s) { CopyValues(SettingOwner::Options, options, s); });
  SaveGlobalNumber(&SettingsRecord::VelSleepAction, SettingNames::SleepAction, options.VelSleepAction);
}

void AlarmClock::SaveGlobalNumber(int SettingsRecord::*field, const char* name, int value) {
  ::SaveGlobalNumber(name, value);
  LockHolder hold(settingsLock_);
  for (WatchedAlarm& watched : alarms_) watched.alarm.settings.*field = value;
}

void AlarmClock::SaveAlarm(int number, const SettingsRecord& settings) {
  ::SaveAlarm(number, settings);
  Update(number, [&](SettingsRecord& s) { TakeSettings(s, settings); });
  if (!settings.VelActive) ForgetSnooze(number);
}

int AlarmClock::AddAlarm(const SettingsRecord& settings) {
  int number = 0;
  NumberedAlarm added;
  {
    LockHolder hold(settingsLock_);
    AlarmList alarms;
    for (const WatchedAlarm& watched : alarms_) alarms.push_back(watched.alarm);
    number = LowestFreeNumber(alarms);
    if (number == 0) return 0;
    added.number = number;
    added.settings = alarms.front().settings;  // its global values
  }
  TakeSettings(added.settings, settings);
  added.settings.VelLastRung.clear();
  added.settings.VelSnoozeUntil.reset();
  ::SaveAlarm(number, added.settings);
  {
    LockHolder hold(settingsLock_);
    const auto after = std::find_if(alarms_.begin(), alarms_.end(),
                                    [&](const WatchedAlarm& watched) { return watched.alarm.number > number; });
    alarms_.insert(after, WatchedAlarm{added, ScheduleWatch()});
  }
  SetEvent(settingsChanged_.Get());
  return number;
}

void AlarmClock::DeleteAlarm(int number) {
  if (number == FirstAlarm) return;
  DeleteAlarmKey(number);
  {
    LockHolder hold(settingsLock_);
    alarms_.erase(std::remove_if(alarms_.begin(), alarms_.end(),
                                 [&](const WatchedAlarm& watched) { return watched.alarm.number == number; }),
                  alarms_.end());
  }
  SetEvent(settingsChanged_.Get());
}

void AlarmClock::RequestTrialRing(const SettingsRecord& settings) {
  if (!worker) return;
  worker->RequestTrialRing(settings);
  SetEvent(settingsChanged_.Get());  // the worker's wait ends and it takes the trial at once
}

int AlarmClock::GeneralPluginInit(TComponent*) {
  if (HWND player = GeneralPlugin->GetWindowHandle()) menu_ = std::make_unique<PlayerMenu>(*this, sleepTimer_, player);
  return 0;
}

void AlarmClock::GeneralPluginQuit(TComponent*) {
  sleepTimer_.Quit();
  menu_.reset();
  if (!worker) return;
  // The wait handles the player's messages meanwhile. A worker still running after it
  // is left to end on its own: it holds this module loaded until then, and its object,
  // which it runs on, is not freed under it.
  if (worker->Stop(QuitWaitMs)) delete worker;
  worker = nullptr;
  missed_.reset();
}

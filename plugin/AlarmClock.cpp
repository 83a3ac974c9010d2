#include "plugin/AlarmClock.h"

#include "alarm/Snooze.h"
#include "plugin/SettingsStore.h"
#include "plugin/SystemTimeZone.h"
#include "runtime/DebugTrace.h"
#include "runtime/ErrorBox.h"
#include "runtime/Exception.h"

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
    SettingsRecord loaded;
    const ScopeGuard publish([&] { Update([&](SettingsRecord& s) { s = loaded; }); });
    LoadSettings(loaded);
  }
  worker = new AlarmWorker(*WinampControl, *WinampControl, *this, *this);
}

SettingsRecord AlarmClock::Settings() const {
  LockHolder hold(settingsLock_);
  return settings_;
}

template <typename Change>
void AlarmClock::Update(const Change& change) {
  {
    LockHolder hold(settingsLock_);
    change(settings_);
  }
  SetEvent(settingsChanged_.Get());
}

UtcMs AlarmClock::WatchedSince(const SettingsRecord& settings, UtcMs now) {
  LockHolder hold(settingsLock_);
  return watch_.Observe(settings, now);
}

std::optional<RingSlot> AlarmClock::NextRingOf(SettingsRecord shown, UtcMs now, bool countSnooze) const {
  UtcMs since = now;
  {
    LockHolder hold(settingsLock_);
    shown.VelLastRung = settings_.VelLastRung;
    shown.VelSnoozeUntil = countSnooze ? settings_.VelSnoozeUntil : std::nullopt;
    shown.VelCatchUpMinutes = settings_.VelCatchUpMinutes;
    since = watch_.SinceFor(shown, now);
  }
  if (SnoozeIsStale(shown, now)) shown.VelSnoozeUntil.reset();
  return NextRing(shown, now, SystemTimeZone(), since);
}

void AlarmClock::RecordRing(const RingSlot& slot, UtcMs now) {
  bool snoozeSpent = false;
  {
    LockHolder hold(settingsLock_);
    snoozeSpent = RecordRingIn(settings_, slot, now);
  }
  DebugTrace(std::string("ring: ") + (slot.snoozed ? "snooze " : "alarm ") + LastRungText(slot));
  if (!slot.snoozed) KeepInRegistry("last ring", [&] { SaveLastRung(LastRungText(slot)); });
  if (snoozeSpent) KeepInRegistry("snooze", [] { SaveSnoozeUntil(std::nullopt); });
}

void AlarmClock::DropSnooze() {
  DebugTrace("snooze past its catch-up time: dropped");
  ForgetSnooze();
}

void AlarmClock::ForgetSnooze() {
  bool had = false;
  Update([&](SettingsRecord& s) {
    had = s.VelSnoozeUntil.has_value();
    s.VelSnoozeUntil.reset();
  });
  if (had) KeepInRegistry("snooze", [] { SaveSnoozeUntil(std::nullopt); });
}

void AlarmClock::Snooze(UtcMs pressed) {
  std::optional<UtcMs> until;
  Update([&](SettingsRecord& s) {
    // An alarm switched off meanwhile is not brought back by its last ring's window.
    if (s.VelActive) s.VelSnoozeUntil = until = SnoozeUntil(pressed, s.VelSnoozeSeconds, SystemTimeZone());
  });
  if (!until) return;
  DebugTrace("snoozed until " + UtcText(*until));
  KeepInRegistry("snooze", [&] { SaveSnoozeUntil(until); });
}

void AlarmClock::EndRing() {
  DebugTrace("ring ended by DISABLE");
  ForgetSnooze();
}

void AlarmClock::SaveDialogSettings(const SettingsRecord& fromDialog) {
  SaveSettings(fromDialog);
  Update([&](SettingsRecord& s) {
    s.VelURL = fromDialog.VelURL;
    s.VelWakeupTime = fromDialog.VelWakeupTime;
    s.VelActive = fromDialog.VelActive;
    s.VelVolume = fromDialog.VelVolume;
    s.VelStreaming = fromDialog.VelStreaming;
    s.VelSnooze = fromDialog.VelSnooze;
    s.VelNoRestart = fromDialog.VelNoRestart;
  });
  if (!fromDialog.VelActive) ForgetSnooze();
}

void AlarmClock::SaveAlarmOptions(const SettingsRecord& options) {
  ::SaveAlarmOptions(options);
  Update([&](SettingsRecord& s) {
    s.VelDays = options.VelDays;
    s.VelSkipDate = options.VelSkipDate;
    s.VelSnoozeSeconds = options.VelSnoozeSeconds;
    s.VelFadeSeconds = options.VelFadeSeconds;
    s.VelFallbackSeconds = options.VelFallbackSeconds;
    s.VelFallbackFile = options.VelFallbackFile;
  });
}

void AlarmClock::RequestTrialRing(const SettingsRecord& settings) {
  if (!worker) return;
  worker->RequestTrialRing(settings);
  SetEvent(settingsChanged_.Get());  // the worker's wait ends and it takes the trial at once
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

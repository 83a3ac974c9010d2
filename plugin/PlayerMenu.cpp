#include "plugin/PlayerMenu.h"

#include "dialogs/AlarmListText.h"
#include "player/PlayerMessages.h"
#include "plugin/AlarmClock.h"
#include "plugin/Configuration.h"
#include "plugin/PlayerSleepTimer.h"
#include "plugin/SystemTimeZone.h"
#include "runtime/DebugTrace.h"
#include "runtime/ErrorBox.h"

namespace {
// Command ids from a block no player command uses.
enum : int {
  NextAlarmId = 41800,
  AlarmOnId,
  SkipId,
  SettingsId,
  SleepLengthId = 41810,  // + the length's place in the offered list
  SleepAtTrackEndId = 41830,
  SleepOffId,
  LastId = 41898,  // 41899 is the sleep timer's window timer
};
constexpr int SleepItemPosition = 4;
constexpr UINT PlayerExitCommand = 40001;

PlayerMenu* shown = nullptr;  // the menu whose commands the subclass takes; none after quit
WNDPROC previous = nullptr;
bool unicodeWindow = false;

LONG_PTR WindowProcedureOf(HWND window) {
  return unicodeWindow ? GetWindowLongPtrW(window, GWLP_WNDPROC) : GetWindowLongPtrA(window, GWLP_WNDPROC);
}

bool SetWindowProcedure(HWND window, LONG_PTR procedure) {
  return (unicodeWindow ? SetWindowLongPtrW(window, GWLP_WNDPROC, procedure)
                        : SetWindowLongPtrA(window, GWLP_WNDPROC, procedure)) != 0;
}

void Check(HMENU menu, int id, bool checked) { CheckMenuItem(menu, id, checked ? MF_CHECKED : MF_UNCHECKED); }

// The next ring of alarm `alarm` as if nothing were skipped, leaving out a snooze: the
// alarm skips it when its skip date is that ring's.
std::optional<RingSlot> UnskippedRing(const AlarmClock& clock, NumberedAlarm alarm, UtcMs now) {
  alarm.settings.VelSkipDate = NoSkipDate;
  return clock.NextRingOf(alarm.number, alarm.settings, now, false);
}
}  // namespace

PlayerMenu::PlayerMenu(AlarmClock& alarm, PlayerSleepTimer& sleepTimer, HWND player)
    : alarm_(alarm), sleepTimer_(sleepTimer), player_(player) {
  for (int which : {PlayerMessages::MainMenu, PlayerMessages::OptionsMenu})
    if (HMENU menu = alarm_.WinampControl->PlayerMenu(which)) Add(menu);
  if (addedCount_ == 0) return;  // a player before 2.9: no menu, so no commands to take
  Refresh();
  unicodeWindow = IsWindowUnicode(player_) != FALSE;
  shown = this;
  previous = reinterpret_cast<WNDPROC>(WindowProcedureOf(player_));
  if (SetWindowProcedure(player_, reinterpret_cast<LONG_PTR>(&WindowProc))) return;
  // Items whose commands would never arrive are no items.
  shown = nullptr;
  RemoveItems();
  DebugTrace("player menu: the player's window cannot be subclassed");
}

void PlayerMenu::RemoveItems() {
  for (int m = 0; m < addedCount_; ++m) {
    const AddedMenu& added = added_[m];
    for (int i = GetMenuItemCount(added.playerMenu) - 1; i >= 0; --i)
      if (GetSubMenu(added.playerMenu, i) == added.alarmMenu) RemoveMenu(added.playerMenu, i, MF_BYPOSITION);
    DestroyMenu(added.alarmMenu);
  }
  addedCount_ = 0;
}

PlayerMenu::~PlayerMenu() {
  if (!shown) return;
  shown = nullptr;
  RemoveItems();
  if (WindowProcedureOf(player_) == reinterpret_cast<LONG_PTR>(&WindowProc)) {
    SetWindowProcedure(player_, reinterpret_cast<LONG_PTR>(previous));
    return;
  }
  // A procedure put over ours still calls it: the module stays loaded for it, and it only
  // passes messages on.
  HMODULE self = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                     reinterpret_cast<LPCSTR>(&WindowProc), &self);
  DebugTrace("player menu: another window procedure came after ours; ours stays, passing messages on");
}

LRESULT CALLBACK PlayerMenu::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  bool handled = false;
  if (shown && (message == WM_COMMAND || message == WM_INITMENUPOPUP))
    ShowingErrors([&] { handled = shown->Handle(message, wParam, lParam); });
  if (handled) return 0;
  return unicodeWindow ? CallWindowProcW(previous, window, message, wParam, lParam)
                       : CallWindowProcA(previous, window, message, wParam, lParam);
}

bool PlayerMenu::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  const int id = LOWORD(wParam);
  if (message == WM_INITMENUPOPUP) {
    if (Shows(reinterpret_cast<HMENU>(wParam))) Refresh();
    return false;
  }
  if (lParam != 0 || id < NextAlarmId || id > LastId) return false;
  Command(id);
  return true;
}

void PlayerMenu::Add(HMENU playerMenu) {
  const AddedMenu added{playerMenu, CreatePopupMenu(), CreatePopupMenu()};
  if (!added.alarmMenu || !added.sleepMenu) {
    DestroyMenu(added.alarmMenu);
    DestroyMenu(added.sleepMenu);
    return;
  }
  AppendMenuA(added.alarmMenu, MF_STRING | MF_GRAYED, NextAlarmId, "");
  AppendMenuA(added.alarmMenu, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(added.alarmMenu, MF_STRING, AlarmOnId, "Alarm on");
  AppendMenuA(added.alarmMenu, MF_STRING, SkipId, "Skip next alarm");
  AppendMenuA(added.alarmMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(added.sleepMenu), "Sleep timer");
  AppendMenuA(added.alarmMenu, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(added.alarmMenu, MF_STRING, SettingsId, "Alarm settings...");
  const UINT popup = MF_POPUP | MF_STRING;
  const UINT_PTR item = reinterpret_cast<UINT_PTR>(added.alarmMenu);
  if (!InsertMenuA(playerMenu, PlayerExitCommand, MF_BYCOMMAND | popup, item, "Alarm clock"))
    AppendMenuA(playerMenu, popup, item, "Alarm clock");
  added_[addedCount_++] = added;
}

bool PlayerMenu::Shows(HMENU menu) const {
  for (const AddedMenu& added : added_)
    if (menu && (menu == added.playerMenu || menu == added.alarmMenu || menu == added.sleepMenu)) return true;
  return false;
}

void PlayerMenu::Refresh() {
  const UtcMs now = SystemNow();
  const AlarmList alarms = alarm_.Alarms();
  const std::optional<AlarmRing> next = alarm_.NextAlarm(now);
  std::string label;
  bool anyOn = false, skipped = false;
  for (const NumberedAlarm& alarm : alarms) {
    if (next && alarm.number == next->number) label = alarm.settings.VelLabel;
    anyOn = anyOn || alarm.settings.VelActive;
    const std::optional<RingSlot> ring = UnskippedRing(alarm_, alarm, now);
    skipped = skipped || (ring && ring->date == alarm.settings.VelSkipDate);
  }
  const std::string nextText =
      LabelledNextAlarmText(next ? std::optional<RingSlot>(next->slot) : std::nullopt, label, SystemTimeZone());
  const std::string sleepText = sleepTimer_.ItemText();
  const int choice = sleepTimer_.Choice();
  int lengths[MaxSleepLengths];
  const int lengthCount = OfferedSleepLengths(alarm_.SharedNumber(&SettingsRecord::VelSleepMinutes), lengths);
  for (int m = 0; m < addedCount_; ++m) {
    const AddedMenu& added = added_[m];
    ModifyMenuA(added.alarmMenu, NextAlarmId, MF_BYCOMMAND | MF_STRING | MF_GRAYED, NextAlarmId, nextText.c_str());
    Check(added.alarmMenu, AlarmOnId, anyOn);
    Check(added.alarmMenu, SkipId, skipped);
    ModifyMenuA(added.alarmMenu, SleepItemPosition, MF_BYPOSITION | MF_POPUP | MF_STRING,
                reinterpret_cast<UINT_PTR>(added.sleepMenu), sleepText.c_str());
    // Rebuilt, since the last length chosen comes first.
    while (DeleteMenu(added.sleepMenu, 0, MF_BYPOSITION)) {
    }
    for (int i = 0; i < lengthCount; ++i)
      AppendMenuA(added.sleepMenu, MF_STRING | (choice == lengths[i] ? MF_CHECKED : 0), SleepLengthId + i,
                  SleepLengthText(lengths[i]).c_str());
    AppendMenuA(added.sleepMenu, MF_STRING | (choice == SleepAtTrackEnd ? MF_CHECKED : 0), SleepAtTrackEndId,
                "At the end of this track");
    AppendMenuA(added.sleepMenu, MF_STRING | (choice == SleepOff ? MF_CHECKED : 0), SleepOffId, "Off");
  }
}

void PlayerMenu::Command(int id) {
  if (id == AlarmOnId) return SwitchAlarms();
  if (id == SkipId) return SkipNextRing();
  if (id == SettingsId) return RunConfiguration(alarm_);
  if (id == SleepAtTrackEndId || id == SleepOffId)
    return sleepTimer_.Choose(player_, id == SleepOffId ? SleepOff : SleepAtTrackEnd);
  int lengths[MaxSleepLengths];
  const int place = id - SleepLengthId;
  if (place < 0 || place >= OfferedSleepLengths(alarm_.SharedNumber(&SettingsRecord::VelSleepMinutes), lengths)) return;
  alarm_.SaveGlobalNumber(&SettingsRecord::VelSleepMinutes, SettingNames::SleepMinutes, lengths[place]);
  sleepTimer_.Choose(player_, lengths[place]);
}

void PlayerMenu::SwitchAlarms() {
  AlarmList alarms = alarm_.Alarms();
  unsigned wereOn = 0;
  for (const NumberedAlarm& alarm : alarms)
    if (alarm.settings.VelActive) wereOn |= 1u << alarm.number;
  if (wereOn) switchedOff_ = wereOn;
  if (!switchedOff_) switchedOff_ = 1u << FirstAlarm;
  for (NumberedAlarm& alarm : alarms)
    if (switchedOff_ & (1u << alarm.number)) {
      alarm.settings.VelActive = !wereOn;
      alarm_.SaveAlarm(alarm.number, alarm.settings);
    }
}

// As the alarm options window's "Skip": the ring that would come without any skip is
// skipped; while one is skipped, choosing it again brings the ring back.
void PlayerMenu::SkipNextRing() {
  const UtcMs now = SystemNow();
  AlarmList alarms = alarm_.Alarms();
  NumberedAlarm* earliest = nullptr;
  std::optional<RingSlot> earliestRing;
  bool unskipped = false;
  for (NumberedAlarm& alarm : alarms) {
    const std::optional<RingSlot> ring = UnskippedRing(alarm_, alarm, now);
    if (ring && ring->date == alarm.settings.VelSkipDate) {
      alarm.settings.VelSkipDate = NoSkipDate;
      alarm_.SaveAlarm(alarm.number, alarm.settings);
      unskipped = true;
    } else if (ring && (!earliestRing || ring->start < earliestRing->start)) {
      earliest = &alarm;
      earliestRing = ring;
    }
  }
  if (unskipped || !earliest) return;
  earliest->settings.VelSkipDate = earliestRing->date;
  alarm_.SaveAlarm(earliest->number, earliest->settings);
}

#include "dialogs/AlarmsWindow.h"

#include <algorithm>
#include <optional>

#include "controls/styled/SCButton.h"
#include "controls/styled/SCCheckbox.h"
#include "controls/styled/SCPanel.h"
#include "dialogs/AlarmListText.h"
#include "dialogs/AlarmWindow.h"
#include "dialogs/AlarmsHost.h"
#include "runtime/Exception.h"
#include "runtime/Label.h"
#include "runtime/ScopedHandles.h"

namespace {
constexpr TTime NewAlarmTime = 7.0 / 24;  // 07:00

template <std::size_t... I>
std::array<TAlarmRow*, MaxAlarms> MakeRows(TComponent* owner, std::index_sequence<I...>) {
  return {((void)I, new TAlarmRow(owner))...};
}

SettingsRecord NewAlarmSettings() {
  SettingsRecord settings;
  settings.VelActive = true;
  settings.VelWakeupTime = NewAlarmTime;
  return settings;
}
}  // namespace

TAlarmsWindow::TAlarmsWindow(TComponent* owner, AlarmsHost& host)
    : TForm(owner),
      ListPanel(new TSCPanel(this)),
      AlarmRows(MakeRows(this, std::make_index_sequence<MaxAlarms>())),
      NextRingPanel(new TSCPanel(this)),
      ReadinessLabel(new TLabel(this)),
      ButtonPanel(new TSCPanel(this)),
      AddButton(new TSCButton(this)),
      EditButton(new TSCButton(this)),
      DeleteButton(new TSCButton(this)),
      TryButton(new TSCButton(this)),
      CloseButton(new TSCButton(this)),
      host_(host) {
  BuildLayout();
  BindEvents();
  ShowAlarms();
}

void TAlarmsWindow::BindEvents() {
  for (int i = 0; i < MaxAlarms; ++i) BindRow(i);
  AddButton->OnClick = [this](TComponent*) { AddClick(); };
  EditButton->OnClick = [this](TComponent*) { EditClick(); };
  DeleteButton->OnClick = [this](TComponent*) { DeleteClick(); };
  TryButton->OnClick = [this](TComponent*) { TryClick(); };
  CloseButton->OnClick = [this](TComponent*) { SetModalResult(mrOk); };
}

void TAlarmsWindow::BindRow(int index) {
  TAlarmRow& row = *AlarmRows[index];
  row.OnKeyDown = [this, index](TComponent*, WORD& key, TShiftState) { RowKeyDown(index, key); };
  row.OnMouseDown = [this, index](TComponent*, TMouseButton button, TShiftState, int, int) {
    if (button == TMouseButton::mbLeft) RowMouseDown(index);
  };
  row.OnEnter = [this, index](TComponent*) { Select(index); };
  row.ActiveCheck->OnChange = [this, index](TComponent*) { ToggleActive(index); };
}

void TAlarmsWindow::ShowAlarms() {
  alarms_ = host_.Alarms();
  const int count = static_cast<int>(std::min<std::size_t>(alarms_.size(), MaxAlarms));
  std::optional<RingSlot> first;
  std::string firstLabel;
  bool firstWakes = false;
  for (int i = 0; i < MaxAlarms; ++i) {
    TAlarmRow& row = *AlarmRows[i];
    row.SetVisible(i < count);
    if (i >= count) continue;
    const NumberedAlarm& alarm = alarms_[i];
    const std::optional<RingSlot> next = host_.NextRing(alarm.number, alarm.settings, true);
    row.ActiveCheck->SetChecked(alarm.settings.VelActive);
    row.ShowColumns({AlarmTimeText(alarm.settings.VelWakeupTime),
                     DaysInShortWords(alarm.settings.VelDays, alarm.settings.VelOnce),
                     ShownLabel(alarm.settings.VelLabel), RowNextRingText(next, host_.Zone())});
    if (next && (!first || next->start < first->start)) {
      first = next;
      firstLabel = alarm.settings.VelLabel;
      firstWakes = alarm.settings.VelWakeFromSleep;
    }
  }
  NextRingPanel->SetCaption(LabelledNextAlarmText(first, firstLabel, host_.Zone()));
  ReadinessLabel->SetCaption(first ? WakeReadinessText(host_.Power(), firstWakes) : "");
  Select(std::clamp(selected_, 0, std::max(count - 1, 0)));
}

void TAlarmsWindow::Select(int index) {
  if (alarms_.empty()) return;
  selected_ = std::clamp(index, 0, static_cast<int>(alarms_.size()) - 1);
  for (int i = 0; i < MaxAlarms; ++i) AlarmRows[i]->SetSelected(i == selected_);
  DeleteButton->SetEnabled(alarms_[selected_].number != FirstAlarm);
  if (ListPanel->Focused() || (GetFocus() && IsChild(ListPanel->Handle(), GetFocus())))
    AlarmRows[selected_]->SetFocus();
}

void TAlarmsWindow::RowKeyDown(int index, WORD& key) {
  switch (key) {
    case VK_UP:
      Select(index - 1);
      break;
    case VK_DOWN:
      Select(index + 1);
      break;
    case VK_RETURN:
      EditClick();
      break;
    case VK_SPACE:
      AlarmRows[index]->ActiveCheck->SetChecked(!AlarmRows[index]->ActiveCheck->Checked());
      ToggleActive(index);
      break;
    default:
      return;
  }
  key = 0;
}

void TAlarmsWindow::RowMouseDown(int index) {
  // Our windows' class has no double-click style: two presses on one row within the
  // system's double-click time are one.
  const long now = GetMessageTime();
  const bool second = index == lastClickRow_ && now - lastClickTime_ <= static_cast<long>(GetDoubleClickTime());
  lastClickRow_ = second ? -1 : index;
  lastClickTime_ = now;
  Select(index);
  AlarmRows[index]->SetFocus();
  if (second) EditClick();
}

void TAlarmsWindow::ToggleActive(int index) {
  SettingsRecord settings = alarms_[index].settings;
  settings.VelActive = !settings.VelActive;
  const ScopeGuard showSaved([this] { ShowAlarms(); });  // a failed save shows what is kept
  host_.SaveAlarm(alarms_[index].number, settings);
}

void TAlarmsWindow::AddClick() {
  if (host_.Alarms().size() >= static_cast<std::size_t>(MaxAlarms))
    throw Exception("There are 20 alarms already: delete one to add another.");
  SettingsRecord settings = NewAlarmSettings();
  if (!EditAlarm(0, settings)) return;
  const int number = host_.AddAlarm(settings);
  ShowAlarms();
  for (std::size_t i = 0; i < alarms_.size(); ++i)
    if (alarms_[i].number == number) Select(static_cast<int>(i));
}

void TAlarmsWindow::EditClick() {
  if (alarms_.empty()) return;
  const NumberedAlarm alarm = alarms_[selected_];
  SettingsRecord settings = alarm.settings;
  if (!EditAlarm(alarm.number, settings)) return;
  const ScopeGuard showSaved([this] { ShowAlarms(); });
  host_.SaveAlarm(alarm.number, settings);
}

void TAlarmsWindow::DeleteClick() {
  if (alarms_.empty() || alarms_[selected_].number == FirstAlarm) return;
  const ScopeGuard showKept([this] { ShowAlarms(); });
  host_.DeleteAlarm(alarms_[selected_].number);
}

void TAlarmsWindow::TryClick() {
  if (!alarms_.empty()) host_.TryRing(alarms_[selected_].settings);
}

bool TAlarmsWindow::EditAlarm(int number, SettingsRecord& settings) {
  TAlarmWindow window(nullptr, number, settings, host_);
  if (window.ShowModal() != mrOk) return false;
  settings = window.Edited();
  return true;
}

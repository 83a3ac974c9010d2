#pragma once
// The "Alarms" window: every alarm in a row of its own (on/off, time, days, label, next
// ring), the next ring of them all, and Add, Edit, Delete, "Try it now" and Close. Each
// change goes to the host at once and the list is read anew from it.
//
// Keys: Up and Down move the selection, Enter edits the selected alarm, Space switches
// it on or off, Tab walks the selected row and the buttons, Escape closes.
#include <array>
#include <string>

#include "alarm/AlarmList.h"
#include "dialogs/AlarmRow.h"
#include "runtime/Form.h"

class AlarmsHost;
class TLabel;
class TSCButton;
class TSCPanel;

class TAlarmsWindow : public TForm {
 public:
  TAlarmsWindow(TComponent* owner, AlarmsHost& host);

  TSCPanel* const ListPanel;
  const std::array<TAlarmRow*, MaxAlarms> AlarmRows;  // the first Alarms().size() are shown
  TSCPanel* const NextRingPanel;                      // its caption is the next ring of all alarms
  TLabel* const ReadinessLabel;                       // whether the PC will wake for that ring
  TSCPanel* const ButtonPanel;
  TSCButton* const AddButton;
  TSCButton* const EditButton;
  TSCButton* const DeleteButton;
  TSCButton* const TryButton;
  TSCButton* const CloseButton;

  const AlarmList& Alarms() const { return alarms_; }
  int SelectedIndex() const { return selected_; }
  void Select(int index);

 private:
  void BuildLayout();
  void BindEvents();
  void BindRow(int index);
  // Reads the alarms anew from the host and shows them.
  void ShowAlarms();
  void RowKeyDown(int index, WORD& key);
  void RowMouseDown(int index);
  void ToggleActive(int index);
  void AddClick();
  void EditClick();
  void DeleteClick();
  void TryClick();
  // The Alarm window, modal, for alarm `number` (0: a new one); true when it was
  // confirmed, with its values in `settings`.
  bool EditAlarm(int number, SettingsRecord& settings);

  AlarmsHost& host_;
  AlarmList alarms_;
  int selected_ = 0;
  int lastClickRow_ = -1;
  long lastClickTime_ = 0;
};

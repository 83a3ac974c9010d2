#pragma once
// The "Alarm" window: one alarm's time on the clock face, its label, the configuration
// dialog's switches and address, and the alarm options, with a one-off switch. "OK"
// hands the edited record back to whoever opened it; "Cancel", the close box and
// Escape change nothing.
#include "alarm/SettingsRecord.h"
#include "dialogs/AlarmOptionsPanel.h"
#include "dialogs/SoundSwitches.h"
#include "runtime/Form.h"

class AlarmsHost;
class TLabel;
class TRzTimePicker;
class TSCButton;
class TSCCheckbox;
class TSCCombobox;
class TSCPanel;
class TTimer;

class TAlarmWindow : public TForm, private RingSchedule {
 public:
  // `number`: the alarm's number, 0 for one not added yet; the window edits a copy of `settings`.
  TAlarmWindow(TComponent* owner, int number, const SettingsRecord& settings, AlarmsHost& host);

  TSCPanel* const HeaderPanel;  // its caption is the next ring
  TSCPanel* const AlarmPanel;   // left: the time
  TLabel* const StartTimeLabel;
  TRzTimePicker* const AlarmTime;
  TSCPanel* const SwitchesPanel;  // right: the switches, the address, the label, one-off
  TSCCheckbox* const BoostVolumeCheck;
  TSCCheckbox* const NoRestartCheck;
  TSCCheckbox* const SnoozeCheck;
  TSCCheckbox* const StreamCheck;
  TSCCombobox* const StreamAddress;
  TSCButton* const LocateFileButton;
  TLabel* const AlarmLabelCaption;  // "&Label"
  TSCCombobox* const AlarmLabelBox;
  TSCCheckbox* const OnceCheck;
  TAlarmOptionsPanel* const OptionsPanel;
  TSCPanel* const ButtonPanel;
  TSCButton* const TryButton;
  TSCButton* const OkButton;
  TSCButton* const CancelButton;
  TTimer* const RefreshTimer;

  // The record with the window's values; raises a message naming a length that cannot be used.
  SettingsRecord EditedSettings() const;
  // What "OK" confirmed.
  const SettingsRecord& Edited() const { return edited_; }

 private:
  UtcMs Now() override;
  const TimeZoneRules& Zone() override;
  std::optional<RingSlot> NextRing(const SettingsRecord& shown, bool countSnooze) override;
  PowerFacts Power() override;

  void BuildLayout();
  void BindEvents();
  void ShowSettings();
  SoundSwitches Switches() const;
  SettingsRecord SettingsAsShown() const;
  void ShowNextRing();
  void LabelChange();
  void OkClick();

  int number_;
  SettingsRecord settings_;
  SettingsRecord edited_;
  AlarmsHost& host_;
};

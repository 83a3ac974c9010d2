#pragma once
// The "Alarm options" window, opened from the configuration dialog: the days the alarm
// rings, skipping the next ring, the snooze and fade-in lengths, the fallback, a trial
// ring and the next ring in words. "OK" hands the options to the host; "Cancel" and the
// close box change nothing.
#include "alarm/SettingsRecord.h"
#include "dialogs/AlarmOptionsPanel.h"
#include "runtime/Form.h"

class TSCButton;
class TSCCheckbox;
class TSCPanel;
class TTimer;

// What the window needs from the plug-in: the next rings, and the options' changes.
class AlarmOptionsHost : public RingSchedule {
 public:
  // "OK": the options into the registry and the alarm.
  virtual void SaveOptions(const SettingsRecord& settings) = 0;
  // "Try it now": a ring at once with these settings; the schedule stays as it is.
  virtual void TryRing(const SettingsRecord& settings) = 0;
};

class TAlarmOptionsWindow : public TForm {
 public:
  // `settings`: the alarm as the configuration dialog shows it now; the window edits a copy.
  TAlarmOptionsWindow(TComponent* owner, const SettingsRecord& settings, AlarmOptionsHost& host);

  TSCPanel* const HeaderPanel;             // its caption is the next ring
  TAlarmOptionsPanel* const OptionsPanel;  // days, skip, lengths, fallback
  TSCPanel* const ButtonPanel;
  TSCButton* const TryButton;
  TSCButton* const OkButton;
  TSCButton* const CancelButton;
  // VelSleepAction, one for every alarm: on its own row, as the panel is the Alarm window's too.
  TSCCheckbox* const SleepActionCheck;
  TTimer* const RefreshTimer;

  // The record with the window's options; raises a message naming a length that cannot
  // be used.
  SettingsRecord EditedSettings() const;

 private:
  void BuildLayout();
  void BindEvents();
  // The record with what the window holds, lengths that do not parse left as they were.
  SettingsRecord SettingsAsShown() const;
  void ShowNextRing();
  void OkClick();
  void TryClick();

  SettingsRecord settings_;
  AlarmOptionsHost& host_;
};

#pragma once
// The "Alarm options" window, opened from the configuration dialog: the days the alarm
// rings, skipping the next ring, the snooze and fade-in lengths, the fallback, a trial
// ring and the next ring in words. "OK" hands the options to the host; "Cancel" and the
// close box change nothing.
#include <array>

#include <optional>

#include "alarm/NextRing.h"
#include "alarm/SettingsRecord.h"
#include "alarm/TimeZoneRules.h"
#include "runtime/Form.h"

class TLabel;
class TSCButton;
class TSCCheckbox;
class TSCCombobox;
class TSCLabel;
class TSCPanel;
class TTimer;

// What the window needs from the plug-in.
class AlarmOptionsHost {
 public:
  virtual ~AlarmOptionsHost() = default;
  virtual UtcMs Now() = 0;
  virtual const TimeZoneRules& Zone() = 0;
  // When `shown` would ring next, as the worker would plan it with the alarm's ring
  // record as it is now; without `countSnooze` a pending snooze is left out.
  virtual std::optional<RingSlot> NextRing(const SettingsRecord& shown, bool countSnooze) = 0;
  // "OK": the options into the registry and the alarm.
  virtual void SaveOptions(const SettingsRecord& settings) = 0;
  // "Try it now": a ring at once with these settings; the schedule stays as it is.
  virtual void TryRing(const SettingsRecord& settings) = 0;
};

class TAlarmOptionsWindow : public TForm {
 public:
  // `settings`: the alarm as the configuration dialog shows it now; the window edits a copy.
  TAlarmOptionsWindow(TComponent* owner, const SettingsRecord& settings, AlarmOptionsHost& host);

  TSCPanel* const HeaderPanel;  // its caption is the next ring
  TSCPanel* const OptionsPanel;
  TSCPanel* const ButtonPanel;
  TLabel* const DaysLabel;
  const std::array<TSCCheckbox*, 7> DayBoxes;  // Monday first
  TSCButton* const SkipButton;
  TSCButton* const DontSkipButton;
  TSCLabel* const SkipLabel;
  TLabel* const SnoozeLabel;
  TSCCombobox* const SnoozeBox;
  TLabel* const FadeLabel;
  TSCCombobox* const FadeBox;
  TLabel* const FallbackLabel;
  TSCCombobox* const FallbackBox;
  TLabel* const FallbackFileLabel;
  TSCCombobox* const FallbackFileBox;
  TSCButton* const BrowseButton;
  TSCButton* const TryButton;
  TSCButton* const OkButton;
  TSCButton* const CancelButton;
  TTimer* const RefreshTimer;

  // The record with the window's options; raises a message naming a length that cannot
  // be used.
  SettingsRecord EditedSettings() const;

 private:
  void BuildLayout();
  void BindEvents();
  void ShowSettings();
  // The record with what the window holds, lengths that do not parse left as they were.
  SettingsRecord SettingsAsShown() const;
  void ShowNextRing();
  void SkipClick();
  void DontSkipClick();
  void BrowseClick();
  void OkClick();
  void TryClick();

  SettingsRecord settings_;
  AlarmOptionsHost& host_;
  int skipDate_;
};

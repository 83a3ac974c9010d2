#pragma once
// The options of one alarm on a gradient panel: the days it rings, skipping the next
// ring, the snooze and fade-in lengths, the fallback, the ring's time limit, Windows'
// sound, waking the PC and whether it will. The "Alarm options" and the
// "Alarm" window both show them with it. It raises OnChange when what it shows may move
// the next ring (days, snooze length, skip).
#include <array>
#include <optional>
#include "runtime/Callback.h"

#include "alarm/NextRing.h"
#include "alarm/SettingsRecord.h"
#include "alarm/TimeZoneRules.h"
#include "alarm/WakeReadiness.h"
#include "controls/styled/SCPanel.h"

class TLabel;
class TSCButton;
class TSCCheckbox;
class TSCCombobox;
class TSCLabel;

// Where the next rings come from: the plug-in, as the worker would plan them.
class RingSchedule {
 public:
  virtual ~RingSchedule() = default;
  virtual UtcMs Now() = 0;
  virtual const TimeZoneRules& Zone() = 0;
  // When `shown` would ring next with the alarm's ring record as it is now; without
  // `countSnooze` a pending snooze is left out.
  virtual std::optional<RingSlot> NextRing(const SettingsRecord& shown, bool countSnooze) = 0;
  // What decides whether the PC wakes for a ring.
  virtual PowerFacts Power() = 0;
};

constexpr int OptionsPanelHeight = 340;

class TAlarmOptionsPanel : public TSCPanel {
 public:
  // `windowSettings`: the whole record the window shows now, these options included;
  // skipping asks it for the ring to skip.
  TAlarmOptionsPanel(TComponent* owner, RingSchedule& schedule, Callback<SettingsRecord()> windowSettings);

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
  TLabel* const RingLimitLabel;
  TSCCombobox* const RingLimitBox;
  TSCCheckbox* const SystemSoundCheck;
  TSCCombobox* const SystemVolumeBox;
  TSCCheckbox* const WakeCheck;
  TLabel* const ReadinessLabel;
  TSCButton* const PowerOptionsButton;

  void ShowOptions(const SettingsRecord& settings);
  // `settings` with the options shown; lengths that do not parse keep its values.
  SettingsRecord WithOptions(SettingsRecord settings) const;
  // The same, but raises a message naming a length that cannot be used.
  SettingsRecord WithCheckedOptions(const SettingsRecord& settings) const;
  // The skip line and "Don't skip" as of now: a skip date already past is not shown.
  void ShowSkip();
  // The readiness line for the wake box as it stands.
  void ShowReadiness();

 private:
  void BuildLayout();
  void BindEvents();
  void SkipClick();
  void DontSkipClick();
  void BrowseClick();
  void ShowSystemSoundCaption();

  RingSchedule& schedule_;
  Callback<SettingsRecord()> windowSettings_;
  int skipDate_ = NoSkipDate;
};

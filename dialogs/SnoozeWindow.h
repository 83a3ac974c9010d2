#pragma once
// Shown by the alarm worker after a wake-up: the running clock and two buttons.
// "SNOOZE" turns the player down and moves the in-memory wake-up time 7 minutes 12
// seconds past the press (answer 1); "DISABLE" disarms the alarm in memory (answer 2);
// closing the window answers 2. Closing destroys the window; whoever showed it deletes the object.
#include <cstdint>

#include "alarm/SnoozeTime.h"
#include "runtime/DayTime.h"
#include "runtime/Form.h"

class TRzTimePicker;
class TSCButton;
class TSCPanel;
class TTimer;

// What the window changes: the player's volume and the alarm's in-memory record.
class SnoozeTarget {
 public:
  virtual ~SnoozeTarget() = default;
  virtual void SetVolume(std::uint8_t volume) = 0;
  virtual void SetWakeUp(TTime wakeUp) = 0;
  virtual void Disarm() = 0;
};

constexpr std::uint8_t SnoozeVolume = 50;  // of 255: the dialog calls it 19%

class TFrmSnooze : public TForm {
 public:
  TFrmSnooze(TComponent* owner, SnoozeTarget& target);

  TTimer* const ClockTimer;          // moves the clock on every second
  TRzTimePicker* const Clock;  // the running clock, display only
  TSCPanel* const TopBand;      // top gradient band
  TSCPanel* const ButtonBand;      // bottom gradient band holding the buttons
  TSCButton* const SnoozeButton;    // "SNOOZE"
  TSCButton* const DisableButton;    // "DISABLE"

  void OnClockTick(TComponent* sender);
  void OnFormClose(TComponent* sender, TCloseAction& action);
  void OnSnoozeClick(TComponent* sender);
  void OnDisableClick(TComponent* sender);
  void ShowTimeNow(TComponent* sender);

 private:
  SnoozeTarget& target_;
};

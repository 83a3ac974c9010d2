#pragma once
// Shown while an alarm rings: the running clock and two buttons. Its modal answer is
// "SNOOZE" (snoozed) or "DISABLE" (disabled); closing the window answers disabled. S and
// D answer from the keyboard, as the buttons' captions mark no accelerator.
// What an answer does is the ring's business; closing destroys the window, and whoever
// showed it deletes the object.
#include "runtime/Form.h"

class TRzTimePicker;
class TSCButton;
class TSCPanel;
class TTimer;

constexpr const char* SnoozeWindowCaption = "Time to wakeup ?";
constexpr int SnoozeAnswerSnoozed = 1;
constexpr int SnoozeAnswerDisabled = 2;

class TFrmSnooze : public TForm {
 public:
  explicit TFrmSnooze(TComponent* owner);

  TTimer* const ClockTimer;    // moves the clock on every second
  TRzTimePicker* const Clock;  // the running clock, display only
  TSCPanel* const TopBand;     // top gradient band
  TSCPanel* const ButtonBand;  // bottom gradient band holding the buttons
  TSCButton* const SnoozeButton;
  TSCButton* const DisableButton;

 protected:
  bool DialogChar(char key) override;

 private:
  void ShowTimeNow();
  void OnFormClose(TCloseAction& action);
};

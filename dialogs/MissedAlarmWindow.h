#pragma once
// Tells of alarms that passed unheard, one line each with the likely reason, over the
// player. "Power options..." is offered where the PC slept through one; "OK" closes it.
#include <string>
#include "runtime/Callback.h"

#include "runtime/Form.h"

class TLabel;
class TSCButton;
class TSCPanel;

constexpr const char* MissedAlarmCaption = "Missed alarm";
// Posted to the window when more lines have come: it calls OnLinesChanged on its thread.
constexpr UINT MissedLinesChanged = WM_APP + 1;

class TMissedAlarmWindow : public TForm {
 public:
  TMissedAlarmWindow();

  TLabel* const Lines;
  TSCPanel* const ButtonPanel;
  TSCButton* const PowerOptionsButton;
  TSCButton* const OkButton;

  Callback<void()> OnLinesChanged;

  // `lines`: one missed ring a line (MissedRingText), "\n" between them; the window's
  // height follows them.
  void ShowLines(const std::string& lines, bool offerPowerOptions);

 protected:
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

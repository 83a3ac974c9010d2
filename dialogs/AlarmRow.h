#pragma once
// One row of the "Alarms" list: the on/off box, then the time, the days, the label and
// the next ring painted in columns. The selected row is filled with the highlight
// colour; it takes the keys (Up, Down, Enter, Space) through OnKeyDown.
#include <array>
#include <string>

#include "controls/styled/SCPanel.h"

class TSCCheckbox;

constexpr int AlarmRowHeight = 20;

class TAlarmRow : public TSCPanel {
 public:
  explicit TAlarmRow(TComponent* owner);

  TSCCheckbox* const ActiveCheck;

  // The words of the columns: time, days, label, next ring.
  void ShowColumns(const std::array<std::string, 4>& columns);
  const std::array<std::string, 4>& Columns() const { return columns_; }
  bool Selected() const { return selected_; }
  void SetSelected(bool selected);

 protected:
  void Paint(TCanvas& canvas) override;
  UINT DialogCode(WORD key) override { return DLGC_WANTARROWS | (key == VK_RETURN ? DLGC_WANTMESSAGE : 0); }
  void Describe(AccessibleFacts& facts) override;
  std::string AccessibleName() const override;

 private:
  std::array<std::string, 4> columns_;
  bool selected_ = false;
};

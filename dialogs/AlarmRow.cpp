#include "dialogs/AlarmRow.h"

#include "controls/styled/SCCheckbox.h"
#include "dialogs/DialogLook.h"

namespace {
constexpr TColor SelectedFill = 0xFCA070;  // the controls' highlight colour
constexpr int CheckWidth = 22;
// Where each column starts; the label gets the room the others leave.
constexpr std::array<int, 4> ColumnLefts = {CheckWidth + 4, 104, 232, 476};
constexpr int RowWidthForLast = 592;
}  // namespace

TAlarmRow::TAlarmRow(TComponent* owner) : TSCPanel(owner), ActiveCheck(new TSCCheckbox(this)) {
  SetFont(Font(), "Verdana", -12, fsBold, clBlack);
  SetTransparent(true);
  ActiveCheck->SetParent(this);
  ActiveCheck->SetBounds(4, 1, CheckWidth - 4, AlarmRowHeight - 2);
  UseCheckboxLook(*ActiveCheck);
  ActiveCheck->SetTabStop(false);  // the row takes the keys; Space toggles through it
  ActiveCheck->SetLabelledBy(this);
}

void TAlarmRow::ShowColumns(const std::array<std::string, 4>& columns) {
  if (columns == columns_) return;
  columns_ = columns;
  Invalidate();
}

void TAlarmRow::SetSelected(bool selected) {
  if (selected == selected_) return;
  selected_ = selected;
  SetTransparent(!selected);
  SetParentColor(!selected);
  if (selected) SetColor(SelectedFill);
  SetTabStop(selected);  // Tab enters the list at its selected row only
  Invalidate();
}

void TAlarmRow::Paint(TCanvas& canvas) {
  TSCPanel::Paint(canvas);
  canvas.Brush.SetStyle(TBrushStyle::bsClear);
  for (std::size_t i = 0; i < columns_.size(); ++i) {
    const int right = i + 1 < columns_.size() ? ColumnLefts[i + 1] - 6 : std::max(Width(), RowWidthForLast);
    Rect cell{ColumnLefts[i], 0, right, Height()};
    canvas.DrawText(columns_[i], cell, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
  }
  if (Focused()) {
    const RECT outline = {1, 1, Width() - 1, Height() - 1};
    DrawFocusRect(canvas.Handle(), &outline);
  }
}

std::string TAlarmRow::AccessibleName() const {
  std::string name;
  for (const std::string& column : columns_)
    if (!column.empty()) name += (name.empty() ? "" : ", ") + column;
  return name;
}

void TAlarmRow::Describe(AccessibleFacts& facts) {
  TSCPanel::Describe(facts);
  facts.role = AccessibleRole::ListItem;
  facts.checked = ActiveCheck->Checked();
  facts.defaultAction = "Edit";
}

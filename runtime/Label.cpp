#include "runtime/Label.h"

#include "runtime/Accelerator.h"
#include "runtime/ParentBackground.h"

TLabel::TLabel(TComponent* owner) : TWinControl(owner) { SetParentColor(true); }

void TLabel::SetTransparent(bool transparent) { SetProperty(transparent_, transparent); }

void TLabel::Paint(TCanvas& canvas) {
  if (transparent_) {
    PaintParentBackground(*this, canvas);
  } else {
    TWinControl::Paint(canvas);
  }
  Rect r = ClientRect();
  canvas.Brush.SetStyle(TBrushStyle::bsClear);
  canvas.DrawText(Caption(), r, DT_LEFT | DT_TOP | DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : DT_SINGLELINE));
}

void TLabel::SetFocusControl(TWinControl* field) {
  focusControl_ = field;
  field->SetLabelledBy(this, true);
}

bool TLabel::DialogChar(char key) {
  if (!focusControl_ || !IsAcceleratorOf(key, Caption()) || !focusControl_->CanFocus()) return false;
  focusControl_->SetFocus();
  return true;
}

void TLabel::Describe(AccessibleFacts& facts) {
  TWinControl::Describe(facts);
  facts.role = AccessibleRole::StaticText;
  facts.readOnly = true;
  facts.shortcut.clear();                                   // the field's: the label itself takes no focus
  facts.invisible = facts.invisible || facts.name.empty();  // shows nothing
}

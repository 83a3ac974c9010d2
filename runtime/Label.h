#pragma once
// A plain line of text, or wrapped lines, optionally transparent over its parent. A
// label of a field names it for screen readers, and its accelerator focuses the field.
#include "runtime/WinControl.h"

class TLabel : public TWinControl {
 public:
  explicit TLabel(TComponent* owner);

  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);
  // Wrapped at the label's width and at each "\n", from the top down.
  void SetWordWrap(bool wrap) { SetProperty(wordWrap_, wrap); }
  // The field this label names.
  void SetFocusControl(TWinControl* field);

 protected:
  void Paint(TCanvas& canvas) override;
  bool DialogChar(char key) override;
  void Describe(AccessibleFacts& facts) override;

 private:
  bool transparent_ = false;
  bool wordWrap_ = false;
  TWinControl* focusControl_ = nullptr;
};

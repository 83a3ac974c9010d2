#pragma once
// A plain line of text, or wrapped lines, optionally transparent over its parent.
#include "runtime/WinControl.h"

class TLabel : public TWinControl {
 public:
  explicit TLabel(TComponent* owner);

  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);
  // Wrapped at the label's width and at each "\n", from the top down.
  void SetWordWrap(bool wrap) { SetProperty(wordWrap_, wrap); }

 protected:
  void Paint(TCanvas& canvas) override;

 private:
  bool transparent_ = false;
  bool wordWrap_ = false;
};

#pragma once
// A plain line of text, optionally transparent over its parent.
#include "runtime/WinControl.h"

class TLabel : public TWinControl {
 public:
  explicit TLabel(TComponent* owner);

  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);

 protected:
  void Paint(TCanvas& canvas) override;

 private:
  bool transparent_ = false;
};

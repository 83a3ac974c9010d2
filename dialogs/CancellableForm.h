#pragma once
// A modal window that Escape closes as its Cancel button does, changing nothing.
#include "runtime/Form.h"

class TCancellableForm : public TForm {
 public:
  using TForm::TForm;

 protected:
  bool DialogChar(char key) override {
    if (key != VK_ESCAPE) return false;
    SetModalResult(mrCancel);
    return true;
  }
};

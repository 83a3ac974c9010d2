#pragma once
// The time picker's tests share this host: a shown form with a picker at the size the
// configuration dialog gives it.
#include <gtest/gtest.h>

#include <memory>

#include "controls/timepicker/TimePicker.h"
#include "tests/windows/WindowTestSupport.h"

inline TTime At(int hour, int minute) { return EncodeTime(hour, minute, 0, 0); }

class PickerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = MakeHostForm(400, 300);
    picker = new TRzTimePicker(form.get());
    picker->SetBounds(10, 10, 160, 190);
    picker->SetParent(form.get());
  }

  std::unique_ptr<TForm> form;
  TRzTimePicker* picker = nullptr;  // owned by the form
};

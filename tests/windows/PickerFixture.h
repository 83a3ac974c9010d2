#pragma once
// The time picker's tests share this host: a shown form with a picker at the size the
// configuration dialog gives it.
#include "controls/timepicker/TimePicker.h"
#include "tests/windows/StyledTestSupport.h"
#include "tests/windows/WindowTestSupport.h"

inline TTime At(int hour, int minute) { return EncodeTime(hour, minute, 0, 0); }

class PickerTest : public HostedTest {
 protected:
  void SetUp() override {
    Host(400, 300);
    picker = &AddControl<TRzTimePicker>(*form, 10, 10, 160, 190);
  }

  TRzTimePicker* picker = nullptr;  // owned by the form
};
